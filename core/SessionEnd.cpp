#include "core/SessionEnd.h"

namespace core {
namespace {
constexpr std::uint32_t kVersionRecordSize = 148;
constexpr std::uint32_t kPlatformNT = 2;
constexpr std::uint32_t kTokenAdjustAndQuery = 0x28;
constexpr std::uint32_t kPrivilegeEnabled = 2;
constexpr std::uint32_t kPrivilegesLength = 16;
}  // namespace

static_assert(sizeof(OsVersionRecord) == kVersionRecordSize);
static_assert(sizeof(TokenPrivileges) == kPrivilegesLength);

bool IsWindowsNT(SessionApi& api) {
  OsVersionRecord record;
  record.size = kVersionRecordSize;
  api.GetVersionExA(record);  // a failure leaves the platform at 0: not NT
  return record.platformId == kPlatformNT;
}

void EnableShutdownPrivilege(SessionApi& api) {
  // Every step runs whatever the previous one answered; a failed step leaves
  // zeros behind and the later calls fail quietly.
  Handle token = 0;
  api.OpenProcessToken(api.GetCurrentProcess(), kTokenAdjustAndQuery, token);
  Luid luid;
  api.LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", luid);
  TokenPrivileges wanted;
  wanted.count = 1;
  wanted.luid = luid;
  wanted.attributes = kPrivilegeEnabled;
  TokenPrivileges previous;
  std::uint32_t returned = 0;
  api.AdjustTokenPrivileges(token, false, wanted, kPrivilegesLength, previous, returned);
  if (token != 0) api.CloseHandle(token);
}

void EndSession(SessionApi& api, std::uint32_t flags) {
  if (flags != kExitLogoff && IsWindowsNT(api)) EnableShutdownPrivilege(api);
  api.ExitWindowsEx(flags, 0);
}

}  // namespace core
