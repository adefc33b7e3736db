#include <windows.h>

#include "platform/SystemServices.h"

namespace platform {
namespace {

static_assert(kDriveNoRootDir == DRIVE_NO_ROOT_DIR && kDriveRemovable == DRIVE_REMOVABLE &&
              kDriveFixed == DRIVE_FIXED && kDriveRemote == DRIVE_REMOTE && kDriveCdRom == DRIVE_CDROM);

class Win32SystemServices : public SystemServices {
 public:
  WorkArea DesktopWorkArea() override {
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return {area.left, area.top, area.right, area.bottom};
  }

  std::uint32_t DriveType(const std::wstring& letter) override {
    if (letter.empty()) return kDriveNoRootDir;
    const wchar_t root[] = {letter.front(), L':', L'\\', L'\0'};
    return GetDriveTypeW(root);
  }
};

}  // namespace

SystemServices& DesktopSystemServices() {
  static Win32SystemServices services;
  return services;
}

}  // namespace platform
