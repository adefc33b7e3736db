#include "remote/RoomSchedule.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "core/CallLog.h"
#include "remote/ConsoleTexts.h"

using ::testing::ElementsAre;

namespace {

struct Scripted {
  std::uint64_t takesMs;
  std::wstring refusal;  // empty: accepts
};

struct Asked {
  std::wstring target;
  std::uint64_t atMs;
  std::uint32_t timeOut;
};

// Runs the schedule against machines that answer after their scripted time,
// on a simulated clock: each step answers the request that finishes first.
// Returns each request as it left, and the most under way at once.
std::pair<std::vector<Asked>, std::size_t> AskTheRoom(remote::RoomSchedule& schedule,
                                                      const std::map<std::wstring, Scripted>& script) {
  std::vector<Asked> asked;
  std::multimap<std::uint64_t, std::size_t> underWay;  // finish time -> index
  std::size_t most = 0;
  std::uint64_t now = 5'000;
  while (true) {
    while (const auto ask = schedule.Next(now)) {
      const auto& name = schedule.Machines()[ask->index].displayName;
      asked.push_back({ask->target, now, ask->timeOutSeconds});
      underWay.emplace(now + script.at(name).takesMs, ask->index);
    }
    most = std::max(most, underWay.size());
    if (underWay.empty()) break;
    const auto [finish, index] = *underWay.begin();
    underWay.erase(underWay.begin());
    now = finish;
    const auto& scripted = script.at(schedule.Machines()[index].displayName);
    schedule.Answered(index, {scripted.refusal.empty(), scripted.refusal});
  }
  return {asked, most};
}

std::vector<remote::MachineChoice> Room(const std::vector<std::wstring>& names) {
  std::vector<remote::MachineChoice> room;
  for (const auto& name : names) room.push_back(remote::ChooseMachine(name));
  return room;
}

// 100 machines, 20 that refuse after 20 s: never more than 32 at once, each
// asked once, and the whole room answered in little more than its slowest.
TEST(RoomSchedule, AskSideBySideUnderTheBound) {
  std::vector<std::wstring> names;
  std::map<std::wstring, Scripted> script;
  for (int i = 0; i < 100; ++i) {
    names.push_back(L"pc" + std::to_wstring(i));
    script[names.back()] =
        i % 5 == 0 ? Scripted{20'000, L"ネットワーク パスが見つかりません。(53)"} : Scripted{50, L""};
  }
  remote::RoomSchedule schedule(Room(names), remote::kMostRequestsAtOnce, 60);
  const auto [asked, most] = AskTheRoom(schedule, script);
  EXPECT_EQ(most, 32u);
  ASSERT_EQ(asked.size(), 100u);
  std::vector<std::wstring> targets;
  for (const auto& a : asked) targets.push_back(a.target);
  EXPECT_EQ(targets, names) << "each once, in the list's order";
  EXPECT_LE(asked.back().atMs - asked.front().atMs, 1'000u);
  EXPECT_TRUE(schedule.Done());
  EXPECT_EQ(schedule.AcceptedCount(), 80u);
  const auto refusals = schedule.Refusals();
  ASSERT_EQ(refusals.size(), 1u);
  EXPECT_EQ(refusals[0].machines.size(), 20u);
  EXPECT_EQ(refusals[0].machines[1], L"pc5");
}

// The local machine goes last, after every other machine has answered, and
// each machine's time-out is the room's less the whole seconds since the
// first request left, never below 0.
TEST(RoomSchedule, TheLocalMachineLastAndTheTimeOutShared) {
  struct Case {
    std::uint32_t timeOut;
    std::uint64_t slowMs;
    std::vector<std::uint32_t> timeOuts;  // srv-a, srv-b, srv-slow, srv-late (after a bound of 3), local
  };
  const Case cases[] = {
      {30, 2'500, {30, 30, 30, 30, 28}},
      {30, 999, {30, 30, 30, 30, 30}},
      {5, 7'000, {5, 5, 5, 5, 0}},
      {0, 3'000, {0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.slowMs);
    remote::RoomSchedule schedule(Room({L"ローカルマシン", L"srv-a", L"srv-b", L"srv-slow", L"srv-late"}), 3,
                                  c.timeOut);
    const auto [asked, most] = AskTheRoom(schedule, {{L"ローカルマシン", {10, L""}},
                                                     {L"srv-a", {100, L""}},
                                                     {L"srv-b", {100, L"アクセスが拒否されました。(5)"}},
                                                     {L"srv-slow", {c.slowMs, L""}},
                                                     {L"srv-late", {10, L""}}});
    EXPECT_EQ(most, 3u);
    ASSERT_EQ(asked.size(), 5u);
    EXPECT_EQ(asked.back().target, L"") << "the local machine last";
    EXPECT_GE(asked.back().atMs, asked.front().atMs + c.slowMs) << "after the slowest has answered";
    std::vector<std::uint32_t> timeOuts;
    for (const auto& a : asked) timeOuts.push_back(a.timeOut);
    EXPECT_EQ(timeOuts, c.timeOuts);
  }
}

TEST(RoomSchedule, SummaryGroupsTheRefusalsByTheirText) {
  remote::RoomSchedule schedule(Room({L"a", L"b", L"c", L"d", L"ローカルマシン"}), 32, 0);
  const std::map<std::wstring, Scripted> script{{L"a", {10, L"ネットワーク パスが見つかりません。(53)"}},
                                                {L"b", {10, L""}},
                                                {L"c", {5, L"RPC サーバーを利用できません。(1722)"}},
                                                {L"d", {20, L"ネットワーク パスが見つかりません。(53)"}},
                                                {L"ローカルマシン", {10, L"不明なｴﾗｰが発生しました(0)"}}};
  AskTheRoom(schedule, script);
  EXPECT_EQ(remote::RoomSummaryText(remote::RoomAction::ShutDown, schedule),
            L"1台が受け付けました。4台が受け付けませんでした。\n\n"
            L"ネットワーク パスが見つかりません。(53)\na、d\n\n"
            L"RPC サーバーを利用できません。(1722)\nc\n\n"
            L"不明なｴﾗｰが発生しました(0)\nローカルマシン");
  EXPECT_THAT(schedule.Accepted(), ::testing::SizeIs(1));

  remote::RoomSchedule allAborted(Room({L"a", L"b"}), 32, 0);
  AskTheRoom(allAborted, {{L"a", {1, L""}}, {L"b", {1, L""}}});
  EXPECT_FALSE(allAborted.AnyRefused());
  EXPECT_EQ(remote::RoomSummaryText(remote::RoomAction::Abort, allAborted),
            L"2台が中止を受け付けました。0台が受け付けませんでした。");
}

TEST(RoomSchedule, AnAnswerCountsOnceAndAnEmptyRoomIsDone) {
  remote::RoomSchedule schedule(Room({L"a"}), 32, 0);
  ASSERT_TRUE(schedule.Next(0));
  schedule.Answered(0, {true, L""});
  schedule.Answered(0, {false, L"x"});
  schedule.Answered(7, {false, L"x"});
  EXPECT_EQ(schedule.AnsweredCount(), 1u);
  EXPECT_EQ(schedule.AcceptedCount(), 1u);
  EXPECT_TRUE(remote::RoomSchedule({}, 32, 0).Done());
}

}  // namespace
