#include <windows.h>

#include <cstring>

#include "core/SessionApi.h"

namespace core {
namespace {

static_assert(sizeof(OsVersionRecord) == sizeof(OSVERSIONINFOA));
static_assert(sizeof(TokenPrivileges) == sizeof(TOKEN_PRIVILEGES));

HANDLE AsHandle(Handle h) { return reinterpret_cast<HANDLE>(h); }

class Win32SessionApi final : public SessionApi {
 public:
  bool GetVersionExA(OsVersionRecord& record) override {
    return ::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&record)) != FALSE;
  }
  Handle GetCurrentProcess() override { return reinterpret_cast<Handle>(::GetCurrentProcess()); }
  bool OpenProcessToken(Handle process, std::uint32_t access, Handle& token) override {
    HANDLE h = nullptr;
    const bool ok = ::OpenProcessToken(AsHandle(process), access, &h) != FALSE;
    token = reinterpret_cast<Handle>(h);
    return ok;
  }
  bool LookupPrivilegeValueA(const char* systemName, const char* name, Luid& luid) override {
    return ::LookupPrivilegeValueA(systemName, name, reinterpret_cast<LUID*>(&luid)) != FALSE;
  }
  bool AdjustTokenPrivileges(Handle token, bool disableAll, const TokenPrivileges& newState,
                             std::uint32_t bufferLength, TokenPrivileges& previousState,
                             std::uint32_t& returnLength) override {
    DWORD returned = 0;
    TOKEN_PRIVILEGES wanted;
    static_assert(sizeof wanted == sizeof newState);
    std::memcpy(&wanted, &newState, sizeof wanted);
    const bool ok =
        ::AdjustTokenPrivileges(AsHandle(token), disableAll ? TRUE : FALSE, &wanted, bufferLength,
                                reinterpret_cast<TOKEN_PRIVILEGES*>(&previousState), &returned) != FALSE;
    returnLength = returned;
    return ok;
  }
  bool CloseHandle(Handle handle) override { return ::CloseHandle(AsHandle(handle)) != FALSE; }
  bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reserved) override {
    return ::ExitWindowsEx(flags, reserved) != FALSE;
  }
};

}  // namespace

SessionApi& SystemSessionApi() {
  static Win32SessionApi api;
  return api;
}

}  // namespace core
