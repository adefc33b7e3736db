#include "ui/PictureScale.h"

#include <iterator>

namespace ui {
namespace {

constexpr int kResourceStep = 1000;
constexpr int kPixelsPerInchAt100 = 96;

// The index of the scale in kScales.
int ScaleIndex(int pixelsPerInch) {
  const int count = static_cast<int>(std::size(kPictureScales));
  for (int i = 0; i < count; ++i) {
    if (pixelsPerInch * 100 <= kPictureScales[i] * kPixelsPerInchAt100) return i;
  }
  return count - 1;
}

}  // namespace

int PictureScalePercent(int pixelsPerInch) { return kPictureScales[ScaleIndex(pixelsPerInch)]; }

int ScaledPictureResource(int id, int pixelsPerInch) {
  return id + kResourceStep * ScaleIndex(pixelsPerInch);
}

int IconSideFitting(int pixels) {
  int side = kIconSides[0];
  for (const int candidate : kIconSides)
    if (candidate <= pixels) side = candidate;
  return side;
}

}  // namespace ui
