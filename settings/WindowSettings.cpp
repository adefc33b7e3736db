#include "settings/WindowSettings.h"

#include <utility>

#include "settings/SettingText.h"

namespace settings {

WindowSettings::WindowSettings(SettingsStore& store, std::wstring section)
    : store_(store), section_(std::move(section)) {}

std::int16_t WindowSettings::ReadSetting(const std::wstring& name, std::int16_t def) const {
  const auto text = store_.ReadText(section_, name);
  return text ? TextToInt16(*text).value_or(def) : def;
}

bool WindowSettings::ReadSetting(const std::wstring& name, bool def) const {
  const auto text = store_.ReadText(section_, name);
  return text ? TextToBool(*text).value_or(def) : def;
}

void WindowSettings::WriteSetting(const std::wstring& name, std::int16_t value) {
  store_.WriteText(section_, name, Int16ToText(value));
}

void WindowSettings::WriteSetting(const std::wstring& name, bool value) {
  store_.WriteText(section_, name, BoolToText(value));
}

}  // namespace settings
