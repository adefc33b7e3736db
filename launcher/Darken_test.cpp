#include "launcher/Darken.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

std::uint32_t Rgb(int r, int g, int b) {
  return static_cast<std::uint32_t>(r) << 16 | static_cast<std::uint32_t>(g) << 8 |
         static_cast<std::uint32_t>(b);
}
int Red(std::uint32_t p) { return static_cast<int>(p >> 16 & 0xFF); }
int Green(std::uint32_t p) { return static_cast<int>(p >> 8 & 0xFF); }
int Blue(std::uint32_t p) { return static_cast<int>(p & 0xFF); }

TEST(Darken, WhiteKeepsHalfItsBrightnessAndBlackStaysBlack) {
  std::vector<std::uint32_t> pixels{Rgb(255, 255, 255), Rgb(0, 0, 0), Rgb(240, 240, 240)};
  launcher::Darken(pixels);
  for (int channel : {Red(pixels[0]), Green(pixels[0]), Blue(pixels[0])}) {
    EXPECT_NEAR(channel, 255 * launcher::kDarkenedBrightnessPercent / 100, 255 * 3 / 100);
  }
  EXPECT_EQ(pixels[1], 0u);
  EXPECT_EQ(pixels[2], Rgb(120, 120, 120));
}

TEST(Darken, EachChannelOnItsOwnSoColoursKeepTheirHue) {
  // No channel's bits leak into its neighbour, whatever the alpha byte holds.
  std::vector<std::uint32_t> pixels{Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(0, 0, 255),
                                    0xFF000000u | Rgb(200, 100, 50), Rgb(1, 1, 1)};
  launcher::Darken(pixels);
  EXPECT_EQ(pixels[0], Rgb(127, 0, 0));
  EXPECT_EQ(pixels[1], Rgb(0, 127, 0));
  EXPECT_EQ(pixels[2], Rgb(0, 0, 127));
  EXPECT_EQ(pixels[3], Rgb(100, 50, 25));
  EXPECT_EQ(pixels[4], 0u);
}

}  // namespace
