#pragma once
// Ending the session on the local machine: the ways to end it and what each
// asks of Windows, the platform test, and the exit request with the shutdown
// privilege where Windows NT needs it. None of them reports failure.
#include <cstdint>
#include <optional>

#include "core/SessionApi.h"

namespace core {

// ExitWindowsEx flag words; EWX_FORCE is never added.
inline constexpr std::uint32_t kExitLogoff = 0;
inline constexpr std::uint32_t kExitShutdown = 1;
inline constexpr std::uint32_t kExitReboot = 2;
inline constexpr std::uint32_t kExitPowerOff = 8;

// The ways the programs end a session: dovra's options name the first four,
// the launcher's buttons all five.
enum class SessionEndMode { Shutdown, Logoff, Restart, PowerOff, Standby };

// The one table from a mode to what Windows is asked for: the ExitWindowsEx
// flag word; nothing for standby, which suspends the machine and leaves the
// session as it is (platform/Standby.h).
std::optional<std::uint32_t> ExitFlagsOf(SessionEndMode mode);

bool IsWindowsNT(SessionApi& api);
void EndSession(SessionApi& api, std::uint32_t flags);

}  // namespace core
