#include "core/SessionEnd.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/FakeSessionApi.h"

using ::testing::ElementsAre;
using testing_support::FakeSessionApi;

namespace {

TEST(ExitFlagsOf, EachModeThatEndsTheSessionHasItsFlagWordAndStandbyNone) {
  using core::SessionEndMode;
  EXPECT_EQ(core::ExitFlagsOf(SessionEndMode::Shutdown), core::kExitShutdown);
  EXPECT_EQ(core::ExitFlagsOf(SessionEndMode::Logoff), core::kExitLogoff);
  EXPECT_EQ(core::ExitFlagsOf(SessionEndMode::Restart), core::kExitReboot);
  EXPECT_EQ(core::ExitFlagsOf(SessionEndMode::PowerOff), core::kExitPowerOff);
  EXPECT_EQ(core::ExitFlagsOf(SessionEndMode::Standby), std::nullopt);
}

TEST(IsWindowsNT, TrueOnlyForPlatformTwo) {
  for (std::uint32_t platform : {0u, 1u, 2u, 3u}) {
    FakeSessionApi api;
    api.platformId = platform;
    EXPECT_EQ(core::IsWindowsNT(api), platform == 2) << platform;
  }
}

TEST(EndSession, OnNTEnablesThePrivilegeBeforeShutdownRestartAndPowerOff) {
  for (std::uint32_t flags : {core::kExitShutdown, core::kExitReboot, core::kExitPowerOff}) {
    FakeSessionApi api;
    core::EndSession(api, flags);
    EXPECT_THAT(api.log.Lines(), ElementsAre("PlatformId()", "EnableShutdownPrivilege()",
                                             "RequestExit(" + std::to_string(flags) + ")"));
  }
}

TEST(EndSession, OffNTOrWithoutVersionTheRequestGoesWithoutThePrivilege) {
  for (std::uint32_t platform : {0u, 1u}) {
    FakeSessionApi api;
    api.platformId = platform;
    core::EndSession(api, core::kExitShutdown);
    EXPECT_THAT(api.log.Lines(), ElementsAre("PlatformId()", "RequestExit(1)")) << platform;
  }
}

TEST(EndSession, LogoffIsTheExitRequestAloneOnEveryPlatform) {
  for (std::uint32_t platform : {1u, 2u}) {
    FakeSessionApi api;
    api.platformId = platform;
    core::EndSession(api, core::kExitLogoff);
    EXPECT_THAT(api.log.Lines(), ElementsAre("RequestExit(0)"));
  }
}

// Windows' answer is what the caller gets: an accepted request, or a
// refusal (no privilege in this session, a policy) with its error code.
TEST(EndSession, AnswersWhatWindowsAnswered) {
  FakeSessionApi api;
  EXPECT_TRUE(core::EndSession(api, core::kExitReboot).accepted);
  api.exitAnswer = core::RequestAnswer::Refused(1314);
  const core::RequestAnswer refused = core::EndSession(api, core::kExitReboot);
  EXPECT_FALSE(refused.accepted);
  EXPECT_EQ(refused.errorCode, 1314u);
}

// The reason as Windows' documentation lays it out: bit 31 says planned,
// bits 16 to 23 are the major reason and 0 to 15 the minor one, "other"
// being 0 for both. Reason 0 would be an unplanned shut-down.
TEST(PlannedReason, IsPlannedWithMajorAndMinorOther) {
  EXPECT_NE(core::kPlannedReason & 0x80000000u, 0u);
  EXPECT_EQ((core::kPlannedReason >> 16) & 0xFFu, 0u);
  EXPECT_EQ(core::kPlannedReason & 0xFFFFu, 0u);
  EXPECT_EQ(core::kPlannedReason & 0x7F000000u, 0u)
      << "no other flag: not user-defined, not a hardware reason";
}
}  // namespace
