#pragma once
// The backdrop's one session-end request after a confirmed countdown.
#include "launcher/SessionEndMode.h"
#include "platform/SystemServices.h"

namespace launcher {

void RequestSessionEnd(platform::SystemServices& system, SessionEndMode mode);

}  // namespace launcher
