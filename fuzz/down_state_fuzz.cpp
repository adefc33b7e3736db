// Velmar's stored history and inputs, whatever the registry holds: loading
// changes nothing in the store, the inputs come out within their ranges, the
// history is keys "1", "2", ... up to the first missing or empty one, passing
// over values that are not text, and what the window saves on closing loads
// again unchanged.
#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "fuzz/FuzzInput.h"
#include "remote/ConsoleState.h"
#include "remote/MachineHistory.h"
#include "settings/FakeSettingsStore.h"

namespace {

using fuzz::Require;

using NotText = std::set<std::pair<std::wstring, std::wstring>>;

// The stored text, or empty for a value missing or not text.
std::wstring Stored(const fuzz::Sections& sections, const std::wstring& section, const std::wstring& key,
                    const NotText& notText = {}) {
  if (notText.contains({section, key})) return L"";
  const auto s = sections.find(section);
  if (s == sections.end()) return L"";
  const auto k = s->second.find(key);
  return k == s->second.end() ? L"" : k->second;
}

std::vector<std::wstring> ExpectedHistory(const fuzz::Sections& sections, const NotText& notText) {
  std::vector<std::wstring> history;
  for (int n = 1;; ++n) {
    const std::wstring key = std::to_wstring(n);
    if (notText.contains({remote::kMachineSection, key})) continue;
    std::wstring entry = Stored(sections, remote::kMachineSection, key);
    if (entry.empty()) return history;
    history.push_back(std::move(entry));
  }
}

// Not a number: the default; a number: clamped into 0..300.
int ExpectedTimeOut(const std::wstring& stored) {
  const fuzz::Decimal d = fuzz::ReadDecimal(stored);
  if (!d.isNumber) return 0;
  if (const auto value = fuzz::DecimalWithin(d, remote::kMinTimeOut, remote::kMaxTimeOut)) {
    return static_cast<int>(*value);
  }
  return d.negative ? remote::kMinTimeOut : remote::kMaxTimeOut;
}

// Not a number: unchecked; a number: checked unless zero.
bool ExpectedChecked(const std::wstring& stored) {
  const fuzz::Decimal d = fuzz::ReadDecimal(stored);
  return d.isNumber && d.magnitude != L"0";
}

bool SameState(const remote::ConsoleState& a, const remote::ConsoleState& b) {
  return a.history == b.history && a.settings.message == b.settings.message &&
         a.settings.timeOut == b.settings.timeOut && a.settings.forceClose == b.settings.forceClose &&
         a.settings.restart == b.settings.restart;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  testing_support::FakeSettingsStore store;
  const fuzz::Store parsed = fuzz::ParseStore(fuzz::Lines(fuzz::WideText(data, size)));
  store.sections = parsed.text;
  store.unreadable.insert(parsed.notText.begin(), parsed.notText.end());
  const fuzz::Sections before = store.sections;
  const NotText notTextBefore = store.unreadable;

  const remote::ConsoleState state = remote::LoadConsoleState(store);
  Require(store.sections == before && store.unreadable == notTextBefore,
          "loading leaves the store as it was");
  const remote::ConsoleInputs& s = state.settings;
  Require(s.timeOut >= remote::kMinTimeOut && s.timeOut <= remote::kMaxTimeOut, "TimeOut is 0..300");
  const auto input = [&](const wchar_t* key) {
    return Stored(before, remote::kInputsSection, key, notTextBefore);
  };
  Require(s.timeOut == ExpectedTimeOut(input(L"TimeOut")),
          "TimeOut is the stored number clamped, or the default");
  Require(s.forceClose == ExpectedChecked(input(L"App")), "App is checked for a non-zero number");
  Require(s.restart == ExpectedChecked(input(L"Boot")), "Boot is checked for a non-zero number");
  Require(s.message == input(L"Msg"), "Msg loads as stored, or empty when it is not text");
  Require(state.history == ExpectedHistory(before, notTextBefore),
          "the history stops at the first missing or empty key and passes over values that are not text");

  remote::SaveConsoleState(store, state);
  for (const wchar_t* key : {L"App", L"Boot"}) {
    const std::wstring saved = Stored(store.sections, remote::kInputsSection, key);
    Require(saved == L"0" || saved == L"1", "App and Boot are saved as 0 or 1");
  }
  const auto& machines = store.sections[remote::kMachineSection];
  Require(machines.size() == state.history.size() &&
              std::none_of(store.unreadable.begin(), store.unreadable.end(),
                           [](const auto& value) { return value.first == remote::kMachineSection; }),
          "the saved history keeps no other key");
  for (std::size_t i = 0; i < state.history.size(); ++i) {
    Require(Stored(store.sections, remote::kMachineSection, remote::HistoryKey(i)) == state.history[i],
            "entry n is saved under key n");
  }
  Require(std::all_of(before.begin(), before.end(),
                      [&store](const auto& section) {
                        return section.first == remote::kMachineSection ||
                               section.first == remote::kInputsSection ||
                               store.sections.at(section.first) == section.second;
                      }),
          "saving touches no other section");
  Require(SameState(remote::LoadConsoleState(store), state), "what was saved loads unchanged");
  return 0;
}
