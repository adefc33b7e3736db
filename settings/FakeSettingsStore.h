#pragma once
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/CallLog.h"
#include "settings/SettingsStore.h"

namespace testing_support {

// An in-memory settings store that records every change and can be told to
// refuse given writes or deletions, and to hold values that are not text.
// It also adds up what its calls would cost the registry store, so a test can
// tell how the work grows with the values.
class FakeSettingsStore : public settings::SettingsStore {
 public:
  using Section = std::map<std::wstring, std::wstring>;
  std::map<std::wstring, Section> sections;
  std::set<std::pair<std::wstring, std::wstring>> refused;  // (section, name) changes that fail
  // (section, name) values another program left as something else than text
  std::set<std::pair<std::wstring, std::wstring>> unreadable;
  CallLog log;
  // Every call opens its section once; each value it reads, writes, deletes
  // or names is one more step.
  struct Cost {
    std::size_t openings = 0;
    std::size_t values = 0;
  };
  mutable Cost cost;

  settings::StoredValue Read(const std::wstring& section, const std::wstring& name) const override {
    Charge(1);
    return ReadValue(section, name);
  }
  void ReadEach(const std::wstring& section, const std::function<std::wstring(std::size_t index)>& nameOf,
                const std::function<bool(settings::StoredValue value)>& take) const override {
    Charge(0);
    for (std::size_t index = 0;; ++index) {
      ++cost.values;
      if (!take(ReadValue(section, nameOf(index)))) return;
    }
  }
  std::vector<std::wstring> ValueNames(const std::wstring& section) const override {
    std::vector<std::wstring> names = NamesIn(section);
    Charge(names.size());
    return names;
  }
  std::size_t ValueCount(const std::wstring& section) const override {
    Charge(0);
    return NamesIn(section).size();
  }
  bool WriteText(const std::wstring& section, const std::wstring& name, const std::wstring& text) override {
    Charge(1);
    return WriteValue(section, name, text);
  }
  bool WriteTexts(const std::wstring& section,
                  const std::vector<std::pair<std::wstring, std::wstring>>& values) override {
    Charge(values.size());
    bool all = true;
    for (const auto& [name, text] : values) all = WriteValue(section, name, text) && all;
    return all;
  }
  bool DeleteValue(const std::wstring& section, const std::wstring& name) override {
    Charge(1);
    log.Add("Delete", Utf8(section), Utf8(name));
    if (refused.contains({section, name})) return false;
    const bool wasUnreadable = unreadable.erase({section, name}) == 1;
    const auto s = sections.find(section);
    return (s != sections.end() && s->second.erase(name) == 1) || wasUnreadable;
  }
  bool DeleteSection(const std::wstring& section) override {
    Charge(0);
    log.Add("DeleteSection", Utf8(section));
    sections.erase(section);
    std::erase_if(unreadable, [&section](const auto& value) { return value.first == section; });
    return true;
  }

 private:
  void Charge(std::size_t values) const {
    ++cost.openings;
    cost.values += values;
  }
  settings::StoredValue ReadValue(const std::wstring& section, const std::wstring& name) const {
    if (unreadable.contains({section, name})) return settings::StoredValue::Unreadable();
    const auto s = sections.find(section);
    if (s == sections.end()) return {};
    const auto k = s->second.find(name);
    if (k == s->second.end()) return {};
    return settings::StoredValue::OfText(k->second);
  }
  std::vector<std::wstring> NamesIn(const std::wstring& section) const {
    std::set<std::wstring> names;
    if (const auto s = sections.find(section); s != sections.end())
      for (const auto& [name, text] : s->second) names.insert(name);
    for (const auto& [in, name] : unreadable)
      if (in == section) names.insert(name);
    return {names.begin(), names.end()};
  }
  bool WriteValue(const std::wstring& section, const std::wstring& name, const std::wstring& text) {
    log.Add("Write", Utf8(section), Utf8(name), Utf8(text));
    if (refused.contains({section, name})) return false;
    sections[section][name] = text;
    unreadable.erase({section, name});
    return true;
  }
};

}  // namespace testing_support
