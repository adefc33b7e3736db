#pragma once
// The process-wide helper: the desktop work area, the session-end requests, drive
// types and the platform test. No <windows.h> here, so logic using it can be
// tested on the host against a fake.
#include <cstdint>
#include <string>

#include "platform/DriveTypes.h"

namespace platform {

class SystemServices {
 public:
  virtual ~SystemServices() = default;
  // The screen minus the taskbar, in twips.
  virtual std::int32_t WorkAreaLeft() = 0;
  virtual std::int32_t WorkAreaTop() = 0;
  virtual std::int32_t WorkAreaWidth() = 0;
  virtual std::int32_t WorkAreaBottom() = 0;
  // Each asks for its end of the session and returns at once.
  virtual void DoShutdown() = 0;
  virtual void DoLogoff() = 0;
  virtual void DoRestart() = 0;
  virtual void DoPowerOff() = 0;
  virtual void DoStandby() = 0;
  // The drive named by the first character of letter.
  virtual std::uint32_t DriveType(const std::wstring& letter) = 0;
  virtual bool IsWindowsNT() = 0;
};

}  // namespace platform
