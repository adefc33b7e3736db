#include "platform/Standby.h"

#include "core/SessionEnd.h"

namespace platform {

StandbyOutcome Standby(core::SessionApi& session, PowerApi& power) {
  const std::optional<SleepStates> states = power.SleepCapabilities();
  if (states && !states->classicSleep)
    return {states->modernStandby ? StandbyWay::TurnDisplaysOff : StandbyWay::None, {}};
  if (core::IsWindowsNT(session)) session.EnableShutdownPrivilege();
  const std::optional<core::RequestAnswer> suspended = power.SetSuspendState(false, false, false);
  return {StandbyWay::Suspend, suspended ? *suspended : power.SetSystemPowerState(true, false)};
}

}  // namespace platform
