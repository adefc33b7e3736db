#include "remote/MachineHistory.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "core/Text.h"

namespace remote {
namespace {

// The index of the entry whose key this is: HistoryKey writes decimals
// without a sign or a leading zero, and no other name belongs to an entry.
std::optional<std::uint64_t> HistoryIndexOf(const std::wstring& key) {
  constexpr std::size_t kLongestKey = 18;  // far past any history, and no overflow
  if (key.empty() || key.size() > kLongestKey || key[0] == L'0') return std::nullopt;
  std::uint64_t number = 0;
  for (const wchar_t digit : key) {
    if (digit < L'0' || digit > L'9') return std::nullopt;
    number = number * 10 + static_cast<std::uint64_t>(digit - L'0');
  }
  return number - 1;
}

}  // namespace

MachineChoice ChooseMachine(const std::wstring& typed) {
  // The history shows the local machine by its display name, so choosing that
  // entry again must address the local machine, not a computer of that name.
  if (typed.empty()) return {kLocalMachine, L""};
  if (typed == kLocalMachine) return {typed, L""};
  return {typed, typed};
}

void MoveToTop(std::vector<std::wstring>& history, const std::wstring& name) {
  std::erase(history, name);
  history.insert(history.begin(), name);
}

std::wstring HistoryKey(std::size_t index) {
  return std::wstring(core::Decimal(static_cast<std::int64_t>(index) + 1));
}

std::vector<std::wstring> LoadHistory(const settings::SettingsStore& store, const std::wstring& section) {
  std::vector<std::wstring> history;
  store.ReadEach(section, HistoryKey, [&history](settings::StoredValue entry) {
    if (entry.state == settings::StoredState::Unreadable) return true;
    if (entry.state == settings::StoredState::Missing || entry.text.empty()) return false;
    history.push_back(std::move(entry.text));
    return true;
  });
  return history;
}

std::vector<std::wstring> StaleHistoryKeys(const std::vector<std::wstring>& storedKeys, std::size_t count) {
  std::vector<std::wstring> stale;
  for (const auto& key : storedKeys) {
    const std::optional<std::uint64_t> index = HistoryIndexOf(key);
    if (!index || *index >= count) stale.push_back(key);
  }
  return stale;
}

}  // namespace remote
