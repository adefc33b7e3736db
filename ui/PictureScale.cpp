#include "ui/PictureScale.h"

#include <array>

namespace ui {
namespace {

constexpr std::array kScales{100, 125, 150, 200};
constexpr int kResourceStep = 1000;
constexpr int kPixelsPerInchAt100 = 96;

// The index of the scale in kScales.
int ScaleIndex(int pixelsPerInch) {
  for (int i = 0; i < static_cast<int>(kScales.size()); ++i) {
    if (pixelsPerInch * 100 <= kScales[static_cast<std::size_t>(i)] * kPixelsPerInchAt100) return i;
  }
  return static_cast<int>(kScales.size()) - 1;
}

}  // namespace

int PictureScalePercent(int pixelsPerInch) {
  return kScales[static_cast<std::size_t>(ScaleIndex(pixelsPerInch))];
}

int ScaledPictureResource(int id, int pixelsPerInch) {
  return id + kResourceStep * ScaleIndex(pixelsPerInch);
}

}  // namespace ui
