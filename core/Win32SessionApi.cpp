#include <windows.h>

#include "core/SessionApi.h"
#include "core/SessionEnd.h"
#include "core/WindowsHandles.h"

namespace core {
namespace {

static_assert(kExitLogoff == EWX_LOGOFF && kExitShutdown == EWX_SHUTDOWN && kExitReboot == EWX_REBOOT &&
              kExitPowerOff == EWX_POWEROFF);
static_assert(kPlannedReason ==
              (SHTDN_REASON_FLAG_PLANNED | SHTDN_REASON_MAJOR_OTHER | SHTDN_REASON_MINOR_OTHER));

class Win32SessionApi final : public SessionApi {
 public:
  std::uint32_t PlatformId() override {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    // A failure leaves the platform at 0: not NT.
    GetVersionExA(&version);
    return version.dwPlatformId;
  }

  void EnableShutdownPrivilege() override {
    // A failed step leaves zeros behind and the later calls fail quietly.
    UniqueHandle token;
    OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.put());
    LUID luid{};
    LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &luid);
    TOKEN_PRIVILEGES wanted{};
    wanted.PrivilegeCount = 1;
    wanted.Privileges[0].Luid = luid;
    wanted.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    TOKEN_PRIVILEGES previous{};
    DWORD returned = 0;
    AdjustTokenPrivileges(token.get(), FALSE, &wanted, sizeof previous, &previous, &returned);
  }

  RequestAnswer RequestExit(std::uint32_t flags) override {
    if (ExitWindowsEx(flags, kPlannedReason)) return {};
    return RequestAnswer::Refused(GetLastError());
  }
};

}  // namespace

SessionApi& SystemSessionApi() {
  static Win32SessionApi api;
  return api;
}

}  // namespace core
