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

bool RegistrySettingsStore::WriteText(const std::wstring& section, const std::wstring& name,
                                      const std::wstring& text) {
  const auto path = SectionPath(section);
  return path && RegistryKey::Create(HKEY_CURRENT_USER, *path).WriteText(name, text);
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
