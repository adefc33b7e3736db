#include "launcher/Countdown.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/CallLog.h"

namespace {

using launcher::CountdownCaptions;
using launcher::CountdownCaptionsFor;
using launcher::NextCountdownStep;
using testing_support::Utf8;
using Mode = launcher::SessionEndMode;

constexpr int kGreen = 0;
constexpr int kYellow = 1;
constexpr int kRed = 2;

TEST(CountdownCaptions, EachModeNamesItsAction) {
  EXPECT_EQ(CountdownCaptionsFor(Mode::Shutdown), (CountdownCaptions{L"終了", L"秒後に終了します"}));
  EXPECT_EQ(CountdownCaptionsFor(Mode::Logoff), (CountdownCaptions{L"ログオフ", L"秒後にログオフします"}));
  EXPECT_EQ(CountdownCaptionsFor(Mode::Restart), (CountdownCaptions{L"再起動", L"秒後に再起動します"}));
  EXPECT_EQ(CountdownCaptionsFor(Mode::Standby),
            (CountdownCaptions{L"スタンバイ", L"秒後にスタンバイ状態になります"}));
}

TEST(CountdownCaptions, PowerOffReadsLikeShutDown) {
  EXPECT_EQ(CountdownCaptionsFor(Mode::PowerOff), CountdownCaptionsFor(Mode::Shutdown));
}

// The whole count as the dialog runs it: 10 set by Ask, one step shown on
// opening, then one per tick until the count runs out.
TEST(Countdown, RunsFromNineToZeroWithTheSignalTurningEveryStep) {
  struct Expected {
    const wchar_t* label;
    int lamp;
  };
  const std::vector<Expected> expected{{L"9秒後に再起動します", kGreen},  {L"8秒後に再起動します", kYellow},
                                       {L"7秒後に再起動します", kRed},    {L"6秒後に再起動します", kGreen},
                                       {L"5秒後に再起動します", kYellow}, {L"4秒後に再起動します", kRed},
                                       {L"3秒後に再起動します", kGreen},  {L"2秒後に再起動します", kYellow},
                                       {L"1秒後に再起動します", kRed},    {L"0秒後に再起動します", kGreen}};
  int count = launcher::kCountdownStart;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const auto step = NextCountdownStep(count, CountdownCaptionsFor(Mode::Restart).suffix);
    EXPECT_EQ(step.count, count - 1);
    EXPECT_EQ(Utf8(step.label), Utf8(expected[i].label));
    EXPECT_EQ(step.lamp, expected[i].lamp) << step.count;
    EXPECT_EQ(step.finished, i + 1 == expected.size()) << step.count;
    count = step.count;
  }
}

TEST(Countdown, PowerOffCountsLikeShutDown) {
  EXPECT_EQ(Utf8(NextCountdownStep(10, CountdownCaptionsFor(Mode::PowerOff).suffix).label),
            "9秒後に終了します");
}

TEST(Countdown, ACountOutsideNineToZeroLeavesTheSignalAlone) {
  EXPECT_EQ(launcher::SignalLamp(10), std::nullopt);
  EXPECT_EQ(launcher::SignalLamp(-1), std::nullopt);
  const auto fromEleven = NextCountdownStep(11, L"秒");
  EXPECT_EQ(Utf8(fromEleven.label), "10秒");
  EXPECT_EQ(fromEleven.lamp, std::nullopt);
  EXPECT_FALSE(fromEleven.finished);
}

TEST(Countdown, ACountAlreadyAtZeroStillEnds) {
  const auto step = NextCountdownStep(0, L"");
  EXPECT_EQ(step.lamp, std::nullopt);
  EXPECT_TRUE(step.finished);
}

}  // namespace
