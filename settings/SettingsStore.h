#pragma once
// The per-user settings of a program: text values by section and name. The
// real store (RegistrySettingsStore) keeps them in the registry; the fake
// beside it keeps them in memory. Both programs read and write their settings
// through typed views on this one store.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "settings/StoredValue.h"

namespace settings {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The value as the programs read it: its text, or missing, or there but
  // not text they wrote.
  virtual StoredValue Read(const std::wstring& section, const std::wstring& name) const = 0;
  // Its text; nullopt when it is missing or not text.
  std::optional<std::wstring> ReadText(const std::wstring& section, const std::wstring& name) const {
    StoredValue value = Read(section, name);
    if (value.state != StoredState::Text) return std::nullopt;
    return std::move(value.text);
  }
  // Values of one section read in turn, the section opened once for them
  // all: a list of thousands (Velmar's history) would otherwise cost an
  // opening for each. nameOf(i) names the i-th value to read; the run ends
  // when take(value) returns false.
  virtual void ReadEach(const std::wstring& section,
                        const std::function<std::wstring(std::size_t index)>& nameOf,
                        const std::function<bool(StoredValue value)>& take) const = 0;
  // The names of the values a section holds, in no particular order.
  virtual std::vector<std::wstring> ValueNames(const std::wstring& section) const = 0;
  // How many values a section holds, without naming them; 0 when it cannot
  // tell.
  virtual std::size_t ValueCount(const std::wstring& section) const = 0;
  // Each change reports whether the store took it; callers that cannot do
  // anything about a failure may ignore it.
  virtual bool WriteText(const std::wstring& section, const std::wstring& name, const std::wstring& text) = 0;
  // Name and text pairs written in order, the section opened once for them
  // all; a refused one is skipped and the rest still written. True when the
  // store took every one.
  virtual bool WriteTexts(const std::wstring& section,
                          const std::vector<std::pair<std::wstring, std::wstring>>& values) = 0;
  virtual bool DeleteValue(const std::wstring& section, const std::wstring& name) = 0;
  virtual bool DeleteSection(const std::wstring& section) = 0;
};

}  // namespace settings
