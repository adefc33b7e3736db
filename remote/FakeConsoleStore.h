#pragma once
#include <map>
#include <set>
#include <string>
#include <utility>

#include "remote/ConsoleStore.h"
#include "testing/CallLog.h"
#include "testing/WideText.h"

namespace testing_support {

// An in-memory settings store that records every change and can be told to
// refuse given writes or deletions.
class FakeConsoleStore : public remote::ConsoleStore {
 public:
  using Section = std::map<std::wstring, std::wstring>;
  std::map<std::wstring, Section> sections;
  std::set<std::pair<std::wstring, std::wstring>> refused;  // (section, key) changes that fail
  CallLog log;

  std::optional<std::wstring> ReadText(const std::wstring& section, const std::wstring& key) override {
    const auto s = sections.find(section);
    if (s == sections.end()) return std::nullopt;
    const auto k = s->second.find(key);
    if (k == s->second.end()) return std::nullopt;
    return k->second;
  }
  bool WriteText(const std::wstring& section, const std::wstring& key, const std::wstring& text) override {
    log.Add("Write", Utf8(section), Utf8(key), Utf8(text));
    if (refused.contains({section, key})) return false;
    sections[section][key] = text;
    return true;
  }
  std::vector<std::wstring> KeyNames(const std::wstring& section) override {
    std::vector<std::wstring> names;
    if (const auto s = sections.find(section); s != sections.end())
      for (const auto& [key, text] : s->second) names.push_back(key);
    return names;
  }
  bool DeleteKey(const std::wstring& section, const std::wstring& key) override {
    log.Add("Delete", Utf8(section), Utf8(key));
    if (refused.contains({section, key})) return false;
    const auto s = sections.find(section);
    return s != sections.end() && s->second.erase(key) == 1;
  }
};

}  // namespace testing_support
