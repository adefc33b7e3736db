#include <gtest/gtest.h>
#include <windows.h>

#include "platform/SystemServices.h"

namespace platform {
namespace {

TEST(DesktopSystemServices, TheWorkAreaIsWhatWindowsSaysInPixels) {
  RECT area{};
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0));
  const WorkArea asked = DesktopSystemServices().DesktopWorkArea();
  EXPECT_EQ(asked.left, area.left);
  EXPECT_EQ(asked.top, area.top);
  EXPECT_EQ(asked.right, area.right);
  EXPECT_EQ(asked.bottom, area.bottom);
  EXPECT_GT(asked.right - asked.left, 0);
}

TEST(DesktopSystemServices, DriveTypeLooksAtTheFirstCharacterOnly) {
  SystemServices& system = DesktopSystemServices();
  const auto systemDrive = GetDriveTypeW(L"C:\\");
  EXPECT_EQ(system.DriveType(L"C"), systemDrive);
  EXPECT_EQ(system.DriveType(L"c"), systemDrive);
  EXPECT_EQ(system.DriveType(L"C:\\Windows"), systemDrive);
  EXPECT_EQ(systemDrive, kDriveFixed);
}

TEST(DesktopSystemServices, DriveTypeOfNoDriveIsNoRootDirectory) {
  SystemServices& system = DesktopSystemServices();
  EXPECT_EQ(system.DriveType(L""), DRIVE_NO_ROOT_DIR);
  EXPECT_EQ(system.DriveType(L"?"), GetDriveTypeW(L"?:\\"));
}

}  // namespace
}  // namespace platform
