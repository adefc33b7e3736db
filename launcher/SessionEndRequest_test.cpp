#include "launcher/SessionEndRequest.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/FakeSystemServices.h"

namespace {

using launcher::SessionEndMode;
using ::testing::ElementsAre;

std::vector<std::string> RequestsOf(SessionEndMode mode) {
  testing_support::FakeSystemServices system;
  launcher::RequestSessionEnd(system, mode);
  return system.log.Lines();
}

TEST(RequestSessionEnd, EachModeMakesExactlyItsOneRequest) {
  EXPECT_THAT(RequestsOf(SessionEndMode::Shutdown), ElementsAre("DoShutdown()"));
  EXPECT_THAT(RequestsOf(SessionEndMode::Logoff), ElementsAre("DoLogoff()"));
  EXPECT_THAT(RequestsOf(SessionEndMode::Restart), ElementsAre("DoRestart()"));
  EXPECT_THAT(RequestsOf(SessionEndMode::PowerOff), ElementsAre("DoPowerOff()"));
  EXPECT_THAT(RequestsOf(SessionEndMode::Standby), ElementsAre("DoStandby()"));
}

}  // namespace
