#pragma once
#include <map>
#include <set>
#include <string>
#include <utility>

#include "core/CallLog.h"
#include "settings/SettingsStore.h"

namespace testing_support {

// An in-memory settings store that records every change and can be told to
// refuse given writes or deletions.
class FakeSettingsStore : public settings::SettingsStore {
 public:
  using Section = std::map<std::wstring, std::wstring>;
  std::map<std::wstring, Section> sections;
  std::set<std::pair<std::wstring, std::wstring>> refused;  // (section, name) changes that fail
  CallLog log;

  std::optional<std::wstring> ReadText(const std::wstring& section, const std::wstring& name) const override {
    const auto s = sections.find(section);
    if (s == sections.end()) return std::nullopt;
    const auto k = s->second.find(name);
    if (k == s->second.end()) return std::nullopt;
    return k->second;
  }
  std::vector<std::wstring> ValueNames(const std::wstring& section) const override {
    std::vector<std::wstring> names;
    if (const auto s = sections.find(section); s != sections.end())
      for (const auto& [name, text] : s->second) names.push_back(name);
    return names;
  }
  bool WriteText(const std::wstring& section, const std::wstring& name, const std::wstring& text) override {
    log.Add("Write", Utf8(section), Utf8(name), Utf8(text));
    if (refused.contains({section, name})) return false;
    sections[section][name] = text;
    return true;
  }
  bool DeleteValue(const std::wstring& section, const std::wstring& name) override {
    log.Add("Delete", Utf8(section), Utf8(name));
    if (refused.contains({section, name})) return false;
    const auto s = sections.find(section);
    return s != sections.end() && s->second.erase(name) == 1;
  }
  bool DeleteSection(const std::wstring& section) override {
    log.Add("DeleteSection", Utf8(section));
    sections.erase(section);
    return true;
  }
};

}  // namespace testing_support
