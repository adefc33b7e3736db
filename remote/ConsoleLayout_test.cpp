#include "remote/ConsoleLayout.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>

namespace {

using remote::kConsoleControls;

TEST(ConsoleLayout, EveryControlLiesInsideItsFrameOrTheClientArea) {
  for (const auto& control : kConsoleControls) {
    SCOPED_TRACE(remote::IdOf(control.id));
    int width = remote::kClientWidth;
    int height = remote::kClientHeight;
    if (control.frame) {
      ASSERT_TRUE(control.frame == remote::ControlId::MessageFrame ||
                  control.frame == remote::ControlId::OptionsFrame);
      const auto& frame = remote::LayoutOf(*control.frame);
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
  std::optional<remote::ControlId> lastFrame;
  for (const auto& control : kConsoleControls) {
    EXPECT_TRUE(ids.insert(remote::IdOf(control.id)).second) << remote::IdOf(control.id);
    if (control.id == remote::ControlId::MessageFrame || control.id == remote::ControlId::OptionsFrame)
      lastFrame = control.id;
    // Tab order runs through a frame's contents straight after the frame.
    if (control.frame) {
      EXPECT_EQ(control.frame, lastFrame) << remote::IdOf(control.id);
    }
  }
}

TEST(ConsoleLayout, LayoutOfFindsEachControlByItsIdentifier) {
  for (const auto& control : kConsoleControls) EXPECT_EQ(&remote::LayoutOf(control.id), &control);
  EXPECT_EQ(remote::LayoutOf(remote::ControlId::Execute).caption, std::wstring(L"実行(&E)"));
}

TEST(ConsoleLayout, AControlInAFrameStandsInTheWindowAtItsPlaceInTheFrame) {
  // The message label: 225, 400 in the message frame at 150, 600.
  EXPECT_EQ(remote::PlaceInWindow(remote::ControlId::MessageLabel), (ui::TwipsRect{375, 1000, 915, 240}));
  EXPECT_EQ(remote::PlaceInWindow(remote::ControlId::Restart), (ui::TwipsRect{450, 2700, 2355, 360}));
  EXPECT_EQ(remote::PlaceInWindow(remote::ControlId::Close), remote::LayoutOf(remote::ControlId::Close).place)
      << "one in no frame stands where it is given";
}

}  // namespace

// A control partly under a neighbour loses what it draws there (the seconds
// label once lost the left edge of its first digit under the scroll bar).
TEST(ConsoleLayout, NoTwoControlsOfOneContainerOverlap) {
  for (const auto& a : kConsoleControls) {
    for (const auto& b : kConsoleControls) {
      if (a.id >= b.id || a.frame != b.frame) continue;
      const bool apart =
          a.place.left + a.place.width <= b.place.left || b.place.left + b.place.width <= a.place.left ||
          a.place.top + a.place.height <= b.place.top || b.place.top + b.place.height <= a.place.top;
      EXPECT_TRUE(apart) << remote::IdOf(a.id) << " and " << remote::IdOf(b.id);
    }
  }
}
