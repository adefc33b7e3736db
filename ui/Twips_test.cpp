#include "ui/Twips.h"

#include <gtest/gtest.h>

namespace {

TEST(Twips, FifteenTwipsAreOnePixelAtNinetySixDpi) {
  EXPECT_EQ(ui::TwipsToPixels(15, 96), 1);
  EXPECT_EQ(ui::TwipsToPixels(435, 96), 29);
  EXPECT_EQ(ui::TwipsToPixels(960, 96), 64);
  EXPECT_EQ(ui::TwipsToPixels(3840, 96), 256);
  EXPECT_EQ(ui::PixelsToTwips(1280, 96), 19200);
  EXPECT_EQ(ui::PixelsToTwips(29, 96), 435);
}

TEST(Twips, OtherResolutionsUseTheirOwnScale) {
  EXPECT_EQ(ui::TwipsToPixels(1440, 120), 120);
  EXPECT_EQ(ui::TwipsToPixels(420, 120), 35);
  EXPECT_EQ(ui::TwipsToPixels(435, 120), 36);  // 36.25
  EXPECT_EQ(ui::TwipsToPixels(975, 144), 98);  // 97.5 rounds up
  EXPECT_EQ(ui::PixelsToTwips(36, 120), 432);
  EXPECT_EQ(ui::PixelsToTwips(1, 144), 10);
}

TEST(Twips, NegativeLengthsRoundLikeTheirMagnitude) {
  EXPECT_EQ(ui::TwipsToPixels(-15, 96), -1);
  EXPECT_EQ(ui::TwipsToPixels(-975, 144), -98);
  EXPECT_EQ(ui::TwipsToPixels(-7, 96), 0);
  EXPECT_EQ(ui::TwipsToPixels(-8, 96), -1);
  EXPECT_EQ(ui::PixelsToTwips(-1920, 96), -28800);
}

TEST(Twips, ExtremesDoNotOverflow) {
  EXPECT_EQ(ui::PixelsToTwips(100000, 96), 1500000);
  EXPECT_EQ(ui::TwipsToPixels(2000000000, 96), 133333333);
}

TEST(Twips, NoResolutionGivesZero) {
  EXPECT_EQ(ui::TwipsToPixels(1440, 0), 0);
  EXPECT_EQ(ui::PixelsToTwips(10, -1), 0);
}

}  // namespace
