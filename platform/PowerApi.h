#pragma once
// The suspend calls behind standby, and nothing more: the real implementation
// finds them at run time (powrprof.dll is not on every system), the fake
// beside it records them. Standby.h makes the request with them.
#include <optional>

namespace platform {

class PowerApi {
 public:
  virtual ~PowerApi() = default;
  // SetSuspendState of powrprof.dll; nullopt when the library or the function is missing.
  virtual std::optional<bool> SetSuspendState(bool hibernate, bool forceCritical, bool disableWakeEvent) = 0;
  // SetSystemPowerState of kernel32, the older way to suspend.
  virtual bool SetSystemPowerState(bool suspend, bool force) = 0;
};

// The process-wide real implementation (Windows builds only).
PowerApi& SystemPowerApi();

}  // namespace platform
