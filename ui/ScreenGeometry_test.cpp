#include "ui/ScreenGeometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using ui::ScreenRect;

TEST(ScreenGeometry, TheVirtualScreenHoldsEveryMonitorWhereverTheyStand) {
  // A second monitor left of the primary and lower: the virtual screen starts
  // at negative x and is higher than either.
  const std::vector<ScreenRect> two{{0, 0, 1920, 1080}, {-1280, 200, 0, 1224}};
  EXPECT_EQ(ui::BoundingRect(two), (ScreenRect{-1280, 0, 1920, 1224}));
  const std::vector<ScreenRect> one{{0, 0, 1280, 1024}};
  EXPECT_EQ(ui::BoundingRect(one), one.front());
  EXPECT_EQ(ui::BoundingRect({}), ScreenRect{});
}

TEST(ScreenGeometry, ADialogCentresOnItsMonitorOnEitherSideOfZero) {
  EXPECT_EQ(ui::CentredIn({0, 0, 1280, 1024}, 229, 88), (ScreenRect{525, 468, 754, 556}));
  EXPECT_EQ(ui::CentredIn({-1280, 200, 0, 1224}, 229, 88), (ScreenRect{-755, 668, -526, 756}));
  // Larger than its monitor: centred all the same, overhanging both sides.
  EXPECT_EQ(ui::CentredIn({0, 0, 100, 100}, 120, 100), (ScreenRect{-10, 0, 110, 100}));
}

}  // namespace
