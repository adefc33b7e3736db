#include <windows.h>

#include "platform/PowerApi.h"

namespace platform {
namespace {

// Owns a library loaded for one call.
class LoadedLibrary {
 public:
  explicit LoadedLibrary(const wchar_t* name) : module_(LoadLibraryW(name)) {}
  ~LoadedLibrary() {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  LoadedLibrary(const LoadedLibrary&) = delete;
  LoadedLibrary& operator=(const LoadedLibrary&) = delete;
  HMODULE get() const { return module_; }

 private:
  HMODULE module_;
};

template <typename Function>
Function Find(HMODULE module, const char* name) {
  if (module == nullptr) return nullptr;
  // GetProcAddress hands back a generic pointer; the signature is the documented one.
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

class Win32PowerApi : public PowerApi {
 public:
  std::optional<bool> SetSuspendState(bool hibernate, bool forceCritical, bool disableWakeEvent) override {
    using SetSuspendStateFunction = BOOLEAN(WINAPI*)(BOOLEAN, BOOLEAN, BOOLEAN);
    const LoadedLibrary powrprof(L"powrprof.dll");
    const auto function = Find<SetSuspendStateFunction>(powrprof.get(), "SetSuspendState");
    if (function == nullptr) return std::nullopt;
    return function(hibernate, forceCritical, disableWakeEvent) != FALSE;
  }
  bool SetSystemPowerState(bool suspend, bool force) override {
    // Looked up as well: later systems may drop this old export, and the
    // program must still start there.
    using SetSystemPowerStateFunction = BOOL(WINAPI*)(BOOL, BOOL);
    const auto function =
        Find<SetSystemPowerStateFunction>(GetModuleHandleW(L"kernel32.dll"), "SetSystemPowerState");
    return function != nullptr && function(suspend, force) != FALSE;
  }
};

}  // namespace

PowerApi& SystemPowerApi() {
  static Win32PowerApi api;
  return api;
}

}  // namespace platform
