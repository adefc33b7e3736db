// The real WindowSettings: settings in the per-user registry under the program's
// name and the window's name, always-on-top through the window's z-order.
#include <windows.h>

#include <optional>

#include "settings/RegistryWindowSettings.h"
#include "settings/SettingText.h"
#include "settings/SettingsStore.h"

namespace settings {
namespace {

class RegistryWindowSettings : public WindowSettings {
 public:
  void Attach(WindowHandle window, const std::wstring& formName) override {
    window_ = reinterpret_cast<HWND>(window);
    section_ = formName;
  }
  void AppName(const std::wstring& name) override { store_ = SettingsStore(name); }
  void AlwaysOnTop(bool on) override {
    if (window_ == nullptr) return;
    SetWindowPos(window_, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }

  std::int16_t ReadSetting(const std::wstring& key, std::int16_t def) override {
    const auto text = store_.ReadText(section_, key);
    return text ? TextToInt16(*text).value_or(def) : def;
  }
  bool ReadSetting(const std::wstring& key, bool def) override {
    const auto text = store_.ReadText(section_, key);
    return text ? TextToBool(*text).value_or(def) : def;
  }
  // A failed write is not reported: the windows write all their settings again
  // after every change, so a passing failure heals itself.
  void WriteSetting(const std::wstring& key, std::int16_t value) override {
    store_.WriteText(section_, key, Int16ToText(value));
  }
  void WriteSetting(const std::wstring& key, bool value) override {
    store_.WriteText(section_, key, BoolToText(value));
  }

 private:
  HWND window_ = nullptr;
  std::wstring section_;
  // Until AppName names it, the store has no name and keeps nothing.
  SettingsStore store_{std::wstring()};
};

}  // namespace

std::unique_ptr<WindowSettings> NewRegistryWindowSettings() {
  return std::make_unique<RegistryWindowSettings>();
}

}  // namespace settings
