#include <windows.h>

#include "core/SystemLibrary.h"
#include "platform/PowerApi.h"

namespace platform {
namespace {

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
  std::optional<bool> SetSuspendState(bool hibernate, bool forceCritical, bool disableWakeEvent) override {
    using SetSuspendStateFunction = BOOLEAN(WINAPI*)(BOOLEAN, BOOLEAN, BOOLEAN);
    const core::SystemLibrary powrprof(L"powrprof.dll");
    const auto function = powrprof.Find<SetSuspendStateFunction>("SetSuspendState");
    if (function == nullptr) return std::nullopt;
    return function(hibernate, forceCritical, disableWakeEvent) != FALSE;
  }
  bool SetSystemPowerState(bool suspend, bool force) override {
    // Looked up as well: later systems may drop this old export, and the
    // program must still start there.
    using SetSystemPowerStateFunction = BOOL(WINAPI*)(BOOL, BOOL);
    const core::SystemLibrary kernel32(L"kernel32.dll");
    const auto function = kernel32.Find<SetSystemPowerStateFunction>("SetSystemPowerState");
    return function != nullptr && function(suspend, force) != FALSE;
  }
};

}  // namespace

PowerApi& SystemPowerApi() {
  static Win32PowerApi api;
  return api;
}

}  // namespace platform
