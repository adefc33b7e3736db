#include "ui/PictureScale.h"

#include <gtest/gtest.h>

namespace {

TEST(PictureScale, TheNearestScaleAtOrAboveTheDisplays) {
  EXPECT_EQ(ui::PictureScalePercent(72), 100);
  EXPECT_EQ(ui::PictureScalePercent(96), 100);
  EXPECT_EQ(ui::PictureScalePercent(97), 125);
  EXPECT_EQ(ui::PictureScalePercent(120), 125);
  EXPECT_EQ(ui::PictureScalePercent(144), 150);
  EXPECT_EQ(ui::PictureScalePercent(168), 200);  // 175 %: the larger picture, never a stretched one
  EXPECT_EQ(ui::PictureScalePercent(192), 200);
  EXPECT_EQ(ui::PictureScalePercent(288), 200);  // past the largest drawn, the largest
}

TEST(PictureScale, EachScaleHasItsOwnResource) {
  EXPECT_EQ(ui::ScaledPictureResource(201, 96), 201);
  EXPECT_EQ(ui::ScaledPictureResource(201, 120), 1201);
  EXPECT_EQ(ui::ScaledPictureResource(104, 144), 2104);
  EXPECT_EQ(ui::ScaledPictureResource(104, 192), 3104);
}

}  // namespace
