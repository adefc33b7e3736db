#pragma once
// Where the launcher's buttons go, how large its window becomes and where it
// docks. The buttons are placed in twips; sizes work in any one unit; the
// window docks in pixels, in the work area as Windows gives it.
#include <array>

#include "launcher/StripSettings.h"
#include "platform/SystemServices.h"
#include "ui/Twips.h"

namespace launcher {

// The buttons, left to right, by index.
inline constexpr int kShutdownButton = 0;
inline constexpr int kLogoffButton = 1;
inline constexpr int kRestartButton = 2;
inline constexpr int kStandbyButton = 3;
inline constexpr int kButtonCount = 4;
// Each button is this much wider than its step and reaches under its right
// neighbour, which is brought to the front later and covers the overlap.
inline constexpr int kButtonOverlap = 15;

struct ButtonPlacement {
  bool visible = false;
  ui::TwipsRect bounds;
  int picture = 0;  // bitmap resource: 101 + i large, 201 + i small
  bool showsCaption = false;
};

// The four buttons, left to right; the standby button only when asked for.
std::array<ButtonPlacement, kButtonCount> LayOutButtons(bool largeButtons, bool standbyButton);
int VisibleButtonCount(const std::array<ButtonPlacement, kButtonCount>& buttons);

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// The outer size that gives n buttons of the given size room in the client
// area; frame is the outer size less the client size.
Size OuterSize(int visibleButtons, Size button, Size frame);

struct Point {
  int left = 0;
  int top = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// The window's outer top-left corner in that corner of the work area.
Point DockPosition(Corner corner, const platform::WorkArea& area, Size outer);

}  // namespace launcher
