#pragma once
// The registry as a test sees it past the settings store: a throwaway
// application name, unique to the process and the test, whose whole key
// under HKCU\Software goes when the test ends; and what a key holds, read
// and written raw, as another program would. Tests only; Windows build only.
#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "settings/RegistryKey.h"

namespace testing_support {

class ScratchApplication {
 public:
  explicit ScratchApplication(const std::wstring& test)
      : name_(L"SuiteTest_" + std::to_wstring(GetCurrentProcessId()) + L"_" + test) {
    Remove();
  }
  ~ScratchApplication() { Remove(); }
  ScratchApplication(const ScratchApplication&) = delete;
  ScratchApplication& operator=(const ScratchApplication&) = delete;

  const std::wstring& Name() const { return name_; }
  // A section's key, under HKEY_CURRENT_USER.
  std::wstring Path(const std::wstring& section) const { return L"Software\\" + name_ + L"\\" + section; }

 private:
  void Remove() const {
    settings::RegistryKey::Open(HKEY_CURRENT_USER, L"Software", KEY_ALL_ACCESS).DeleteTree(name_);
  }
  std::wstring name_;
};

// What a value holds as the registry has it: its type and its first text.
struct RawValue {
  DWORD type = REG_NONE;
  std::wstring text;
};

// Keys under HKEY_CURRENT_USER.
inline bool KeyExists(const std::wstring& path) {
  return static_cast<bool>(settings::RegistryKey::Open(HKEY_CURRENT_USER, path, KEY_READ));
}

inline std::optional<RawValue> ReadRaw(const std::wstring& path, const std::wstring& name) {
  const auto key = settings::RegistryKey::Open(HKEY_CURRENT_USER, path, KEY_READ);
  std::vector<wchar_t> buffer(4096, L'\0');
  DWORD bytes = static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t));
  RawValue value;
  if (!key || RegQueryValueExW(key.get(), name.c_str(), nullptr, &value.type,
                               reinterpret_cast<BYTE*>(buffer.data()), &bytes) != ERROR_SUCCESS)
    return std::nullopt;
  value.text = buffer.data();
  return value;
}

inline bool WriteRaw(const std::wstring& path, const std::wstring& name, DWORD type, const void* data,
                     DWORD bytes) {
  const auto key = settings::RegistryKey::Create(HKEY_CURRENT_USER, path);
  return key && RegSetValueExW(key.get(), name.c_str(), 0, type, static_cast<const BYTE*>(data), bytes) ==
                    ERROR_SUCCESS;
}

// Every value of a key by name, as text.
inline std::map<std::wstring, std::wstring> TextsUnder(const std::wstring& path) {
  std::map<std::wstring, std::wstring> texts;
  const auto key = settings::RegistryKey::Open(HKEY_CURRENT_USER, path, KEY_READ);
  if (!key) return texts;
  for (DWORD index = 0;; ++index) {
    wchar_t name[256] = {};
    DWORD nameLength = 256;
    if (RegEnumValueW(key.get(), index, name, &nameLength, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      return texts;
    if (const auto raw = ReadRaw(path, name)) texts[name] = raw->text;
  }
}

}  // namespace testing_support
