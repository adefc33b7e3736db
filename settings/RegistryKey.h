#pragma once
// A registry key of the programs' settings, held by the one owner of
// handles (core/Unique.h): closed when it goes, moved, never copied.
#include <windows.h>

#include <string>

#include "core/Unique.h"
#include "settings/StoredValue.h"

namespace settings {

class RegistryKey {
 public:
  // An empty key when the key does not exist or cannot be opened; result, when
  // given, receives the registry's answer (ERROR_FILE_NOT_FOUND for a missing key).
  static RegistryKey Open(HKEY parent, const std::wstring& path, REGSAM access, LONG* result = nullptr);
  // Opens the key, creating it and its missing parents; empty on failure.
  static RegistryKey Create(HKEY parent, const std::wstring& path);

  explicit operator bool() const { return static_cast<bool>(key_); }
  HKEY get() const { return key_.get(); }

  // A value as the programs read it (settings/StoredValue.h); missing for an
  // empty key.
  StoredValue Read(const std::wstring& name) const;
  bool WriteText(const std::wstring& name, const std::wstring& text) const;
  // Deletes a subkey with everything under it; true also when it was not there.
  bool DeleteTree(const std::wstring& subkey) const;

 private:
  core::Unique<core::NullIsEmpty<HKEY, &RegCloseKey>> key_;
};

}  // namespace settings
