#include "remote/ConsoleState.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "settings/FakeSettingsStore.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing_support::FakeSettingsStore;

namespace {

using Section = FakeSettingsStore::Section;

TEST(LoadConsoleState, EmptyStoreGivesNoHistoryAndTheDefaults) {
  FakeSettingsStore store;
  const auto state = remote::LoadConsoleState(store);
  EXPECT_THAT(state.history, IsEmpty());
  EXPECT_EQ(state.settings.message, L"");
  EXPECT_EQ(state.settings.timeOut, 0);
  EXPECT_FALSE(state.settings.forceClose);
  EXPECT_FALSE(state.settings.restart);
}

TEST(LoadConsoleState, ReadsTheHistoryUpToTheFirstGapAndTheInputs) {
  FakeSettingsStore store;
  store.sections[L"Machine"] = {{L"1", L"srv1"}, {L"2", L"ローカルマシン"}, {L"4", L"srv4"}};
  store.sections[L"frmDown"] = {
      {L"Msg", L"保守のため停止します"}, {L"TimeOut", L"45"}, {L"App", L"1"}, {L"Boot", L"0"}};
  const auto state = remote::LoadConsoleState(store);
  EXPECT_THAT(state.history, ElementsAre(L"srv1", L"ローカルマシン"));
  EXPECT_EQ(state.settings.message, L"保守のため停止します");
  EXPECT_EQ(state.settings.timeOut, 45);
  EXPECT_TRUE(state.settings.forceClose);
  EXPECT_FALSE(state.settings.restart);
}

TEST(LoadConsoleState, ValuesTheProgramNeverWritesStillLoad) {
  FakeSettingsStore store;
  store.sections[L"frmDown"] = {{L"TimeOut", L"9999"}, {L"App", L"-1"}, {L"Boot", L"はい"}};
  auto state = remote::LoadConsoleState(store);
  EXPECT_EQ(state.settings.timeOut, 300);
  EXPECT_TRUE(state.settings.forceClose);
  EXPECT_FALSE(state.settings.restart);
  store.sections[L"frmDown"] = {{L"TimeOut", L"-5"}, {L"App", L"x"}, {L"Boot", L"2"}};
  state = remote::LoadConsoleState(store);
  EXPECT_EQ(state.settings.timeOut, 0);
  EXPECT_FALSE(state.settings.forceClose);
  EXPECT_TRUE(state.settings.restart);
}

// What another tool left: a number among the history entries, and inputs
// that are not text. The entries after the number load, the inputs take their
// defaults, and closing keeps every entry, renumbered.
TEST(LoadConsoleState, ValuesThatAreNotTextArePassedOverAndNothingAfterThemIsLost) {
  FakeSettingsStore store;
  store.sections[L"Machine"] = {{L"1", L"srv-a"}, {L"3", L"srv-c"}};
  store.unreadable = {
      {L"Machine", L"2"}, {L"frmDown", L"Msg"}, {L"frmDown", L"TimeOut"}, {L"frmDown", L"App"}};
  store.sections[L"frmDown"] = {{L"Boot", L"1"}};
  const auto state = remote::LoadConsoleState(store);
  EXPECT_THAT(state.history, ElementsAre(L"srv-a", L"srv-c"));
  EXPECT_EQ(state.settings.message, L"");
  EXPECT_EQ(state.settings.timeOut, 0);
  EXPECT_FALSE(state.settings.forceClose);
  EXPECT_TRUE(state.settings.restart);

  remote::SaveConsoleState(store, state);
  EXPECT_EQ(store.sections[L"Machine"], (Section{{L"1", L"srv-a"}, {L"2", L"srv-c"}}));
  EXPECT_THAT(store.unreadable, IsEmpty());
  EXPECT_THAT(remote::LoadConsoleState(store).history, ElementsAre(L"srv-a", L"srv-c"));
}

TEST(SaveConsoleState, LeavesExactlyTheHistoryKeysAndWritesTheInputs) {
  FakeSettingsStore store;
  store.sections[L"Machine"] = {{L"1", L"old1"}, {L"2", L"old2"}, {L"4", L"old4"}, {L"5", L"old5"}};
  remote::SaveConsoleState(store, {{L"p", L"q", L"r"}, {L"メッセージ", 30, true, false}});
  EXPECT_EQ(store.sections[L"Machine"], (Section{{L"1", L"p"}, {L"2", L"q"}, {L"3", L"r"}}));
  EXPECT_EQ(store.sections[L"frmDown"],
            (Section{{L"Msg", L"メッセージ"}, {L"TimeOut", L"30"}, {L"App", L"1"}, {L"Boot", L"0"}}));
  // Every new entry stands before the first old key goes.
  EXPECT_THAT(
      store.log.Lines(),
      ElementsAre("Write(Machine, 1, p)", "Write(Machine, 2, q)", "Write(Machine, 3, r)",
                  "Delete(Machine, 4)", "Delete(Machine, 5)", "Write(frmDown, Msg, メッセージ)",
                  "Write(frmDown, TimeOut, 30)", "Write(frmDown, App, 1)", "Write(frmDown, Boot, 0)"));
}

TEST(SaveConsoleState, AnEmptyHistoryRemovesEveryStoredEntry) {
  FakeSettingsStore store;
  store.sections[L"Machine"] = {{L"1", L"a"}, {L"2", L"b"}};
  remote::SaveConsoleState(store, {{}, {}});
  EXPECT_THAT(store.sections[L"Machine"], IsEmpty());
  EXPECT_THAT(remote::LoadConsoleState(store).history, IsEmpty());
}

TEST(SaveConsoleState, AFailedWriteKeepsTheOldEntriesAndStillWritesTheInputs) {
  FakeSettingsStore store;
  store.sections[L"Machine"] = {{L"1", L"a"}, {L"2", L"b"}, {L"3", L"c"}};
  store.refused.insert({L"Machine", L"1"});
  remote::SaveConsoleState(store, {{L"x"}, {L"", 5, 0, 1}});
  EXPECT_EQ(store.sections[L"Machine"], (Section{{L"1", L"a"}, {L"2", L"b"}, {L"3", L"c"}}));
  EXPECT_EQ(store.sections[L"frmDown"][L"TimeOut"], L"5");
  EXPECT_EQ(store.sections[L"frmDown"][L"Boot"], L"1");
}

TEST(SaveConsoleState, OneFailedEntryStillLetsEveryOtherEntryBeWritten) {
  FakeSettingsStore store;
  store.sections[L"Machine"] = {{L"1", L"a"}, {L"2", L"b"}, {L"3", L"c"}, {L"4", L"d"}, {L"5", L"e"}};
  store.refused.insert({L"Machine", L"2"});
  remote::SaveConsoleState(store, {{L"w", L"x", L"y", L"z"}, {L"m", 30, true, false}});
  // Every entry but the refused one is the new history; the refused key and
  // the key past the new end keep what they held, as no old key goes after a
  // failed write.
  EXPECT_EQ(store.sections[L"Machine"],
            (Section{{L"1", L"w"}, {L"2", L"b"}, {L"3", L"y"}, {L"4", L"z"}, {L"5", L"e"}}));
  EXPECT_EQ(store.sections[L"frmDown"],
            (Section{{L"Msg", L"m"}, {L"TimeOut", L"30"}, {L"App", L"1"}, {L"Boot", L"0"}}));
}

TEST(SaveConsoleState, AFailedDeletionIsSkippedAndTheRestRuns) {
  FakeSettingsStore store;
  store.sections[L"Machine"] = {{L"1", L"a"}, {L"2", L"b"}, {L"3", L"c"}};
  store.refused.insert({L"Machine", L"2"});
  remote::SaveConsoleState(store, {{L"x"}, {L"m", 0, 0, 0}});
  EXPECT_EQ(store.sections[L"Machine"], (Section{{L"1", L"x"}, {L"2", L"b"}}));
  EXPECT_EQ(store.sections[L"frmDown"][L"Msg"], L"m");
}

// A history as long as users have let it grow costs each entry one step of
// the store when it loads and one when it is saved, with the sections opened
// a fixed number of times: twice the entries, twice the work.
std::map<std::wstring, std::wstring> Machines(std::size_t count) {
  std::map<std::wstring, std::wstring> machines;
  for (std::size_t i = 1; i <= count; ++i) machines[std::to_wstring(i)] = L"pc-" + std::to_wstring(i);
  return machines;
}

TEST(ConsoleStateCost, LoadingAndSavingTakeOneStepPerEntry) {
  for (const std::size_t entries : {1000u, 10000u}) {
    SCOPED_TRACE(entries);
    FakeSettingsStore store;
    store.sections[L"Machine"] = Machines(entries);
    const auto state = remote::LoadConsoleState(store);
    ASSERT_EQ(state.history.size(), entries);
    // The entries, the missing key after them, and the four inputs.
    EXPECT_EQ(store.cost.values, entries + 1 + 4);
    EXPECT_EQ(store.cost.openings, 5u);

    store.cost = {};
    remote::SaveConsoleState(store, state);
    EXPECT_EQ(store.cost.values, entries + 4);
    EXPECT_EQ(store.cost.openings, 3u) << "the history, its count, the inputs";
    EXPECT_EQ(store.sections[L"Machine"], Machines(entries));
  }
}

// A history that shrank (a machine moved to the top had copies further down)
// and keys another program left: the old names are read once and only what
// does not belong goes.
TEST(ConsoleStateCost, OldKeysCostOneLookEachAndOnlyTheStaleOnesGo) {
  for (const std::size_t entries : {1000u, 10000u}) {
    SCOPED_TRACE(entries);
    FakeSettingsStore store;
    store.sections[L"Machine"] = Machines(entries);
    store.sections[L"Machine"][L"x"] = L"another program's";
    auto state = remote::LoadConsoleState(store);
    state.history.pop_back();
    state.history.pop_back();

    store.cost = {};
    store.log.Clear();
    remote::SaveConsoleState(store, state);
    const std::size_t stored = entries + 1;
    const std::size_t stale = 3;
    EXPECT_EQ(store.cost.values, (entries - 2) + stored + stale + 4);
    EXPECT_EQ(store.cost.openings, 4u + stale);
    EXPECT_EQ(store.sections[L"Machine"], Machines(entries - 2));
    const auto& lines = store.log.Lines();
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const auto& line) { return line.starts_with("Delete"); }),
              3);
  }
}

}  // namespace
