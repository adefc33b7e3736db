#include "platform/Standby.h"

#include "core/SessionEnd.h"

namespace platform {

StandbyWay Standby(core::SessionApi& session, PowerApi& power) {
  const std::optional<SleepStates> states = power.SleepCapabilities();
  if (states && !states->classicSleep)
    return states->modernStandby ? StandbyWay::TurnDisplaysOff : StandbyWay::None;
  if (core::IsWindowsNT(session)) session.EnableShutdownPrivilege();
  if (!power.SetSuspendState(false, false, false).has_value()) power.SetSystemPowerState(true, false);
  return StandbyWay::Suspend;
}

}  // namespace platform
