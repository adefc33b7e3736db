#include "core/SessionEnd.h"

namespace core {
namespace {

constexpr std::uint32_t kPlatformNT = 2;

}  // namespace

std::optional<std::uint32_t> ExitFlagsOf(SessionEndMode mode) {
  switch (mode) {
    case SessionEndMode::Shutdown:
      return kExitShutdown;
    case SessionEndMode::Logoff:
      return kExitLogoff;
    case SessionEndMode::Restart:
      return kExitReboot;
    case SessionEndMode::PowerOff:
      return kExitPowerOff;
    case SessionEndMode::Standby:
      break;
  }
  return std::nullopt;
}

bool IsWindowsNT(SessionApi& api) { return api.PlatformId() == kPlatformNT; }

RequestAnswer EndSession(SessionApi& api, std::uint32_t flags) {
  // Logging off needs no privilege; the others do, on Windows NT.
  if (flags != kExitLogoff && IsWindowsNT(api)) api.EnableShutdownPrivilege();
  return api.RequestExit(flags);
}

}  // namespace core
