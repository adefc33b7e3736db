#include "core/SessionEnd.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "core/FakeSessionApi.h"

using ::testing::ElementsAre;
using testing_support::FakeSessionApi;

namespace {

// What each way of ending asks of Windows: four different exits (the
// constants are Windows' EWX_ values, checked where Windows' headers are),
// only logging off without the shutdown privilege, and nothing at all for
// standby, which leaves the session as it is.
TEST(ExitFlagsOf, FourDifferentExitsLogOffWithoutThePrivilegeAndStandbyNone) {
  using core::SessionEndMode;
  std::set<std::uint32_t> exits;
  for (const SessionEndMode mode : {SessionEndMode::Shutdown, SessionEndMode::Logoff, SessionEndMode::Restart,
                                    SessionEndMode::PowerOff}) {
    const std::optional<std::uint32_t> flags = core::ExitFlagsOf(mode);
    ASSERT_TRUE(flags.has_value());
    exits.insert(*flags);
    FakeSessionApi api;
    core::EndSession(api, *flags);
    const bool privileged = api.log.Lines().size() == 3;
    EXPECT_EQ(privileged, mode != SessionEndMode::Logoff) << static_cast<int>(mode);
  }
  EXPECT_EQ(exits.size(), 4u);
  EXPECT_EQ(core::ExitFlagsOf(SessionEndMode::Standby), std::nullopt);
  EXPECT_EQ(core::ExitFlagsOf(SessionEndMode::Restart), core::kExitReboot)
      << "restart is the one that reboots";
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
