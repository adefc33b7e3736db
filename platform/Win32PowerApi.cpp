#include <windows.h>

#include "core/SystemLibrary.h"
#include "platform/PowerApi.h"

namespace platform {
namespace {

class Win32PowerApi : public PowerApi {
 public:
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
