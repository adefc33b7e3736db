// A request accepted for whatever the user typed in the machine box: the
// typed name addresses the right machine, goes to the top of the history
// loaded from the store exactly once, and the history saved on closing loads
// again as it was shown. First line: the typed text; the rest: the store.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/FuzzInput.h"
#include "remote/ConsoleState.h"
#include "remote/MachineHistory.h"
#include "settings/FakeSettingsStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using fuzz::Require;
  std::vector<std::wstring> lines = fuzz::Lines(fuzz::WideText(data, size));
  const std::wstring typed = lines.front();
  lines.erase(lines.begin());
  testing_support::FakeSettingsStore store;
  store.sections = fuzz::ParseSections(lines);

  const remote::MachineChoice choice = remote::ChooseMachine(typed);
  const bool local = typed.empty() || typed == remote::kLocalMachine;
  Require(!choice.displayName.empty(), "the history never gets an empty name");
  Require(choice.target == (local ? L"" : typed),
          "only an empty box or the local entry addresses this machine");
  Require(choice.displayName == (local ? remote::kLocalMachine : typed), "the typed name is what is shown");

  remote::ConsoleState state = remote::LoadConsoleState(store);
  const std::vector<std::wstring> loaded = state.history;
  remote::MoveToTop(state.history, choice.displayName);
  Require(state.history.front() == choice.displayName, "the accepted name is at the top");
  Require(std::count(state.history.begin(), state.history.end(), choice.displayName) == 1,
          "the accepted name is there once");
  std::vector<std::wstring> others = loaded;
  std::erase(others, choice.displayName);
  Require(std::equal(others.begin(), others.end(), state.history.begin() + 1, state.history.end()),
          "the other names keep their order");

  remote::SaveConsoleState(store, state);
  Require(remote::LoadConsoleState(store).history == state.history,
          "the saved history loads as it was shown");
  return 0;
}
