#include "launcher/Darken.h"

namespace launcher {

static_assert(kDarkenedBrightnessPercent == 50, "Darken halves each channel");

void Darken(std::span<std::uint32_t> pixels) {
  // Shifting the whole pixel moves each channel's lowest bit into the channel
  // below; the mask drops those bits (and the unused alpha byte's).
  for (std::uint32_t& pixel : pixels) pixel = (pixel >> 1) & 0x007F7F7Fu;
}

}  // namespace launcher
