#include "settings/RegistryKey.h"

#include <algorithm>
#include <vector>

namespace settings {

RegistryKey RegistryKey::Open(HKEY parent, const std::wstring& path, REGSAM access, LONG* result) {
  RegistryKey key;
  const LONG opened = RegOpenKeyExW(parent, path.c_str(), 0, access, key.key_.put());
  if (result != nullptr) *result = opened;
  // A failed call promises nothing of what it wrote: it is let go, not closed.
  if (opened != ERROR_SUCCESS) static_cast<void>(key.key_.release());
  return key;
}

RegistryKey RegistryKey::Create(HKEY parent, const std::wstring& path) {
  RegistryKey key;
  if (RegCreateKeyExW(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                      nullptr, key.key_.put(), nullptr) != ERROR_SUCCESS)
    static_cast<void>(key.key_.release());
  return key;
}

StoredValue RegistryKey::Read(const std::wstring& name) const {
  if (!key_) return {};
  // Most values are short: the first query asks for the value with room for
  // one of them, so it takes a single trip to the registry. A longer one is
  // asked for again at the size the registry gave. Another program may
  // rewrite the value in between; a value that keeps changing under the
  // reader is given up, not chased.
  constexpr DWORD kShortValue = 512;
  constexpr int kAttempts = 3;
  std::vector<BYTE> bytes(kShortValue);
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    DWORD type = REG_NONE;
    auto size = static_cast<DWORD>(bytes.size());
    const LONG result = RegQueryValueExW(key_.get(), name.c_str(), nullptr, &type, bytes.data(), &size);
    if (result == ERROR_FILE_NOT_FOUND) return {};
    if (result == ERROR_MORE_DATA) {
      if (type != REG_SZ || size > kLargestStoredValue) return StoredValue::Unreadable();
      // The buffer holds exactly the bytes asked for, odd or not.
      bytes.resize(size);
      continue;
    }
    if (result != ERROR_SUCCESS) return StoredValue::Unreadable();
    std::optional<std::wstring> text =
        TextOfStoredBytes(type, bytes.data(), std::min<std::size_t>(size, bytes.size()));
    return text ? StoredValue::OfText(std::move(*text)) : StoredValue::Unreadable();
  }
  return StoredValue::Unreadable();
}

bool RegistryKey::WriteText(const std::wstring& name, const std::wstring& text) const {
  if (!key_) return false;
  const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key_.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                        bytes) == ERROR_SUCCESS;
}

bool RegistryKey::DeleteTree(const std::wstring& subkey) const {
  if (!key_) return false;
  const LONG result = RegDeleteTreeW(key_.get(), subkey.c_str());
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

}  // namespace settings
