#include "remote/ConsoleLayout.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using remote::kConsoleControls;

TEST(ConsoleLayout, EveryControlLiesInsideItsFrameOrTheClientArea) {
  for (const auto& control : kConsoleControls) {
    SCOPED_TRACE(control.id);
    int width = remote::kClientWidth;
    int height = remote::kClientHeight;
    if (control.container != 0) {
      ASSERT_TRUE(control.container == remote::kMessageFrameId ||
                  control.container == remote::kOptionsFrameId);
      const auto& frame = remote::LayoutOf(static_cast<remote::ControlId>(control.container));
      width = frame.place.width;
      height = frame.place.height;
    }
    EXPECT_GE(control.place.left, 0);
    EXPECT_GE(control.place.top, 0);
    EXPECT_LE(control.place.left + control.place.width, width);
    EXPECT_LE(control.place.top + control.place.height, height);
  }
}

TEST(ConsoleLayout, IdentifiersAreUniqueAndAFrameComesRightBeforeWhatItHolds) {
  std::set<int> ids;
  int lastFrame = 0;
  for (const auto& control : kConsoleControls) {
    EXPECT_TRUE(ids.insert(control.id).second) << control.id;
    if (control.id == remote::kMessageFrameId || control.id == remote::kOptionsFrameId)
      lastFrame = control.id;
    // Tab order runs through a frame's contents straight after the frame.
    if (control.container != 0) {
      EXPECT_EQ(control.container, lastFrame) << control.id;
    }
  }
}

TEST(ConsoleLayout, LayoutOfFindsEachControlByItsIdentifier) {
  for (const auto& control : kConsoleControls) EXPECT_EQ(&remote::LayoutOf(control.id), &control);
  EXPECT_EQ(remote::LayoutOf(remote::kExecuteId).caption, std::wstring(L"実行(&E)"));
}

}  // namespace

// A control partly under a neighbour loses what it draws there (the seconds
// label once lost the left edge of its first digit under the scroll bar).
TEST(ConsoleLayout, NoTwoControlsOfOneContainerOverlap) {
  for (const auto& a : kConsoleControls) {
    for (const auto& b : kConsoleControls) {
      if (a.id >= b.id || a.container != b.container) continue;
      const bool apart =
          a.place.left + a.place.width <= b.place.left || b.place.left + b.place.width <= a.place.left ||
          a.place.top + a.place.height <= b.place.top || b.place.top + b.place.height <= a.place.top;
      EXPECT_TRUE(apart) << a.id << " and " << b.id;
    }
  }
}
