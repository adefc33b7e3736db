#pragma once
// The console window's store: the per-user registry settings of the program,
// HKEY_CURRENT_USER\Software\<application>\<section>. Windows build only.
#include "remote/ConsoleStore.h"
#include "settings/SettingsStore.h"

namespace remote {

class RegistryConsoleStore final : public ConsoleStore {
 public:
  explicit RegistryConsoleStore(std::wstring application);

  std::optional<std::wstring> ReadText(const std::wstring& section, const std::wstring& key) override;
  bool WriteText(const std::wstring& section, const std::wstring& key, const std::wstring& text) override;
  // The settings store keeps whole sections; the history needs its keys one by one.
  std::vector<std::wstring> KeyNames(const std::wstring& section) override;
  bool DeleteKey(const std::wstring& section, const std::wstring& key) override;

 private:
  std::wstring SectionPath(const std::wstring& section) const;

  settings::SettingsStore settings_;
};

}  // namespace remote
