#pragma once
// The per-user settings of a program: text values by section and name. The
// real store (RegistrySettingsStore) keeps them in the registry; the fake
// beside it keeps them in memory. Both programs read and write their settings
// through typed views on this one store.
#include <optional>
#include <string>
#include <vector>

#include "settings/StoredValue.h"

namespace settings {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The value as the programs read it: its text, or missing, or there but
  // not text they wrote.
  virtual StoredValue Read(const std::wstring& section, const std::wstring& name) const = 0;
  // Its text; nullopt when it is missing or not text.
  std::optional<std::wstring> ReadText(const std::wstring& section, const std::wstring& name) const {
    StoredValue value = Read(section, name);
    if (value.state != StoredState::Text) return std::nullopt;
    return std::move(value.text);
  }
  // The names of the values a section holds, in no particular order.
  virtual std::vector<std::wstring> ValueNames(const std::wstring& section) const = 0;
  // Each change reports whether the store took it; callers that cannot do
  // anything about a failure may ignore it.
  virtual bool WriteText(const std::wstring& section, const std::wstring& name, const std::wstring& text) = 0;
  virtual bool DeleteValue(const std::wstring& section, const std::wstring& name) = 0;
  virtual bool DeleteSection(const std::wstring& section) = 0;
};

}  // namespace settings
