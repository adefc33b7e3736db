#include "platform/Standby.h"

#include "core/SessionEnd.h"

namespace platform {

void Standby(core::SessionApi& session, PowerApi& power) {
  if (core::IsWindowsNT(session)) session.EnableShutdownPrivilege();
  if (!power.SetSuspendState(false, false, false).has_value()) power.SetSystemPowerState(true, false);
}

}  // namespace platform
