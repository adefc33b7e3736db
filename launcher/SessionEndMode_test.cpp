#include "launcher/SessionEndMode.h"

#include <gtest/gtest.h>

namespace {

using launcher::SessionEndMode;

TEST(SessionEndMode, ButtonZeroShutsDownOrPowersOff) {
  EXPECT_EQ(SessionEndMode(0, false), 0);
  EXPECT_EQ(SessionEndMode(0, true), 3);
}

TEST(SessionEndMode, TheOtherButtonsIgnorePowerdown) {
  for (const bool powerdown : {false, true}) {
    EXPECT_EQ(SessionEndMode(1, powerdown), 1);
    EXPECT_EQ(SessionEndMode(2, powerdown), 2);
    EXPECT_EQ(SessionEndMode(3, powerdown), 4);
  }
}

TEST(SessionEndMode, NoModeForAnIndexThatIsNoButton) {
  EXPECT_FALSE(SessionEndMode(4, false).has_value());
  EXPECT_FALSE(SessionEndMode(-1, true).has_value());
}

}  // namespace
