#include "ui/Twips.h"

#include <cstdint>

namespace ui {
namespace {

int ScaleRounded(std::int64_t value, std::int64_t numerator, std::int64_t denominator) {
  const std::int64_t product = value * numerator;
  const std::int64_t half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

}  // namespace

int TwipsToPixels(int twips, int pixelsPerInch) {
  if (pixelsPerInch <= 0) return 0;
  return ScaleRounded(twips, pixelsPerInch, kTwipsPerInch);
}

int PixelsToTwips(int pixels, int pixelsPerInch) {
  if (pixelsPerInch <= 0) return 0;
  return ScaleRounded(pixels, kTwipsPerInch, pixelsPerInch);
}

}  // namespace ui
