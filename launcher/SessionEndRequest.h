#pragma once
// The backdrop's one session-end request after a confirmed countdown.
#include <cstdint>

#include "platform/SystemServices.h"

namespace launcher {

// 0 DoShutdown, 1 DoLogoff, 2 DoRestart, 3 DoPowerOff, 4 DoStandby; any other
// mode asks for nothing.
void RequestSessionEnd(platform::SystemServices& helper, std::int32_t mode);

}  // namespace launcher
