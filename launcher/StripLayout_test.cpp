#include "launcher/StripLayout.h"

#include <gtest/gtest.h>

namespace {

using launcher::Corner;
using launcher::DockPosition;
using launcher::LayOutButtons;
using launcher::OuterSize;
using launcher::Point;
using launcher::Size;
using platform::WorkArea;

// A dialog frame of three pixels a side at 96 pixels per inch.
const Size kFrame{90, 90};

Size ClientArea(bool large, bool standby) {
  const auto buttons = LayOutButtons(large, standby);
  const Size button{buttons[0].bounds.width, buttons[0].bounds.height};
  const Size outer = OuterSize(launcher::VisibleButtonCount(buttons), button, kFrame);
  return {outer.width - kFrame.width, outer.height - kFrame.height};
}

TEST(LayOutButtons, LargeButtonsStepBy960AndShowTheirCaptions) {
  const auto buttons = LayOutButtons(true, true);
  for (int i = 0; i < 4; ++i) {
    const auto& b = buttons[static_cast<std::size_t>(i)];
    EXPECT_TRUE(b.visible);
    EXPECT_EQ(b.bounds, (ui::TwipsRect{i * 960, 0, 975, 960})) << i;
    EXPECT_EQ(b.picture, 101 + i);
    EXPECT_TRUE(b.showsCaption);
  }
}

TEST(LayOutButtons, SmallButtonsStepBy420WithPicturesOnly) {
  const auto buttons = LayOutButtons(false, true);
  for (int i = 0; i < 4; ++i) {
    const auto& b = buttons[static_cast<std::size_t>(i)];
    EXPECT_EQ(b.bounds, (ui::TwipsRect{i * 420, 0, 435, 420})) << i;
    EXPECT_EQ(b.picture, 201 + i);
    EXPECT_FALSE(b.showsCaption);
  }
}

TEST(LayOutButtons, TheStandbyButtonOnlyWhenAskedFor) {
  for (const bool large : {false, true}) {
    const auto without = LayOutButtons(large, false);
    EXPECT_FALSE(without[3].visible);
    EXPECT_TRUE(without[0].visible && without[1].visible && without[2].visible);
    EXPECT_EQ(launcher::VisibleButtonCount(without), 3);
    EXPECT_EQ(launcher::VisibleButtonCount(LayOutButtons(large, true)), 4);
  }
}

TEST(OuterSize, GivesTheClientAreaOfTheVisibleButtons) {
  EXPECT_EQ(ClientArea(true, true), (Size{3840, 960}));
  EXPECT_EQ(ClientArea(true, false), (Size{2880, 960}));
  EXPECT_EQ(ClientArea(false, true), (Size{1680, 420}));
  EXPECT_EQ(ClientArea(false, false), (Size{1260, 420}));
}

TEST(OuterSize, AddsTheFrameAsMeasured) {
  EXPECT_EQ(OuterSize(3, {435, 420}, {0, 0}), (Size{1260, 420}));
  EXPECT_EQ(OuterSize(4, {975, 960}, {120, 465}), (Size{3960, 1425}));
}

TEST(DockPosition, PutsEachCornerOnTheWorkArea) {
  const WorkArea screen{0, 0, 1024, 738};
  const Size outer{90, 34};
  EXPECT_EQ(DockPosition(Corner::TopLeft, screen, outer), (Point{0, 0}));
  EXPECT_EQ(DockPosition(Corner::TopRight, screen, outer), (Point{934, 0}));
  EXPECT_EQ(DockPosition(Corner::BottomRight, screen, outer), (Point{934, 704}));
  EXPECT_EQ(DockPosition(Corner::BottomLeft, screen, outer), (Point{0, 704}));
}

TEST(DockPosition, FollowsAWorkAreaThatDoesNotStartAtTheOrigin) {
  // The taskbar on the left and at the top: the work area starts inside the screen.
  const WorkArea area{900, 450, 900 + 14460, 11520};
  for (const bool large : {false, true}) {
    for (const bool standby : {false, true}) {
      const Size client = ClientArea(large, standby);
      const Size outer{client.width + kFrame.width, client.height + kFrame.height};
      const Point topLeft = DockPosition(Corner::TopLeft, area, outer);
      const Point topRight = DockPosition(Corner::TopRight, area, outer);
      const Point bottomRight = DockPosition(Corner::BottomRight, area, outer);
      const Point bottomLeft = DockPosition(Corner::BottomLeft, area, outer);
      EXPECT_EQ(topLeft, (Point{900, 450}));
      EXPECT_EQ(topRight.left + outer.width, 900 + 14460);
      EXPECT_EQ(topRight.top, 450);
      EXPECT_EQ(bottomRight.left + outer.width, 900 + 14460);
      EXPECT_EQ(bottomRight.top + outer.height, 11520);
      EXPECT_EQ(bottomLeft, (Point{900, 11520 - outer.height}));
    }
  }
}

TEST(DockPosition, AWiderWindowKeepsItsRightEdgeInARightCorner) {
  const WorkArea area{-19200, 0, 0, 15600};  // a work area on a screen left of the primary one
  const Size three = OuterSize(3, {435, 420}, kFrame);
  const Size four = OuterSize(4, {435, 420}, kFrame);
  EXPECT_EQ(four.width - three.width, 420);
  EXPECT_EQ(DockPosition(Corner::TopRight, area, three).left + three.width, 0);
  EXPECT_EQ(DockPosition(Corner::TopRight, area, four).left + four.width, 0);
  EXPECT_EQ(DockPosition(Corner::BottomRight, area, four).left,
            DockPosition(Corner::BottomRight, area, three).left - 420);
}

}  // namespace
