#pragma once
// Standby: the machine is suspended and the session stays as it is. The one
// place the launcher's standby request is made.
#include "core/SessionApi.h"
#include "platform/PowerApi.h"

namespace platform {

// Windows NT suspends a process only with the shutdown privilege. powrprof's
// SetSuspendState is asked first; kernel32's older SetSystemPowerState only
// where powrprof or its function is missing, not after a refusal.
void Standby(core::SessionApi& session, PowerApi& power);

}  // namespace platform
