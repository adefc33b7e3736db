#include "remote/MachineHistory.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "settings/FakeSettingsStore.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

TEST(ChooseMachine, EmptyTextAndTheLocalEntryAddressTheLocalMachine) {
  const auto empty = remote::ChooseMachine(L"");
  EXPECT_EQ(empty.displayName, L"ローカルマシン");
  EXPECT_EQ(empty.target, L"");
  const auto local = remote::ChooseMachine(L"ローカルマシン");
  EXPECT_EQ(local.displayName, L"ローカルマシン");
  EXPECT_EQ(local.target, L"");
}

TEST(ChooseMachine, AnyOtherTextIsBothNameAndTargetUnchanged) {
  for (const std::wstring typed : {L"srv1", L" srv1 ", L"ローカルマシン ", L"\\\\SRV1"}) {
    const auto choice = remote::ChooseMachine(typed);
    EXPECT_EQ(choice.displayName, typed);
    EXPECT_EQ(choice.target, typed);
  }
}

TEST(MoveToTop, NewNameGoesFirstAndNamesDifferingInCaseStaySeparate) {
  std::vector<std::wstring> history;
  remote::MoveToTop(history, L"srv1");
  remote::MoveToTop(history, L"SRV1");
  EXPECT_THAT(history, ElementsAre(L"SRV1", L"srv1"));
}

TEST(MoveToTop, RepeatMovesToTheTopAndRemovesEveryOtherCopy) {
  std::vector<std::wstring> history{L"a", L"srv1", L"b", L"srv1", L"SRV1", L"srv1"};
  remote::MoveToTop(history, L"srv1");
  EXPECT_THAT(history, ElementsAre(L"srv1", L"a", L"b", L"SRV1"));
  remote::MoveToTop(history, L"srv1");
  EXPECT_THAT(history, ElementsAre(L"srv1", L"a", L"b", L"SRV1"));
}

// A "Machine" section of history keys: text, or a value that is not text
// ("<not text>").
std::vector<std::wstring> Loaded(const std::map<std::wstring, std::wstring>& keys) {
  testing_support::FakeSettingsStore store;
  for (const auto& [key, text] : keys) {
    if (text == L"<not text>") {
      store.unreadable.insert({L"Machine", key});
    } else {
      store.sections[L"Machine"][key] = text;
    }
  }
  return remote::LoadHistory(store, L"Machine");
}

TEST(LoadHistory, StopsAtTheFirstMissingOrEmptyKeyAndKeepsDuplicates) {
  EXPECT_THAT(Loaded({{L"1", L"srv1"}, {L"2", L"SRV1"}, {L"4", L"srv4"}}), ElementsAre(L"srv1", L"SRV1"));
  EXPECT_THAT(Loaded({{L"1", L"a"}, {L"2", L""}, {L"3", L"c"}}), ElementsAre(L"a"));
  EXPECT_THAT(Loaded({{L"1", L"a"}, {L"2", L"a"}, {L"3", L"b"}}), ElementsAre(L"a", L"a", L"b"));
  EXPECT_THAT(Loaded({}), IsEmpty());
}

TEST(LoadHistory, PassesOverValuesThatAreNotTextAndKeepsWhatFollows) {
  EXPECT_THAT(Loaded({{L"1", L"srv-a"}, {L"2", L"<not text>"}, {L"3", L"srv-c"}}),
              ElementsAre(L"srv-a", L"srv-c"));
  EXPECT_THAT(Loaded({{L"1", L"<not text>"}, {L"2", L"<not text>"}, {L"3", L"srv-c"}}),
              ElementsAre(L"srv-c"));
  EXPECT_THAT(Loaded({{L"1", L"a"}, {L"2", L"<not text>"}, {L"4", L"d"}}), ElementsAre(L"a"))
      << "a gap still ends the list";
}

TEST(StaleHistoryKeys, EverythingButTheKeysOfTheCurrentEntries) {
  EXPECT_THAT(remote::StaleHistoryKeys({L"1", L"2", L"4", L"01", L"x", L"3"}, 2),
              ElementsAre(L"4", L"01", L"x", L"3"));
  EXPECT_THAT(remote::StaleHistoryKeys({L"1", L"2", L"10"}, 0), ElementsAre(L"1", L"2", L"10"));
  EXPECT_THAT(remote::StaleHistoryKeys({L"10", L"2", L"1"}, 10), IsEmpty());
}

// Only the names the history itself writes belong to it: anything else that
// reads as a number to a lenient parser goes as well.
TEST(StaleHistoryKeys, NamesThatOnlyLookLikeAKeyAreStale) {
  EXPECT_THAT(remote::StaleHistoryKeys({L"0", L"-1", L"+1", L" 1", L"1 ", L"1.0", L"\x0661", L"",
                                        L"99999999999999999999", L"18446744073709551617", L"1"},
                                       5),
              ElementsAre(L"0", L"-1", L"+1", L" 1", L"1 ", L"1.0", L"\x0661", L"", L"99999999999999999999",
                          L"18446744073709551617"));
}

}  // namespace
