#pragma once
// Where windows stand among the monitors, in pixels of the virtual screen.
// The centring works in any one unit.
#include <span>

#include "core/ScreenRect.h"

namespace ui {

using core::ScreenRect;

// The smallest rectangle holding every monitor: the virtual screen, which
// may start left of or above the primary monitor. Empty for no monitor.
ScreenRect BoundingRect(std::span<const ScreenRect> monitors);

// A window of that size centred on the area (its top-left rounded down).
ScreenRect CentredIn(const ScreenRect& area, int width, int height);

}  // namespace ui
