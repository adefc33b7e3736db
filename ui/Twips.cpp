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

TextScale TextScaleFor(int fontHeight, int pixelsPerInch) {
  constexpr int kPointsPerInch = 72;
  const int standard =
      ScaleRounded(kStandardMessageFontPoints, pixelsPerInch > 0 ? pixelsPerInch : 0, kPointsPerInch);
  const int height = fontHeight < 0 ? -fontHeight : fontHeight;
  if (standard <= 0 || height <= standard) return {};
  return {height, standard};
}

int ScaledTwips(int twips, TextScale scale) {
  if (!scale.Enlarges()) return twips;
  return ScaleRounded(twips, scale.fontHeight, scale.standardHeight);
}

int TwipsBeforeScale(int twips, TextScale scale) {
  if (!scale.Enlarges()) return twips;
  const std::int64_t product = static_cast<std::int64_t>(twips) * scale.standardHeight;
  return static_cast<int>((product + scale.fontHeight - 1) / scale.fontHeight);
}

PixelRect TwipsToPixels(const TwipsRect& place, int pixelsPerInch, TextScale scale) {
  const auto edge = [&](int twips) { return TwipsToPixels(ScaledTwips(twips, scale), pixelsPerInch); };
  return {edge(place.left), edge(place.top), edge(place.left + place.width), edge(place.top + place.height)};
}

}  // namespace ui
