#pragma once
#include "core/CallLog.h"
#include "platform/PowerApi.h"

namespace testing_support {

// Records the suspend calls; powrprof can be scripted as missing, in which case
// SetSuspendState is logged but reaches nothing.
class FakePowerApi : public platform::PowerApi {
 public:
  CallLog log;
  bool powrprofPresent = true;
  bool suspendSucceeds = true;

  std::optional<bool> SetSuspendState(bool hibernate, bool forceCritical, bool disableWakeEvent) override {
    log.Add("SetSuspendState", hibernate ? 1 : 0, forceCritical ? 1 : 0, disableWakeEvent ? 1 : 0);
    if (!powrprofPresent) return std::nullopt;
    return suspendSucceeds;
  }
  bool SetSystemPowerState(bool suspend, bool force) override {
    log.Add("SetSystemPowerState", suspend ? 1 : 0, force ? 1 : 0);
    return suspendSucceeds;
  }
};

}  // namespace testing_support
