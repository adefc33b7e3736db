#pragma once
// The per-user settings of a program: text values by section and name. The
// real store (RegistrySettingsStore) keeps them in the registry; the fake
// beside it keeps them in memory. Both programs read and write their settings
// through typed views on this one store.
#include <optional>
#include <string>
#include <vector>

namespace settings {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // nullopt when the value was never written (or is not text).
  virtual std::optional<std::wstring> ReadText(const std::wstring& section,
                                               const std::wstring& name) const = 0;
  // The names of the values a section holds, in no particular order.
  virtual std::vector<std::wstring> ValueNames(const std::wstring& section) const = 0;
  // Each change reports whether the store took it; callers that cannot do
  // anything about a failure may ignore it.
  virtual bool WriteText(const std::wstring& section, const std::wstring& name, const std::wstring& text) = 0;
  virtual bool DeleteValue(const std::wstring& section, const std::wstring& name) = 0;
  virtual bool DeleteSection(const std::wstring& section) = 0;
};

}  // namespace settings
