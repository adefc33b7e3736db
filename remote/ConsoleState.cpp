#include "remote/ConsoleState.h"

#include "core/Text.h"
#include "remote/MachineHistory.h"

namespace remote {

ConsoleState LoadConsoleState(settings::SettingsStore& store) {
  ConsoleState state;
  state.history = LoadHistory(store, kMachineSection);
  const auto read = [&store](const wchar_t* key) {
    return store.ReadText(kInputsSection, key).value_or(L"");
  };
  state.settings.message = read(L"Msg");
  state.settings.timeOut = TimeOutFromStored(read(L"TimeOut"));
  state.settings.forceClose = CheckedFromStored(read(L"App"));
  state.settings.restart = CheckedFromStored(read(L"Boot"));
  return state;
}

void SaveHistory(settings::SettingsStore& store, const std::vector<std::wstring>& history) {
  // Nothing to keep: the whole section goes, as the history has always gone.
  if (history.empty()) {
    store.DeleteSection(kMachineSection);
    return;
  }
  std::vector<std::pair<std::wstring, std::wstring>> entries;
  entries.reserve(history.size());
  for (std::size_t i = 0; i < history.size(); ++i) entries.emplace_back(HistoryKey(i), history[i]);
  // Old keys go only once the whole new history stands; after a failed write
  // they are what is left of the stored history. With keys "1".."n" all
  // written, a section of n values holds nothing else.
  if (!store.WriteTexts(kMachineSection, entries) || store.ValueCount(kMachineSection) == history.size())
    return;
  for (const auto& key : StaleHistoryKeys(store.ValueNames(kMachineSection), history.size()))
    store.DeleteValue(kMachineSection, key);
}

void SaveConsoleState(settings::SettingsStore& store, const ConsoleState& state) {
  SaveHistory(store, state.history);
  store.WriteTexts(kInputsSection, {{L"Msg", state.settings.message},
                                    {L"TimeOut", std::wstring(core::Decimal(state.settings.timeOut))},
                                    {L"App", CheckedToStored(state.settings.forceClose)},
                                    {L"Boot", CheckedToStored(state.settings.restart)}});
}

}  // namespace remote
