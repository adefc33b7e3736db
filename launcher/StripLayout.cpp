#include "launcher/StripLayout.h"

namespace launcher {
namespace {

constexpr int kLargeStep = 960;
constexpr int kSmallStep = 420;
constexpr int kLargePictures = 101;
constexpr int kSmallPictures = 201;

}  // namespace

std::array<ButtonPlacement, kButtonCount> LayOutButtons(bool largeButtons, bool standbyButton) {
  const int step = largeButtons ? kLargeStep : kSmallStep;
  std::array<ButtonPlacement, kButtonCount> buttons;
  for (int i = 0; i < kButtonCount; ++i) {
    ButtonPlacement& b = buttons[static_cast<std::size_t>(i)];
    b.visible = i != kStandbyButton || standbyButton;
    b.bounds = {i * step, 0, step + kButtonOverlap, step};
    b.picture = (largeButtons ? kLargePictures : kSmallPictures) + i;
    b.showsCaption = largeButtons;
  }
  return buttons;
}

int VisibleButtonCount(const std::array<ButtonPlacement, kButtonCount>& buttons) {
  int n = 0;
  for (const ButtonPlacement& b : buttons) n += b.visible ? 1 : 0;
  return n;
}

Size OuterSize(int visibleButtons, Size button, Size frame) {
  return {visibleButtons * button.width - visibleButtons * kButtonOverlap + frame.width,
          frame.height + button.height};
}

Point DockPosition(Corner corner, const platform::WorkArea& area, Size outer) {
  const int right = area.right - outer.width;
  const int bottom = area.bottom - outer.height;
  switch (corner) {
    case Corner::TopRight:
      return {right, area.top};
    case Corner::BottomRight:
      return {right, bottom};
    case Corner::BottomLeft:
      return {area.left, bottom};
    case Corner::TopLeft:
      break;
  }
  return {area.left, area.top};
}

}  // namespace launcher
