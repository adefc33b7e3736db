#pragma once
// A rectangle on the screen in pixels of the virtual screen: a monitor, the
// desktop's work area, where a window stands.

namespace core {

struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

}  // namespace core
