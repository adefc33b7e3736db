#pragma once
// Rectangles on the screen: where windows stand among the monitors, in
// pixels of the virtual screen. The centring works in any one unit.
#include <span>

namespace ui {

struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// The smallest rectangle holding every monitor: the virtual screen, which
// may start left of or above the primary monitor. Empty for no monitor.
ScreenRect BoundingRect(std::span<const ScreenRect> monitors);

// A window of that size centred on the area (its top-left rounded down).
ScreenRect CentredIn(const ScreenRect& area, int width, int height);

}  // namespace ui
