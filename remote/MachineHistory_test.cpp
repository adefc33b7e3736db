#include "remote/MachineHistory.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>

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

// A store of history keys: text, or a value that is not text ("<not text>").
using HistoryStore = std::map<std::wstring, std::wstring>;
std::function<settings::StoredValue(const std::wstring&)> Reader(const HistoryStore& store) {
  return [&store](const std::wstring& key) {
    const auto found = store.find(key);
    if (found == store.end()) return settings::StoredValue{};
    if (found->second == L"<not text>") return settings::StoredValue::Unreadable();
    return settings::StoredValue::OfText(found->second);
  };
}

TEST(LoadHistory, StopsAtTheFirstMissingOrEmptyKeyAndKeepsDuplicates) {
  const HistoryStore gap{{L"1", L"srv1"}, {L"2", L"SRV1"}, {L"4", L"srv4"}};
  EXPECT_THAT(remote::LoadHistory(Reader(gap)), ElementsAre(L"srv1", L"SRV1"));

  const HistoryStore empty{{L"1", L"a"}, {L"2", L""}, {L"3", L"c"}};
  EXPECT_THAT(remote::LoadHistory(Reader(empty)), ElementsAre(L"a"));

  const HistoryStore repeats{{L"1", L"a"}, {L"2", L"a"}, {L"3", L"b"}};
  EXPECT_THAT(remote::LoadHistory(Reader(repeats)), ElementsAre(L"a", L"a", L"b"));

  EXPECT_THAT(remote::LoadHistory(Reader({})), IsEmpty());
}

TEST(LoadHistory, PassesOverValuesThatAreNotTextAndKeepsWhatFollows) {
  const HistoryStore broken{{L"1", L"srv-a"}, {L"2", L"<not text>"}, {L"3", L"srv-c"}};
  EXPECT_THAT(remote::LoadHistory(Reader(broken)), ElementsAre(L"srv-a", L"srv-c"));

  const HistoryStore leading{{L"1", L"<not text>"}, {L"2", L"<not text>"}, {L"3", L"srv-c"}};
  EXPECT_THAT(remote::LoadHistory(Reader(leading)), ElementsAre(L"srv-c"));

  const HistoryStore thenGap{{L"1", L"a"}, {L"2", L"<not text>"}, {L"4", L"d"}};
  EXPECT_THAT(remote::LoadHistory(Reader(thenGap)), ElementsAre(L"a")) << "a gap still ends the list";
}

TEST(StaleHistoryKeys, EverythingButTheKeysOfTheCurrentEntries) {
  EXPECT_THAT(remote::StaleHistoryKeys({L"1", L"2", L"4", L"01", L"x", L"3"}, 2),
              ElementsAre(L"4", L"01", L"x", L"3"));
  EXPECT_THAT(remote::StaleHistoryKeys({L"1", L"2", L"10"}, 0), ElementsAre(L"1", L"2", L"10"));
  EXPECT_THAT(remote::StaleHistoryKeys({L"10", L"2", L"1"}, 10), IsEmpty());
}

}  // namespace
