#include "core/SessionEnd.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/FakeSessionApi.h"

using ::testing::ElementsAre;
using testing_support::FakeSessionApi;

namespace {

const char* const kVersion = "GetVersionExA(size=148)";
const char* const kProcess = "GetCurrentProcess()";
const char* const kOpen = "OpenProcessToken(current, 0x28)";
const char* const kLookup = "LookupPrivilegeValueA(null, \"SeShutdownPrivilege\")";
const char* const kAdjust = "AdjustTokenPrivileges(0x44, 0, {count=1 luid=19:0 attributes=2}, 16)";
const char* const kClose = "CloseHandle(0x44)";

TEST(IsWindowsNT, TrueOnlyForPlatformTwo) {
  for (std::uint32_t platform : {0u, 1u, 2u, 3u}) {
    FakeSessionApi api;
    api.platformId = platform;
    EXPECT_EQ(core::IsWindowsNT(api), platform == 2) << platform;
    EXPECT_THAT(api.log.Lines(), ElementsAre(kVersion));
  }
}

TEST(IsWindowsNT, FailedVersionQueryCountsAsNotNT) {
  FakeSessionApi api;
  api.versionSucceeds = false;
  EXPECT_FALSE(core::IsWindowsNT(api));
}

TEST(EnableShutdownPrivilege, AdjustsTheProcessTokenAndClosesIt) {
  FakeSessionApi api;
  core::EnableShutdownPrivilege(api);
  EXPECT_THAT(api.log.Lines(), ElementsAre(kProcess, kOpen, kLookup, kAdjust, kClose));
}

TEST(EnableShutdownPrivilege, FailedOpenStillRunsEveryStepWithAZeroToken) {
  FakeSessionApi api;
  api.tokenOpens = false;
  core::EnableShutdownPrivilege(api);
  EXPECT_THAT(api.log.Lines(),
              ElementsAre(kProcess, kOpen, kLookup,
                          "AdjustTokenPrivileges(0x0, 0, {count=1 luid=19:0 attributes=2}, 16)"));
}

TEST(EndSession, OnNTEnablesThePrivilegeBeforeShutdownRestartAndPowerOff) {
  for (std::uint32_t flags : {core::kExitShutdown, core::kExitReboot, core::kExitPowerOff}) {
    FakeSessionApi api;
    core::EndSession(api, flags);
    EXPECT_THAT(api.log.Lines(), ElementsAre(kVersion, kProcess, kOpen, kLookup, kAdjust, kClose,
                                             "ExitWindowsEx(" + std::to_string(flags) + ", 0)"));
  }
}

TEST(EndSession, OffNTOrWithoutVersionMakesNoPrivilegeStep) {
  FakeSessionApi win9x;
  win9x.platformId = 1;
  core::EndSession(win9x, core::kExitShutdown);
  EXPECT_THAT(win9x.log.Lines(), ElementsAre(kVersion, "ExitWindowsEx(1, 0)"));

  FakeSessionApi unknown;
  unknown.versionSucceeds = false;
  core::EndSession(unknown, core::kExitPowerOff);
  EXPECT_THAT(unknown.log.Lines(), ElementsAre(kVersion, "ExitWindowsEx(8, 0)"));
}

TEST(EndSession, LogoffIsTheExitRequestAloneOnEveryPlatform) {
  for (std::uint32_t platform : {1u, 2u}) {
    FakeSessionApi api;
    api.platformId = platform;
    core::EndSession(api, core::kExitLogoff);
    EXPECT_THAT(api.log.Lines(), ElementsAre("ExitWindowsEx(0, 0)"));
  }
}

TEST(EndSession, FailedTokenOpenStillMakesTheRequest) {
  FakeSessionApi api;
  api.tokenOpens = false;
  core::EndSession(api, core::kExitReboot);
  ASSERT_FALSE(api.log.Lines().empty());
  EXPECT_EQ(api.log.Lines().back(), "ExitWindowsEx(2, 0)");
}

}  // namespace
