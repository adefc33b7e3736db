#include "remote/ConsoleInputs.h"

#include <gtest/gtest.h>

namespace {

TEST(TimeOutFromStored, WrittenValuesReadBack) {
  for (int seconds : {0, 5, 30, 299, 300})
    EXPECT_EQ(remote::TimeOutFromStored(std::to_wstring(seconds)), seconds);
}

TEST(TimeOutFromStored, OutOfRangeIsClampedAndNonNumbersGiveZero) {
  EXPECT_EQ(remote::TimeOutFromStored(L"301"), 300);
  EXPECT_EQ(remote::TimeOutFromStored(L"99999999999999999999999"), 300);
  EXPECT_EQ(remote::TimeOutFromStored(L"-1"), 0);
  EXPECT_EQ(remote::TimeOutFromStored(L"-99999999999999999999999"), 0);
  EXPECT_EQ(remote::TimeOutFromStored(L" 45 "), 45);
  EXPECT_EQ(remote::TimeOutFromStored(L"+45"), 45);
  for (const wchar_t* bad : {L"", L"   ", L"abc", L"12x", L"1 2", L"-", L"3.5", L"３０"})
    EXPECT_EQ(remote::TimeOutFromStored(bad), 0) << bad;
}

TEST(CheckedFromStored, ZeroAndOneReadBackOtherNumbersCheckNonNumbersClear) {
  EXPECT_FALSE(remote::CheckedFromStored(L"0"));
  EXPECT_TRUE(remote::CheckedFromStored(L"1"));
  for (const wchar_t* other : {L"2", L"-1", L"00001", L"77777777777777777777"})
    EXPECT_TRUE(remote::CheckedFromStored(other)) << other;
  for (const wchar_t* bad : {L"", L"True", L"yes", L"1a"})
    EXPECT_FALSE(remote::CheckedFromStored(bad)) << bad;
}

TEST(TimeOutCaption, SecondsFollowedBySeconds) {
  EXPECT_EQ(remote::TimeOutCaption(0), L"0秒");
  EXPECT_EQ(remote::TimeOutCaption(30), L"30秒");
  EXPECT_EQ(remote::TimeOutCaption(300), L"300秒");
}

}  // namespace
