#include "platform/Standby.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/FakeSessionApi.h"
#include "platform/FakePowerApi.h"

namespace {

using testing::ElementsAre;

class StandbyTest : public testing::Test {
 protected:
  testing_support::FakeSessionApi session;
  testing_support::FakePowerApi power;
};

TEST_F(StandbyTest, OnNTEnablesThePrivilegeThenSuspendsAndEndsNoSession) {
  platform::Standby(session, power);
  EXPECT_THAT(session.log.Lines(), ElementsAre("PlatformId()", "EnableShutdownPrivilege()"));
  EXPECT_THAT(power.log.Lines(), ElementsAre("SetSuspendState(0, 0, 0)"));
}

TEST_F(StandbyTest, OutsideNTSuspendsWithoutThePrivilege) {
  session.platformId = 1;
  platform::Standby(session, power);
  EXPECT_THAT(session.log.Lines(), ElementsAre("PlatformId()"));
  EXPECT_THAT(power.log.Lines(), ElementsAre("SetSuspendState(0, 0, 0)"));
}

TEST_F(StandbyTest, FallsBackToTheOldCallWithoutPowrprof) {
  power.powrprofPresent = false;
  platform::Standby(session, power);
  EXPECT_THAT(power.log.Lines(), ElementsAre("SetSuspendState(0, 0, 0)", "SetSystemPowerState(1, 0)"));
}

TEST_F(StandbyTest, AFailedSuspendIsNotRepeatedTheOldWay) {
  power.suspendSucceeds = false;
  platform::Standby(session, power);
  EXPECT_THAT(power.log.Lines(), ElementsAre("SetSuspendState(0, 0, 0)"));
}

}  // namespace
