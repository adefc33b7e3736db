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

// The user's text size: the message font against Windows' standard 9 points
// at the same resolution.
TEST(TextScale, GrowsWithALargerMessageFontAndNeverShrinks) {
  EXPECT_FALSE(ui::TextScaleFor(-12, 96).Enlarges()) << "9 points at 96 dpi: 100 %";
  EXPECT_FALSE(ui::TextScaleFor(-24, 192).Enlarges()) << "9 points at 192 dpi";
  EXPECT_FALSE(ui::TextScaleFor(-11, 96).Enlarges()) << "a smaller font keeps every place";
  EXPECT_EQ(ui::TextScaleFor(-18, 96), (ui::TextScale{18, 12})) << "150 %";
  EXPECT_EQ(ui::TextScaleFor(27, 144), (ui::TextScale{27, 18})) << "either sign of lfHeight";
  EXPECT_FALSE(ui::TextScaleFor(-18, 0).Enlarges()) << "no resolution";
}

TEST(TextScale, ScalesTwipsAndKeepsSharedEdgesShared) {
  const ui::TextScale standard = ui::TextScaleFor(-12, 96);
  EXPECT_EQ(ui::ScaledTwips(2655, standard), 2655);
  EXPECT_EQ(ui::TwipsToPixels({750, 300, 2655, 315}, 96, standard), (ui::PixelRect{50, 20, 227, 41}))
      << "the standard size converts as plain twips do";

  const ui::TextScale large{27, 12};  // 225 %
  EXPECT_EQ(ui::ScaledTwips(2655, large), 5974);
  EXPECT_EQ(ui::ScaledTwips(-100, large), -225);
  const ui::PixelRect left = ui::TwipsToPixels({0, 0, 975, 960}, 144, large);
  const ui::PixelRect right = ui::TwipsToPixels({975, 0, 975, 960}, 144, large);
  EXPECT_EQ(left.right, right.left);
  EXPECT_EQ(right.right, ui::TwipsToPixels(ui::ScaledTwips(1950, large), 144));

  EXPECT_EQ(ui::TwipsBeforeScale(5974, large), 2656) << "rounded up: the scaled length holds the text";
  EXPECT_GE(ui::ScaledTwips(ui::TwipsBeforeScale(1001, large), large), 1001);
  EXPECT_EQ(ui::TwipsBeforeScale(2655, standard), 2655);
}

}  // namespace
