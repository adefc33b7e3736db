#include "platform/Standby.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/FakeSessionApi.h"
#include "platform/FakePowerApi.h"

namespace {

using platform::SleepStates;
using platform::StandbyWay;
using testing::ElementsAre;
using testing::IsEmpty;

class StandbyTest : public testing::Test {
 protected:
  testing_support::FakeSessionApi session;
  testing_support::FakePowerApi power;
};

TEST_F(StandbyTest, OnNTEnablesThePrivilegeThenSuspendsAndEndsNoSession) {
  const platform::StandbyOutcome outcome = platform::Standby(session, power);
  EXPECT_EQ(outcome.way, StandbyWay::Suspend);
  EXPECT_TRUE(outcome.answer.accepted);
  EXPECT_THAT(session.log.Lines(), ElementsAre("PlatformId()", "EnableShutdownPrivilege()"));
  EXPECT_THAT(power.log.Lines(), ElementsAre("SleepCapabilities()", "SetSuspendState(0, 0, 0)"));
}

TEST_F(StandbyTest, AModernStandbyMachineHasItsDisplaysTurnedOffNeverSuspended) {
  power.sleepStates = SleepStates{false, true};
  EXPECT_EQ(platform::Standby(session, power).way, StandbyWay::TurnDisplaysOff);
  EXPECT_THAT(power.log.Lines(), ElementsAre("SleepCapabilities()"));
  EXPECT_THAT(session.log.Lines(), IsEmpty());
}

TEST_F(StandbyTest, ClassicSleepWinsWhereTheMachineReportsBoth) {
  power.sleepStates = SleepStates{true, true};
  EXPECT_EQ(platform::Standby(session, power).way, StandbyWay::Suspend);
  EXPECT_THAT(power.log.Lines(), ElementsAre("SleepCapabilities()", "SetSuspendState(0, 0, 0)"));
}

TEST_F(StandbyTest, AMachineWithoutStandbyIsAskedForNothing) {
  power.sleepStates = SleepStates{false, false};
  EXPECT_EQ(platform::Standby(session, power).way, StandbyWay::None);
  EXPECT_THAT(power.log.Lines(), ElementsAre("SleepCapabilities()"));
  EXPECT_THAT(session.log.Lines(), IsEmpty());
}

TEST_F(StandbyTest, UnreadableCapabilitiesSuspendAsEver) {
  power.sleepStates = std::nullopt;
  EXPECT_EQ(platform::Standby(session, power).way, StandbyWay::Suspend);
  EXPECT_THAT(power.log.Lines(), ElementsAre("SleepCapabilities()", "SetSuspendState(0, 0, 0)"));
}

TEST_F(StandbyTest, OutsideNTSuspendsWithoutThePrivilege) {
  session.platformId = 1;
  platform::Standby(session, power);
  EXPECT_THAT(session.log.Lines(), ElementsAre("PlatformId()"));
  EXPECT_THAT(power.log.Lines(), ElementsAre("SleepCapabilities()", "SetSuspendState(0, 0, 0)"));
}

TEST_F(StandbyTest, FallsBackToTheOldCallWithoutPowrprof) {
  power.powrprofPresent = false;
  EXPECT_EQ(platform::Standby(session, power).way, StandbyWay::Suspend);
  EXPECT_THAT(power.log.Lines(),
              ElementsAre("SleepCapabilities()", "SetSuspendState(0, 0, 0)", "SetSystemPowerState(1, 0)"));
}

TEST_F(StandbyTest, AFailedSuspendIsNotRepeatedTheOldWayAndSaysWhy) {
  power.suspendSucceeds = false;
  const platform::StandbyOutcome outcome = platform::Standby(session, power);
  EXPECT_THAT(power.log.Lines(), ElementsAre("SleepCapabilities()", "SetSuspendState(0, 0, 0)"));
  EXPECT_FALSE(outcome.answer.accepted);
  EXPECT_EQ(outcome.answer.errorCode, power.refusalCode);
}

TEST_F(StandbyTest, TheOldCallsRefusalIsTheAnswerWithoutPowrprof) {
  power.powrprofPresent = false;
  power.suspendSucceeds = false;
  const platform::StandbyOutcome outcome = platform::Standby(session, power);
  EXPECT_FALSE(outcome.answer.accepted);
  EXPECT_EQ(outcome.answer.errorCode, power.refusalCode);
}

}  // namespace
