#pragma once
// The launcher's six settings, as the window holds them in its fields and
// keeps them in its WindowSettings store.
#include <cstdint>

#include "settings/WindowSettings.h"

namespace launcher {

enum Corner : std::int16_t { kTopLeft = 0, kTopRight = 1, kBottomRight = 2, kBottomLeft = 3 };

struct StripSettings {
  std::int16_t corner = kTopLeft;
  bool topMost = false;
  bool largeButtons = false;  // stored as "LageButton", as it always was
  bool powerOff = false;
  bool autoEject = false;
  bool standbyButton = false;
  friend bool operator==(const StripSettings&, const StripSettings&) = default;
};

// Reads the six in their fixed order, each with its default. A corner that
// is not one of the four (a value this program never writes) reads as top
// left; what the store cannot turn into a number or a Boolean comes back as
// the default from the helper itself.
StripSettings ReadStripSettings(const settings::WindowSettings& helper);

// Writes all six, in the same order.
void WriteStripSettings(settings::WindowSettings& helper, const StripSettings& settings);

}  // namespace launcher
