#include "settings/SettingsStore.h"

#include <utility>

#include "settings/RegistryKey.h"

namespace settings {
namespace {

bool UsableName(const std::wstring& name) { return !name.empty() && name.find(L'\\') == std::wstring::npos; }

std::wstring ApplicationPath(const std::wstring& application) { return L"Software\\" + application; }

}  // namespace

SettingsStore::SettingsStore(std::wstring application) : application_(std::move(application)) {}

std::optional<std::wstring> SettingsStore::ReadText(const std::wstring& section,
                                                    const std::wstring& key) const {
  if (!UsableName(application_) || !UsableName(section)) return std::nullopt;
  const auto sectionKey =
      RegistryKey::Open(HKEY_CURRENT_USER, ApplicationPath(application_) + L"\\" + section, KEY_READ);
  return sectionKey.ReadText(key);
}

std::wstring SettingsStore::ReadText(const std::wstring& section, const std::wstring& key,
                                     const std::wstring& def) const {
  return ReadText(section, key).value_or(def);
}

bool SettingsStore::WriteText(const std::wstring& section, const std::wstring& key,
                              const std::wstring& text) const {
  if (!UsableName(application_) || !UsableName(section)) return false;
  return RegistryKey::Create(HKEY_CURRENT_USER, ApplicationPath(application_) + L"\\" + section)
      .WriteText(key, text);
}

bool SettingsStore::DeleteSection(const std::wstring& section) const {
  if (!UsableName(application_) || !UsableName(section)) return false;
  LONG opened = ERROR_SUCCESS;
  const auto applicationKey = RegistryKey::Open(HKEY_CURRENT_USER, ApplicationPath(application_),
                                                KEY_READ | KEY_WRITE | DELETE, &opened);
  // No application key: there is no section to delete either.
  if (opened == ERROR_FILE_NOT_FOUND) return true;
  return applicationKey && applicationKey.DeleteTree(section);
}

}  // namespace settings
