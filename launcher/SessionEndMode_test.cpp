#include "launcher/SessionEndMode.h"

#include <gtest/gtest.h>

namespace {

using launcher::ModeOfButton;
using launcher::SessionEndMode;

TEST(ModeOfButton, ButtonZeroShutsDownOrPowersOff) {
  EXPECT_EQ(ModeOfButton(0, false), SessionEndMode::Shutdown);
  EXPECT_EQ(ModeOfButton(0, true), SessionEndMode::PowerOff);
}

TEST(ModeOfButton, TheOtherButtonsIgnorePowerOff) {
  for (const bool powerOff : {false, true}) {
    EXPECT_EQ(ModeOfButton(1, powerOff), SessionEndMode::Logoff);
    EXPECT_EQ(ModeOfButton(2, powerOff), SessionEndMode::Restart);
    EXPECT_EQ(ModeOfButton(3, powerOff), SessionEndMode::Standby);
  }
}

TEST(ModeOfButton, NoModeForAnIndexThatIsNoButton) {
  EXPECT_FALSE(ModeOfButton(4, false).has_value());
  EXPECT_FALSE(ModeOfButton(-1, true).has_value());
}

}  // namespace
