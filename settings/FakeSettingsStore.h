#pragma once
#include <map>
#include <set>
#include <string>
#include <utility>

#include "core/CallLog.h"
#include "settings/SettingsStore.h"

namespace testing_support {

// An in-memory settings store that records every change and can be told to
// refuse given writes or deletions, and to hold values that are not text.
class FakeSettingsStore : public settings::SettingsStore {
 public:
  using Section = std::map<std::wstring, std::wstring>;
  std::map<std::wstring, Section> sections;
  std::set<std::pair<std::wstring, std::wstring>> refused;  // (section, name) changes that fail
  // (section, name) values another program left as something else than text
  std::set<std::pair<std::wstring, std::wstring>> unreadable;
  CallLog log;

  settings::StoredValue Read(const std::wstring& section, const std::wstring& name) const override {
    if (unreadable.contains({section, name})) return settings::StoredValue::Unreadable();
    const auto s = sections.find(section);
    if (s == sections.end()) return {};
    const auto k = s->second.find(name);
    if (k == s->second.end()) return {};
    return settings::StoredValue::OfText(k->second);
  }
  std::vector<std::wstring> ValueNames(const std::wstring& section) const override {
    std::set<std::wstring> names;
    if (const auto s = sections.find(section); s != sections.end())
      for (const auto& [name, text] : s->second) names.insert(name);
    for (const auto& [in, name] : unreadable)
      if (in == section) names.insert(name);
    return {names.begin(), names.end()};
  }
  bool WriteText(const std::wstring& section, const std::wstring& name, const std::wstring& text) override {
    log.Add("Write", Utf8(section), Utf8(name), Utf8(text));
    if (refused.contains({section, name})) return false;
    sections[section][name] = text;
    unreadable.erase({section, name});
    return true;
  }
  bool DeleteValue(const std::wstring& section, const std::wstring& name) override {
    log.Add("Delete", Utf8(section), Utf8(name));
    if (refused.contains({section, name})) return false;
    const bool wasUnreadable = unreadable.erase({section, name}) == 1;
    const auto s = sections.find(section);
    return (s != sections.end() && s->second.erase(name) == 1) || wasUnreadable;
  }
  bool DeleteSection(const std::wstring& section) override {
    log.Add("DeleteSection", Utf8(section));
    sections.erase(section);
    std::erase_if(unreadable, [&section](const auto& value) { return value.first == section; });
    return true;
  }
};

}  // namespace testing_support
