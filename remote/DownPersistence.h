#pragma once
// What the console window keeps between runs: the machine history (section
// "Machine", keys "1".."n") and its inputs (section "frmDown").
#include <string>
#include <vector>

#include "remote/DownSettings.h"
#include "remote/DownStore.h"

namespace remote {

inline constexpr wchar_t kMachineSection[] = L"Machine";
inline constexpr wchar_t kDownSection[] = L"frmDown";

struct DownState {
  std::vector<std::wstring> history;  // most recent first
  DownSettings settings;
};

DownState LoadDownState(DownStore& store);

// Leaves exactly keys "1".."n" in "Machine" and writes the inputs. The new
// entries are written before any old key goes, so a failing store never loses
// the stored history; each failing step is skipped and the next one runs.
void SaveDownState(DownStore& store, const DownState& state);

}  // namespace remote
