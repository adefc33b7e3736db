#include "remote/MachineHistory.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

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

TEST(LoadHistory, StopsAtTheFirstMissingOrEmptyKeyAndKeepsDuplicates) {
  const std::map<std::wstring, std::wstring> gap{{L"1", L"srv1"}, {L"2", L"SRV1"}, {L"4", L"srv4"}};
  const auto read = [](const std::map<std::wstring, std::wstring>& store) {
    return [&store](const std::wstring& key) {
      const auto found = store.find(key);
      return found == store.end() ? std::wstring() : found->second;
    };
  };
  EXPECT_THAT(remote::LoadHistory(read(gap)), ElementsAre(L"srv1", L"SRV1"));

  const std::map<std::wstring, std::wstring> empty{{L"1", L"a"}, {L"2", L""}, {L"3", L"c"}};
  EXPECT_THAT(remote::LoadHistory(read(empty)), ElementsAre(L"a"));

  const std::map<std::wstring, std::wstring> repeats{{L"1", L"a"}, {L"2", L"a"}, {L"3", L"b"}};
  EXPECT_THAT(remote::LoadHistory(read(repeats)), ElementsAre(L"a", L"a", L"b"));

  EXPECT_THAT(remote::LoadHistory(read({})), IsEmpty());
}

TEST(StaleHistoryKeys, EverythingButTheKeysOfTheCurrentEntries) {
  EXPECT_THAT(remote::StaleHistoryKeys({L"1", L"2", L"4", L"01", L"x", L"3"}, 2),
              ElementsAre(L"4", L"01", L"x", L"3"));
  EXPECT_THAT(remote::StaleHistoryKeys({L"1", L"2", L"10"}, 0), ElementsAre(L"1", L"2", L"10"));
  EXPECT_THAT(remote::StaleHistoryKeys({L"10", L"2", L"1"}, 10), IsEmpty());
}

}  // namespace
