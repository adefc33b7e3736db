#pragma once
// The per-user settings of a program: text values by section and key, kept in
// HKEY_CURRENT_USER\Software\<application>\<section> as REG_SZ. Windows build only.
//
// An application or section name that is empty or holds a backslash would land
// the values somewhere else in the registry: such a name reads nothing and
// writes nothing.
#include <optional>
#include <string>

namespace settings {

class SettingsStore {
 public:
  explicit SettingsStore(std::wstring application);

  const std::wstring& Application() const { return application_; }

  // nullopt when the value was never written (or is not text).
  std::optional<std::wstring> ReadText(const std::wstring& section, const std::wstring& key) const;
  std::wstring ReadText(const std::wstring& section, const std::wstring& key, const std::wstring& def) const;
  // Each reports whether the registry took the change; callers that cannot do
  // anything about a failure may ignore it.
  bool WriteText(const std::wstring& section, const std::wstring& key, const std::wstring& text) const;
  bool DeleteSection(const std::wstring& section) const;

 private:
  std::wstring application_;
};

}  // namespace settings
