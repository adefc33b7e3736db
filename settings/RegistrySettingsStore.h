#pragma once
// The settings store in the per-user registry: the values of a section are
// REG_SZ values of HKEY_CURRENT_USER\Software\<application>\<section>.
// Windows build only.
//
// An application or section name that is empty or holds a backslash would land
// the values somewhere else in the registry: such a name reads nothing and
// changes nothing.
#include "settings/SettingsStore.h"

namespace settings {

class RegistrySettingsStore final : public SettingsStore {
 public:
  explicit RegistrySettingsStore(std::wstring application);

  StoredValue Read(const std::wstring& section, const std::wstring& name) const override;
  void ReadEach(const std::wstring& section, const std::function<std::wstring(std::size_t index)>& nameOf,
                const std::function<bool(StoredValue value)>& take) const override;
  std::vector<std::wstring> ValueNames(const std::wstring& section) const override;
  std::size_t ValueCount(const std::wstring& section) const override;
  bool WriteText(const std::wstring& section, const std::wstring& name, const std::wstring& text) override;
  bool WriteTexts(const std::wstring& section,
                  const std::vector<std::pair<std::wstring, std::wstring>>& values) override;
  bool DeleteValue(const std::wstring& section, const std::wstring& name) override;
  bool DeleteSection(const std::wstring& section) override;

 private:
  // The section's key path under HKEY_CURRENT_USER; nullopt for a name that
  // would leave the application's key.
  std::optional<std::wstring> SectionPath(const std::wstring& section) const;

  std::wstring application_;
};

}  // namespace settings
