#pragma once
// What the console window keeps between runs: the machine history (section
// "Machine", keys "1".."n") and its inputs (section "frmDown").
#include <string>
#include <vector>

#include "remote/ConsoleInputs.h"
#include "settings/SettingsStore.h"

namespace remote {

inline constexpr wchar_t kMachineSection[] = L"Machine";
inline constexpr wchar_t kInputsSection[] = L"frmDown";

struct ConsoleState {
  std::vector<std::wstring> history;  // most recent first
  ConsoleInputs settings;
};

ConsoleState LoadConsoleState(settings::SettingsStore& store);

// Leaves exactly keys "1".."n" in "Machine". The new entries are written
// before any old key goes, so a failing store never loses the stored history;
// each failing step is skipped and the next one runs. The work grows with the
// entries alone: one pass over them, and the old keys named only when some
// stand beyond the new ones.
void SaveHistory(settings::SettingsStore& store, const std::vector<std::wstring>& history);

// The history as SaveHistory saves it, then the inputs.
void SaveConsoleState(settings::SettingsStore& store, const ConsoleState& state);

}  // namespace remote
