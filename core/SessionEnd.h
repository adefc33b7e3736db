#pragma once
// Ending the session on the local machine: the ways to end it and what each
// asks of Windows, the platform test, and the exit request with the shutdown
// privilege where Windows NT needs it.
#include <cstdint>
#include <optional>

#include "core/RequestAnswer.h"
#include "core/SessionApi.h"

namespace core {

// ExitWindowsEx flag words; EWX_FORCE is never added.
inline constexpr std::uint32_t kExitLogoff = 0;
inline constexpr std::uint32_t kExitShutdown = 1;
inline constexpr std::uint32_t kExitReboot = 2;
inline constexpr std::uint32_t kExitPowerOff = 8;

// The reason every request to end a session gives Windows, the local one and
// a remote machine's alike: planned, major and minor "other"
// (SHTDN_REASON_FLAG_PLANNED | SHTDN_REASON_MAJOR_OTHER |
// SHTDN_REASON_MINOR_OTHER). Windows logs reason 0 as an unplanned shut-down
// and, where its Shutdown Event Tracker runs, gathers the machine's state
// first, which delays the end.
inline constexpr std::uint32_t kPlannedReason = 0x80000000;

// The ways the programs end a session: dovra's options name the first four,
// the launcher's buttons all five.
enum class SessionEndMode { Shutdown, Logoff, Restart, PowerOff, Standby };

// The one table from a mode to what Windows is asked for: the ExitWindowsEx
// flag word; nothing for standby, which suspends the machine and leaves the
// session as it is (platform/Standby.h).
std::optional<std::uint32_t> ExitFlagsOf(SessionEndMode mode);

bool IsWindowsNT(SessionApi& api);
// Windows' answer to the exit request: accepted (the end of the session is
// under way, and may still be stopped) or refused.
RequestAnswer EndSession(SessionApi& api, std::uint32_t flags);

}  // namespace core
