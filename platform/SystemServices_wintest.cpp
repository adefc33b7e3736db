#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include "core/FakeSessionApi.h"
#include "platform/FakePowerApi.h"
#include "platform/Win32SystemServices.h"

namespace platform {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

class SystemServicesTest : public testing::Test {
 protected:
  testing_support::FakeSessionApi session;
  testing_support::FakePowerApi power;
  Win32SystemServices helper{session, power};

  std::vector<std::string> ExitRequests() const {
    std::vector<std::string> requests;
    for (const auto& line : session.log.Lines()) {
      if (line.rfind("RequestExit", 0) == 0) requests.push_back(line);
    }
    return requests;
  }
  bool PrivilegeEnabled() const {
    const auto& lines = session.log.Lines();
    return std::any_of(lines.begin(), lines.end(),
                       [](const std::string& line) { return line == "EnableShutdownPrivilege()"; });
  }
};

TEST_F(SystemServicesTest, WorkAreaIsInTwipsAtTheScreensResolution) {
  RECT area{};
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0));
  HDC screen = GetDC(nullptr);
  const int perInchX = GetDeviceCaps(screen, LOGPIXELSX);
  const int perInchY = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  ASSERT_GT(perInchX, 0);
  EXPECT_EQ(helper.WorkAreaLeft(), area.left * 1440 / perInchX);
  EXPECT_EQ(helper.WorkAreaTop(), area.top * 1440 / perInchY);
  EXPECT_EQ(helper.WorkAreaWidth(), (area.right - area.left) * 1440 / perInchX);
  EXPECT_EQ(helper.WorkAreaBottom(), area.bottom * 1440 / perInchY);
  EXPECT_GT(helper.WorkAreaWidth(), 0);
}

TEST_F(SystemServicesTest, EachSessionEndAsksForItsOwnFlags) {
  helper.DoShutdown();
  helper.DoLogoff();
  helper.DoRestart();
  helper.DoPowerOff();
  EXPECT_THAT(ExitRequests(),
              ElementsAre("RequestExit(1)", "RequestExit(0)", "RequestExit(2)", "RequestExit(8)"));
  EXPECT_THAT(power.log.Lines(), IsEmpty());
}

TEST_F(SystemServicesTest, ShutdownOnNTEnablesThePrivilegeFirst) {
  helper.DoShutdown();
  ASSERT_FALSE(session.log.Lines().empty());
  EXPECT_TRUE(PrivilegeEnabled());
  EXPECT_EQ(session.log.Lines().back(), "RequestExit(1)");
}

TEST_F(SystemServicesTest, LogoffTouchesNoToken) {
  helper.DoLogoff();
  EXPECT_THAT(session.log.Lines(), ElementsAre("RequestExit(0)"));
}

TEST_F(SystemServicesTest, StandbyOnNTEnablesThePrivilegeThenSuspends) {
  helper.DoStandby();
  EXPECT_TRUE(PrivilegeEnabled());
  EXPECT_THAT(ExitRequests(), IsEmpty());
  EXPECT_THAT(power.log.Lines(), ElementsAre("SetSuspendState(0, 0, 0)"));
}

TEST_F(SystemServicesTest, StandbyOutsideNTSuspendsWithoutThePrivilege) {
  session.platformId = 1;
  helper.DoStandby();
  EXPECT_FALSE(PrivilegeEnabled());
  EXPECT_THAT(power.log.Lines(), ElementsAre("SetSuspendState(0, 0, 0)"));
}

TEST_F(SystemServicesTest, StandbyFallsBackToTheOldCallWithoutPowrprof) {
  power.powrprofPresent = false;
  helper.DoStandby();
  EXPECT_THAT(power.log.Lines(), ElementsAre("SetSuspendState(0, 0, 0)", "SetSystemPowerState(1, 0)"));
}

TEST_F(SystemServicesTest, AFailedSuspendIsNotRepeatedTheOldWay) {
  power.suspendSucceeds = false;
  helper.DoStandby();
  EXPECT_THAT(power.log.Lines(), ElementsAre("SetSuspendState(0, 0, 0)"));
}

TEST_F(SystemServicesTest, PlatformTestAsksTheVersion) {
  EXPECT_TRUE(helper.IsWindowsNT());
  session.platformId = 1;
  EXPECT_FALSE(helper.IsWindowsNT());
  session.platformId = 0;
  EXPECT_FALSE(helper.IsWindowsNT());
}

TEST_F(SystemServicesTest, DriveTypeLooksAtTheFirstCharacterOnly) {
  const auto systemDrive = GetDriveTypeW(L"C:\\");
  EXPECT_EQ(helper.DriveType(L"C"), systemDrive);
  EXPECT_EQ(helper.DriveType(L"c"), systemDrive);
  EXPECT_EQ(helper.DriveType(L"C:\\Windows"), systemDrive);
  EXPECT_EQ(systemDrive, kDriveFixed);
}

TEST_F(SystemServicesTest, DriveTypeOfNoDriveIsNoRootDirectory) {
  EXPECT_EQ(helper.DriveType(L""), DRIVE_NO_ROOT_DIR);
  EXPECT_EQ(helper.DriveType(L"?"), GetDriveTypeW(L"?:\\"));
}

}  // namespace
}  // namespace platform
