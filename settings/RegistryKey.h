#pragma once
// An owned registry key: closed when it goes out of scope, moved, never copied.
#include <windows.h>

#include <string>

#include "settings/StoredValue.h"

namespace settings {

class RegistryKey {
 public:
  RegistryKey() = default;
  explicit RegistryKey(HKEY key) : key_(key) {}
  ~RegistryKey() { Close(); }
  RegistryKey(RegistryKey&& other) noexcept : key_(other.key_) { other.key_ = nullptr; }
  RegistryKey& operator=(RegistryKey&& other) noexcept;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  // An empty key when the key does not exist or cannot be opened; result, when
  // given, receives the registry's answer (ERROR_FILE_NOT_FOUND for a missing key).
  static RegistryKey Open(HKEY parent, const std::wstring& path, REGSAM access, LONG* result = nullptr);
  // Opens the key, creating it and its missing parents; empty on failure.
  static RegistryKey Create(HKEY parent, const std::wstring& path);

  explicit operator bool() const { return key_ != nullptr; }
  HKEY get() const { return key_; }

  // A value as the programs read it (settings/StoredValue.h); missing for an
  // empty key.
  StoredValue Read(const std::wstring& name) const;
  bool WriteText(const std::wstring& name, const std::wstring& text) const;
  // Deletes a subkey with everything under it; true also when it was not there.
  bool DeleteTree(const std::wstring& subkey) const;

 private:
  void Close();
  HKEY key_ = nullptr;
};

}  // namespace settings
