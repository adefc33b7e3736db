#pragma once
// The backdrop's one session-end request after a confirmed countdown.
#include <cstdint>

#include "brevok/SystemHelper.h"

namespace launcher {

// 0 DoShutdown, 1 DoLogoff, 2 DoRestart, 3 DoPowerOff, 4 DoStandby; any other
// mode asks for nothing.
void RequestSessionEnd(brevok::SystemHelper& helper, std::int32_t mode);

}  // namespace launcher
