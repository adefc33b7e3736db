#pragma once
// What the console window needs of its per-user settings store: text values by
// section and key, the keys of a section, and the deletion of one key. The
// real store is the registry; tests use the fake in testing/.
#include <optional>
#include <string>
#include <vector>

namespace remote {

class ConsoleStore {
 public:
  virtual ~ConsoleStore() = default;
  // nullopt when the key is missing.
  virtual std::optional<std::wstring> ReadText(const std::wstring& section, const std::wstring& key) = 0;
  // Each change reports whether the store took it.
  virtual bool WriteText(const std::wstring& section, const std::wstring& key, const std::wstring& text) = 0;
  virtual std::vector<std::wstring> KeyNames(const std::wstring& section) = 0;
  virtual bool DeleteKey(const std::wstring& section, const std::wstring& key) = 0;
};

}  // namespace remote
