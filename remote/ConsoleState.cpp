#include "remote/ConsoleState.h"

#include "core/Text.h"
#include "remote/MachineHistory.h"

namespace remote {

ConsoleState LoadConsoleState(settings::SettingsStore& store) {
  ConsoleState state;
  state.history = LoadHistory([&store](const std::wstring& key) { return store.Read(kMachineSection, key); });
  const auto read = [&store](const wchar_t* key) {
    return store.ReadText(kInputsSection, key).value_or(L"");
  };
  state.settings.message = read(L"Msg");
  state.settings.timeOut = TimeOutFromStored(read(L"TimeOut"));
  state.settings.forceClose = CheckedFromStored(read(L"App"));
  state.settings.restart = CheckedFromStored(read(L"Boot"));
  return state;
}

void SaveConsoleState(settings::SettingsStore& store, const ConsoleState& state) {
  bool allWritten = true;
  for (std::size_t i = 0; i < state.history.size(); ++i)
    allWritten = store.WriteText(kMachineSection, HistoryKey(i), state.history[i]) && allWritten;
  // Old keys go only once the whole new history stands; after a failed write
  // they are what is left of the stored history.
  if (allWritten) {
    for (const auto& key : StaleHistoryKeys(store.ValueNames(kMachineSection), state.history.size()))
      store.DeleteValue(kMachineSection, key);
  }
  store.WriteText(kInputsSection, L"Msg", state.settings.message);
  store.WriteText(kInputsSection, L"TimeOut", std::wstring(core::Decimal(state.settings.timeOut)));
  store.WriteText(kInputsSection, L"App", CheckedToStored(state.settings.forceClose));
  store.WriteText(kInputsSection, L"Boot", CheckedToStored(state.settings.restart));
}

}  // namespace remote
