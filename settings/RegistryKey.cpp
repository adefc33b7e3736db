#include "settings/RegistryKey.h"

#include <vector>

namespace settings {

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
  if (this != &other) {
    Close();
    key_ = other.key_;
    other.key_ = nullptr;
  }
  return *this;
}

void RegistryKey::Close() {
  if (key_ != nullptr) RegCloseKey(key_);
  key_ = nullptr;
}

RegistryKey RegistryKey::Open(HKEY parent, const std::wstring& path, REGSAM access, LONG* result) {
  HKEY key = nullptr;
  const LONG opened = RegOpenKeyExW(parent, path.c_str(), 0, access, &key);
  if (result != nullptr) *result = opened;
  if (opened != ERROR_SUCCESS) return {};
  return RegistryKey(key);
}

RegistryKey RegistryKey::Create(HKEY parent, const std::wstring& path) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                      nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return {};
  }
  return RegistryKey(key);
}

std::optional<std::wstring> RegistryKey::ReadText(const std::wstring& name) const {
  if (key_ == nullptr) return std::nullopt;
  // The value may change between asking its size and reading it: ask again then.
  for (;;) {
    DWORD type = 0;
    DWORD bytes = 0;
    LONG result = RegQueryValueExW(key_, name.c_str(), nullptr, &type, nullptr, &bytes);
    if (result != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
    // One spare character, because a stored text need not end with its terminator.
    std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
    DWORD capacity = static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t));
    result = RegQueryValueExW(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                              &capacity);
    if (result == ERROR_MORE_DATA) continue;
    if (result != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
    std::wstring text(buffer.data(), capacity / sizeof(wchar_t));
    text.resize(text.find(L'\0') == std::wstring::npos ? text.size() : text.find(L'\0'));
    return text;
  }
}

bool RegistryKey::WriteText(const std::wstring& name, const std::wstring& text) const {
  if (key_ == nullptr) return false;
  const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key_, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes) ==
         ERROR_SUCCESS;
}

bool RegistryKey::DeleteTree(const std::wstring& subkey) const {
  if (key_ == nullptr) return false;
  const LONG result = RegDeleteTreeW(key_, subkey.c_str());
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

}  // namespace settings
