#include "launcher/SessionEndRequest.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/FakeSystemServices.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<std::string> RequestsOf(std::int32_t mode) {
  testing_support::FakeSystemServices helper;
  launcher::RequestSessionEnd(helper, mode);
  return helper.log.Lines();
}

TEST(RequestSessionEnd, EachModeMakesExactlyItsOneRequest) {
  EXPECT_THAT(RequestsOf(0), ElementsAre("DoShutdown()"));
  EXPECT_THAT(RequestsOf(1), ElementsAre("DoLogoff()"));
  EXPECT_THAT(RequestsOf(2), ElementsAre("DoRestart()"));
  EXPECT_THAT(RequestsOf(3), ElementsAre("DoPowerOff()"));
  EXPECT_THAT(RequestsOf(4), ElementsAre("DoStandby()"));
}

TEST(RequestSessionEnd, AnUnknownModeAsksForNothing) {
  for (const std::int32_t mode : {-1, 5, INT32_MIN, INT32_MAX})
    EXPECT_THAT(RequestsOf(mode), IsEmpty()) << mode;
}

}  // namespace
