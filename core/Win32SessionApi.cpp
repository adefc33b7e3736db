#include <windows.h>

#include "core/SessionApi.h"

namespace core {
namespace {

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
    HANDLE token = nullptr;
    OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token);
    LUID luid{};
    LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &luid);
    TOKEN_PRIVILEGES wanted{};
    wanted.PrivilegeCount = 1;
    wanted.Privileges[0].Luid = luid;
    wanted.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    TOKEN_PRIVILEGES previous{};
    DWORD returned = 0;
    AdjustTokenPrivileges(token, FALSE, &wanted, sizeof previous, &previous, &returned);
    if (token != nullptr) CloseHandle(token);
  }

  void RequestExit(std::uint32_t flags) override { ExitWindowsEx(flags, 0); }
};

}  // namespace

SessionApi& SystemSessionApi() {
  static Win32SessionApi api;
  return api;
}

}  // namespace core
