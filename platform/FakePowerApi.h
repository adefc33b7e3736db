#pragma once
#include "core/CallLog.h"
#include "platform/PowerApi.h"

namespace testing_support {

// Records the capability question and the suspend calls, and answers as a
// machine with classic sleep unless told otherwise; powrprof can be scripted
// as missing, in which case both are logged but reach nothing.
class FakePowerApi : public platform::PowerApi {
 public:
  CallLog log;
  bool powrprofPresent = true;
  bool suspendSucceeds = true;
  std::uint32_t refusalCode = 50;  // the error code of a refused suspend
  // What the machine says it can do; nullopt: the question cannot be answered.
  std::optional<platform::SleepStates> sleepStates = platform::SleepStates{true, false};

  std::optional<platform::SleepStates> SleepCapabilities() override {
    log.Add("SleepCapabilities");
    return powrprofPresent ? sleepStates : std::nullopt;
  }

  std::optional<core::RequestAnswer> SetSuspendState(bool hibernate, bool forceCritical,
                                                     bool disableWakeEvent) override {
    log.Add("SetSuspendState", hibernate ? 1 : 0, forceCritical ? 1 : 0, disableWakeEvent ? 1 : 0);
    if (!powrprofPresent) return std::nullopt;
    return Answer();
  }
  core::RequestAnswer SetSystemPowerState(bool suspend, bool force) override {
    log.Add("SetSystemPowerState", suspend ? 1 : 0, force ? 1 : 0);
    return Answer();
  }

 private:
  core::RequestAnswer Answer() const {
    return suspendSucceeds ? core::RequestAnswer{} : core::RequestAnswer::Refused(refusalCode);
  }
};

}  // namespace testing_support
