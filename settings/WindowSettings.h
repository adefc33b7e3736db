#pragma once
// A launcher window's settings: typed values in the settings store's section
// named after the window. Booleans are stored as True/False and numbers in
// decimal; a value missing or unreadable gives the caller's default.
#include <cstdint>
#include <string>

#include "settings/SettingsStore.h"

namespace settings {

class WindowSettings {
 public:
  // The section is the window's name: a launcher window's caption can be
  // empty, so it is not read from the window.
  WindowSettings(SettingsStore& store, std::wstring section);

  std::int16_t ReadSetting(const std::wstring& name, std::int16_t def) const;
  bool ReadSetting(const std::wstring& name, bool def) const;
  // A failed write is not reported: the windows write all their settings again
  // after every change, so a passing failure heals itself.
  void WriteSetting(const std::wstring& name, std::int16_t value);
  void WriteSetting(const std::wstring& name, bool value);

 private:
  SettingsStore& store_;
  std::wstring section_;
};

}  // namespace settings
