#pragma once
// Ending the session on the local machine: the platform test and the exit
// request, with the shutdown privilege where Windows NT needs it. None of
// them reports failure.
#include <cstdint>

#include "core/SessionApi.h"

namespace core {

// ExitWindowsEx flag words; EWX_FORCE is never added.
inline constexpr std::uint32_t kExitLogoff = 0;
inline constexpr std::uint32_t kExitShutdown = 1;
inline constexpr std::uint32_t kExitReboot = 2;
inline constexpr std::uint32_t kExitPowerOff = 8;

bool IsWindowsNT(SessionApi& api);
void EndSession(SessionApi& api, std::uint32_t flags);

}  // namespace core
