#include "settings/RegistrySettingsStore.h"

#include <utility>

#include "settings/RegistryKey.h"

namespace settings {
namespace {

// Value names are at most 16383 characters.
constexpr DWORD kMaxValueName = 16384;

bool UsableName(const std::wstring& name) { return !name.empty() && name.find(L'\\') == std::wstring::npos; }

std::wstring ApplicationPath(const std::wstring& application) { return L"Software\\" + application; }

}  // namespace

RegistrySettingsStore::RegistrySettingsStore(std::wstring application)
    : application_(std::move(application)) {}

std::optional<std::wstring> RegistrySettingsStore::SectionPath(const std::wstring& section) const {
  if (!UsableName(application_) || !UsableName(section)) return std::nullopt;
  return ApplicationPath(application_) + L"\\" + section;
}

StoredValue RegistrySettingsStore::Read(const std::wstring& section, const std::wstring& name) const {
  const auto path = SectionPath(section);
  if (!path) return {};
  // A section that cannot be opened holds nothing the programs can read.
  return RegistryKey::Open(HKEY_CURRENT_USER, *path, KEY_READ).Read(name);
}

void RegistrySettingsStore::ReadEach(const std::wstring& section,
                                     const std::function<std::wstring(std::size_t index)>& nameOf,
                                     const std::function<bool(StoredValue value)>& take) const {
  const auto path = SectionPath(section);
  // An empty key reads every value as missing, as Read does.
  const RegistryKey key = path ? RegistryKey::Open(HKEY_CURRENT_USER, *path, KEY_READ) : RegistryKey();
  for (std::size_t index = 0;; ++index)
    if (!take(key.Read(nameOf(index)))) return;
}

std::vector<std::wstring> RegistrySettingsStore::ValueNames(const std::wstring& section) const {
  std::vector<std::wstring> names;
  const auto path = SectionPath(section);
  if (!path) return names;
  const auto key = RegistryKey::Open(HKEY_CURRENT_USER, *path, KEY_QUERY_VALUE);
  if (!key) return names;
  std::wstring name(kMaxValueName, L'\0');
  for (DWORD index = 0;; ++index) {
    DWORD length = kMaxValueName;
    if (RegEnumValueW(key.get(), index, name.data(), &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      return names;
    names.emplace_back(name.data(), length);
  }
}

std::size_t RegistrySettingsStore::ValueCount(const std::wstring& section) const {
  const auto path = SectionPath(section);
  if (!path) return 0;
  const auto key = RegistryKey::Open(HKEY_CURRENT_USER, *path, KEY_QUERY_VALUE);
  DWORD values = 0;
  if (!key || RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values,
                               nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
    return 0;
  return values;
}

bool RegistrySettingsStore::WriteText(const std::wstring& section, const std::wstring& name,
                                      const std::wstring& text) {
  const auto path = SectionPath(section);
  return path && RegistryKey::Create(HKEY_CURRENT_USER, *path).WriteText(name, text);
}

bool RegistrySettingsStore::WriteTexts(const std::wstring& section,
                                       const std::vector<std::pair<std::wstring, std::wstring>>& values) {
  if (values.empty()) return true;
  const auto path = SectionPath(section);
  if (!path) return false;
  const RegistryKey key = RegistryKey::Create(HKEY_CURRENT_USER, *path);
  bool all = true;
  for (const auto& [name, text] : values) all = key.WriteText(name, text) && all;
  return all;
}

bool RegistrySettingsStore::DeleteValue(const std::wstring& section, const std::wstring& name) {
  const auto path = SectionPath(section);
  if (!path) return false;
  const auto key = RegistryKey::Open(HKEY_CURRENT_USER, *path, KEY_SET_VALUE);
  return key && RegDeleteValueW(key.get(), name.c_str()) == ERROR_SUCCESS;
}

bool RegistrySettingsStore::DeleteSection(const std::wstring& section) {
  if (!SectionPath(section)) return false;
  LONG opened = ERROR_SUCCESS;
  const auto applicationKey = RegistryKey::Open(HKEY_CURRENT_USER, ApplicationPath(application_),
                                                KEY_READ | KEY_WRITE | DELETE, &opened);
  // No application key: there is no section to delete either.
  if (opened == ERROR_FILE_NOT_FOUND) return true;
  return applicationKey && applicationKey.DeleteTree(section);
}

}  // namespace settings
