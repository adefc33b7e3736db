#pragma once
// What the machine's standby can be, and the suspend calls behind it: the real
// implementation finds them at run time (powrprof.dll is not on every
// system), the fake beside it records them. Standby.h makes the request with
// them.
#include <optional>

#include "core/RequestAnswer.h"

namespace platform {

// What Windows says the machine's standby can be.
struct SleepStates {
  bool classicSleep = false;   // S1, S2 or S3: the suspend call puts it to sleep
  bool modernStandby = false;  // S0 low-power idle, which the machine enters when its displays go off
};

class PowerApi {
 public:
  virtual ~PowerApi() = default;
  // GetPwrCapabilities of powrprof.dll, asked anew each time; nullopt when it
  // cannot be read.
  virtual std::optional<SleepStates> SleepCapabilities() = 0;
  // SetSuspendState of powrprof.dll, which returns once the machine has
  // resumed, or refused; nullopt when the library or the function is missing.
  virtual std::optional<core::RequestAnswer> SetSuspendState(bool hibernate, bool forceCritical,
                                                             bool disableWakeEvent) = 0;
  // SetSystemPowerState of kernel32, the older way to suspend.
  virtual core::RequestAnswer SetSystemPowerState(bool suspend, bool force) = 0;
};

// The process-wide real implementation (Windows builds only).
PowerApi& SystemPowerApi();

}  // namespace platform
