#include "remote/RegistryConsoleStore.h"

#include "settings/RegistryKey.h"

namespace remote {
namespace {

// Value names are at most 16383 characters.
constexpr DWORD kMaxValueName = 16384;

}  // namespace

RegistryConsoleStore::RegistryConsoleStore(std::wstring application) : settings_(std::move(application)) {}

std::optional<std::wstring> RegistryConsoleStore::ReadText(const std::wstring& section,
                                                           const std::wstring& key) {
  return settings_.ReadText(section, key);
}

bool RegistryConsoleStore::WriteText(const std::wstring& section, const std::wstring& key,
                                     const std::wstring& text) {
  return settings_.WriteText(section, key, text);
}

std::wstring RegistryConsoleStore::SectionPath(const std::wstring& section) const {
  return L"Software\\" + settings_.Application() + L"\\" + section;
}

std::vector<std::wstring> RegistryConsoleStore::KeyNames(const std::wstring& section) {
  std::vector<std::wstring> names;
  const auto key = settings::RegistryKey::Open(HKEY_CURRENT_USER, SectionPath(section), KEY_QUERY_VALUE);
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

bool RegistryConsoleStore::DeleteKey(const std::wstring& section, const std::wstring& key) {
  const auto sectionKey = settings::RegistryKey::Open(HKEY_CURRENT_USER, SectionPath(section), KEY_SET_VALUE);
  return sectionKey && RegDeleteValueW(sectionKey.get(), key.c_str()) == ERROR_SUCCESS;
}

}  // namespace remote
