#include "ui/ScreenGeometry.h"

#include <algorithm>

namespace ui {

ScreenRect BoundingRect(std::span<const ScreenRect> monitors) {
  if (monitors.empty()) return {};
  ScreenRect all = monitors.front();
  for (const ScreenRect& m : monitors.subspan(1)) {
    all.left = std::min(all.left, m.left);
    all.top = std::min(all.top, m.top);
    all.right = std::max(all.right, m.right);
    all.bottom = std::max(all.bottom, m.bottom);
  }
  return all;
}

ScreenRect CentredIn(const ScreenRect& area, int width, int height) {
  // Floor division, so an area left of 0 centres the same way as one right of it.
  const auto half = [](int n) { return n >= 0 ? n / 2 : -((-n + 1) / 2); };
  const int left = area.left + half(area.Width() - width);
  const int top = area.top + half(area.Height() - height);
  return {left, top, left + width, top + height};
}

}  // namespace ui
