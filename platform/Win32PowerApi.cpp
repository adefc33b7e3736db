#include <windows.h>

#include "core/SystemLibrary.h"
#include "platform/PowerApi.h"

namespace platform {
namespace {

// The error code is read straight after the call, before anything can replace it.
core::RequestAnswer AnswerOf(bool accepted) {
  return accepted ? core::RequestAnswer{} : core::RequestAnswer::Refused(GetLastError());
}

class Win32PowerApi : public PowerApi {
 public:
  std::optional<SleepStates> SleepCapabilities() override {
    using GetPwrCapabilitiesFunction = BOOLEAN(WINAPI*)(PSYSTEM_POWER_CAPABILITIES);
    const core::SystemLibrary powrprof(L"powrprof.dll");
    const auto query = powrprof.Find<GetPwrCapabilitiesFunction>("GetPwrCapabilities");
    SYSTEM_POWER_CAPABILITIES capabilities{};
    if (query == nullptr || !query(&capabilities)) return std::nullopt;
    // The Windows SDK names the third of the bytes mingw-w64 calls spare2
    // AoAc ("always on, always connected"): the machine uses Modern Standby.
    const bool modernStandby = capabilities.spare2[2] != 0;
    return SleepStates{capabilities.SystemS1 || capabilities.SystemS2 || capabilities.SystemS3,
                       modernStandby};
  }
  std::optional<core::RequestAnswer> SetSuspendState(bool hibernate, bool forceCritical,
                                                     bool disableWakeEvent) override {
    using SetSuspendStateFunction = BOOLEAN(WINAPI*)(BOOLEAN, BOOLEAN, BOOLEAN);
    const core::SystemLibrary powrprof(L"powrprof.dll");
    const auto function = powrprof.Find<SetSuspendStateFunction>("SetSuspendState");
    if (function == nullptr) return std::nullopt;
    return AnswerOf(function(hibernate, forceCritical, disableWakeEvent) != FALSE);
  }
  core::RequestAnswer SetSystemPowerState(bool suspend, bool force) override {
    // Looked up as well: later systems may drop this old export, and the
    // program must still start there.
    using SetSystemPowerStateFunction = BOOL(WINAPI*)(BOOL, BOOL);
    const core::SystemLibrary kernel32(L"kernel32.dll");
    const auto function = kernel32.Find<SetSystemPowerStateFunction>("SetSystemPowerState");
    if (function == nullptr) return core::RequestAnswer::Refused(ERROR_PROC_NOT_FOUND);
    return AnswerOf(function(suspend, force) != FALSE);
  }
};

}  // namespace

PowerApi& SystemPowerApi() {
  static Win32PowerApi api;
  return api;
}

}  // namespace platform
