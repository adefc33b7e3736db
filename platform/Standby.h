#pragma once
// Standby: the machine sleeps and the session stays as it is. The one place
// the launcher's standby request is made, and the one place that decides how,
// from what Windows says the machine can do, asked anew each time.
#include "core/SessionApi.h"
#include "platform/PowerApi.h"

namespace platform {

enum class StandbyWay {
  // Classic sleep (S1 to S3), or a machine whose states cannot be read: the
  // suspend call.
  Suspend,
  // Modern Standby without classic sleep: the machine enters it once its
  // displays are off, as with its power button. The suspend call would
  // hibernate it, or do nothing.
  TurnDisplaysOff,
  // Neither: nothing is asked of Windows.
  None,
};

struct StandbyOutcome {
  StandbyWay way = StandbyWay::Suspend;
  // The suspend call's answer; accepted for the other ways, which ask Windows
  // for nothing here.
  core::RequestAnswer answer;
};

// Finds the way and, where it is the suspend call, makes it: Windows NT
// suspends a process only with the shutdown privilege; powrprof's
// SetSuspendState is asked first, kernel32's older SetSystemPowerState only
// where powrprof or its function is missing, not after a refusal. The other
// ways are left to the caller, who has a window to turn the displays off
// with or to tell the user from.
StandbyOutcome Standby(core::SessionApi& session, PowerApi& power);

}  // namespace platform
