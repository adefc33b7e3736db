#pragma once
// The rules of the machine-name history: which machine a typed name addresses,
// how an accepted request reorders the list, and how the list maps to the
// numbered keys of the "Machine" section.
#include <cstddef>
#include <string>
#include <vector>

#include "settings/SettingsStore.h"

namespace remote {

// What the history shows for a request to the local machine.
inline constexpr wchar_t kLocalMachine[] = L"ローカルマシン";

struct MachineChoice {
  std::wstring displayName;  // shown in the confirmation and kept in the history
  std::wstring target;       // handed to the request object; empty means the local machine
};

// The display name and target for the text of the machine box.
MachineChoice ChooseMachine(const std::wstring& typed);

// Puts name at the top after removing every exact (case-sensitive) copy of it.
void MoveToTop(std::vector<std::wstring>& history, const std::wstring& name);

// The key of the entry at index: "1" for the first.
std::wstring HistoryKey(std::size_t index);

// Reads keys "1", "2", ... of the section and stops at the first that is
// missing or empty. A value that is not text (another program's, or broken)
// is passed over: the entries after it still load.
std::vector<std::wstring> LoadHistory(const settings::SettingsStore& store, const std::wstring& section);

// The stored value names that do not belong to a history of count entries,
// in their order; one look at each name, however long the history.
std::vector<std::wstring> StaleHistoryKeys(const std::vector<std::wstring>& storedKeys, std::size_t count);

}  // namespace remote
