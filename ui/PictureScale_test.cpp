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
  EXPECT_EQ(ui::PictureScalePercent(216), 250);  // 225 %
  EXPECT_EQ(ui::PictureScalePercent(240), 250);
  EXPECT_EQ(ui::PictureScalePercent(288), 300);
  EXPECT_EQ(ui::PictureScalePercent(336), 300);  // 350 %: past the largest drawn, the largest
}

TEST(PictureScale, EachScaleHasItsOwnResource) {
  EXPECT_EQ(ui::ScaledPictureResource(201, 96), 201);
  EXPECT_EQ(ui::ScaledPictureResource(201, 120), 1201);
  EXPECT_EQ(ui::ScaledPictureResource(104, 144), 2104);
  EXPECT_EQ(ui::ScaledPictureResource(104, 192), 3104);
  EXPECT_EQ(ui::ScaledPictureResource(204, 240), 4204);
  EXPECT_EQ(ui::ScaledPictureResource(101, 288), 5101);
}

// An icon shows the largest image that fits its place: the lamp's 480 twips
// at each scale Windows offers.
TEST(IconSideFitting, TheLargestImageWithinThePlaceNeverAStretchedOne) {
  EXPECT_EQ(ui::IconSideFitting(32), 32);   // 100 %
  EXPECT_EQ(ui::IconSideFitting(40), 40);   // 125 %
  EXPECT_EQ(ui::IconSideFitting(48), 48);   // 150 %
  EXPECT_EQ(ui::IconSideFitting(56), 48);   // 175 %: no 56 image, the 48 one centred
  EXPECT_EQ(ui::IconSideFitting(64), 64);   // 200 %
  EXPECT_EQ(ui::IconSideFitting(72), 64);   // 225 %
  EXPECT_EQ(ui::IconSideFitting(80), 80);   // 250 %
  EXPECT_EQ(ui::IconSideFitting(96), 96);   // 300 %
  EXPECT_EQ(ui::IconSideFitting(112), 96);  // 350 %
  EXPECT_EQ(ui::IconSideFitting(10), 16) << "a box smaller than every image";
}

}  // namespace
