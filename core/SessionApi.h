#pragma once
// The Windows calls the session-end core makes, and nothing more: the real
// implementation forwards them to Windows, the fake in testing/ records them.
#include <cstdint>

namespace core {

using Handle = std::uintptr_t;

// OSVERSIONINFOA as the core fills it; only the platform id is read back.
struct OsVersionRecord {
  std::uint32_t size = 0;
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
  std::uint32_t build = 0;
  std::uint32_t platformId = 0;
  char servicePack[128] = {};
};

struct Luid {
  std::uint32_t lowPart = 0;
  std::int32_t highPart = 0;
};

// TOKEN_PRIVILEGES with one entry (16 bytes).
struct TokenPrivileges {
  std::uint32_t count = 0;
  Luid luid;
  std::uint32_t attributes = 0;
};

class SessionApi {
 public:
  virtual ~SessionApi() = default;
  virtual bool GetVersionExA(OsVersionRecord& record) = 0;
  virtual Handle GetCurrentProcess() = 0;
  virtual bool OpenProcessToken(Handle process, std::uint32_t access, Handle& token) = 0;
  virtual bool LookupPrivilegeValueA(const char* systemName, const char* name, Luid& luid) = 0;
  virtual bool AdjustTokenPrivileges(Handle token, bool disableAll, const TokenPrivileges& newState,
                                     std::uint32_t bufferLength, TokenPrivileges& previousState,
                                     std::uint32_t& returnLength) = 0;
  virtual bool CloseHandle(Handle handle) = 0;
  virtual bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reserved) = 0;
};

// The process-wide real implementation (Windows builds only).
SessionApi& SystemSessionApi();

}  // namespace core
