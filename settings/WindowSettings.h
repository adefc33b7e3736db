#pragma once
// What a launcher window asks of its own helper: the settings store named after
// the program and the window, and staying above other windows. No <windows.h>
// here, so the window logic can be tested on the host against a fake.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace settings {

// An HWND carried as an integer, so this header stays free of <windows.h>.
using WindowHandle = std::uintptr_t;

class WindowSettings {
 public:
  virtual ~WindowSettings() = default;
  // The caption of a launcher window can be empty, so the window's name (which
  // becomes its settings section) is handed over here rather than read from it.
  virtual void Attach(WindowHandle window, const std::wstring& formName) = 0;
  virtual void AppName(const std::wstring& name) = 0;
  virtual void AlwaysOnTop(bool on) = 0;
  virtual std::int16_t ReadSetting(const std::wstring& key, std::int16_t def) = 0;
  virtual bool ReadSetting(const std::wstring& key, bool def) = 0;
  virtual void WriteSetting(const std::wstring& key, std::int16_t value) = 0;
  virtual void WriteSetting(const std::wstring& key, bool value) = 0;
};

using WindowSettingsFactory = std::function<std::unique_ptr<WindowSettings>()>;

}  // namespace settings
