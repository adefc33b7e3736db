#include "remote/MachineHistory.h"

#include <algorithm>

#include "core/Text.h"

namespace remote {

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

std::vector<std::wstring> LoadHistory(
    const std::function<settings::StoredValue(const std::wstring& key)>& readKey) {
  std::vector<std::wstring> history;
  for (std::size_t key = 0;; ++key) {
    settings::StoredValue entry = readKey(HistoryKey(key));
    if (entry.state == settings::StoredState::Unreadable) continue;
    if (entry.state == settings::StoredState::Missing || entry.text.empty()) return history;
    history.push_back(std::move(entry.text));
  }
}

std::vector<std::wstring> StaleHistoryKeys(const std::vector<std::wstring>& storedKeys, std::size_t count) {
  std::vector<std::wstring> stale;
  for (const auto& key : storedKeys) {
    bool kept = false;
    for (std::size_t i = 0; i < count && !kept; ++i) kept = key == HistoryKey(i);
    if (!kept) stale.push_back(key);
  }
  return stale;
}

}  // namespace remote
