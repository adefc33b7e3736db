#include "platform/Win32SystemServices.h"

#include <windows.h>

#include "core/SessionEnd.h"
#include "ui/Twips.h"

namespace platform {
namespace {

static_assert(kDriveNoRootDir == DRIVE_NO_ROOT_DIR && kDriveRemovable == DRIVE_REMOVABLE &&
              kDriveFixed == DRIVE_FIXED && kDriveRemote == DRIVE_REMOTE && kDriveCdRom == DRIVE_CDROM);

struct WorkArea {
  RECT pixels{};
  int pixelsPerInchX = 96;
  int pixelsPerInchY = 96;
};

// Asked afresh each time: the taskbar or the display settings may have changed.
WorkArea CurrentWorkArea() {
  WorkArea area;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area.pixels, 0);
  if (HDC screen = GetDC(nullptr)) {
    // A screen that answers no resolution keeps the usual 96.
    if (const int x = GetDeviceCaps(screen, LOGPIXELSX); x > 0) area.pixelsPerInchX = x;
    if (const int y = GetDeviceCaps(screen, LOGPIXELSY); y > 0) area.pixelsPerInchY = y;
    ReleaseDC(nullptr, screen);
  }
  return area;
}

// Rounded to the nearest twip; at 96 pixels per inch every pixel is exactly 15.
std::int32_t Twips(LONG pixels, int pixelsPerInch) { return ui::PixelsToTwips(pixels, pixelsPerInch); }

}  // namespace

std::int32_t Win32SystemServices::WorkAreaLeft() {
  const auto area = CurrentWorkArea();
  return Twips(area.pixels.left, area.pixelsPerInchX);
}

std::int32_t Win32SystemServices::WorkAreaTop() {
  const auto area = CurrentWorkArea();
  return Twips(area.pixels.top, area.pixelsPerInchY);
}

std::int32_t Win32SystemServices::WorkAreaWidth() {
  const auto area = CurrentWorkArea();
  return Twips(area.pixels.right - area.pixels.left, area.pixelsPerInchX);
}

std::int32_t Win32SystemServices::WorkAreaBottom() {
  const auto area = CurrentWorkArea();
  return Twips(area.pixels.bottom, area.pixelsPerInchY);
}

void Win32SystemServices::DoShutdown() { core::EndSession(session_, core::kExitShutdown); }
void Win32SystemServices::DoLogoff() { core::EndSession(session_, core::kExitLogoff); }
void Win32SystemServices::DoRestart() { core::EndSession(session_, core::kExitReboot); }
void Win32SystemServices::DoPowerOff() { core::EndSession(session_, core::kExitPowerOff); }

void Win32SystemServices::DoStandby() {
  // NT refuses to suspend a process without the shutdown privilege.
  if (core::IsWindowsNT(session_)) session_.EnableShutdownPrivilege();
  if (!power_.SetSuspendState(false, false, false).has_value()) power_.SetSystemPowerState(true, false);
}

std::uint32_t Win32SystemServices::DriveType(const std::wstring& letter) {
  if (letter.empty()) return kDriveNoRootDir;
  const wchar_t root[] = {letter.front(), L':', L'\\', L'\0'};
  return GetDriveTypeW(root);
}

bool Win32SystemServices::IsWindowsNT() { return core::IsWindowsNT(session_); }

}  // namespace platform
