#pragma once
// What the launcher's windows ask of the desktop: its work area and the types
// of its drives. No <windows.h> here, so logic using it can be tested on the
// host against a fake.
#include <cstdint>
#include <string>

#include "core/ScreenRect.h"
#include "platform/DriveTypes.h"

namespace platform {

// The desktop's work area: the primary screen less the taskbar, in pixels.
using WorkArea = core::ScreenRect;

class SystemServices {
 public:
  virtual ~SystemServices() = default;
  // Asked afresh each time: the taskbar or the display may have changed.
  virtual WorkArea DesktopWorkArea() = 0;
  // The drive named by the first character of letter.
  virtual std::uint32_t DriveType(const std::wstring& letter) = 0;
};

// The real implementation (Windows builds only).
SystemServices& DesktopSystemServices();

}  // namespace platform
