#include "settings/SettingText.h"

#include <gtest/gtest.h>

namespace settings {
namespace {

TEST(SettingText, WritesBooleansAsWordsAndNumbersInDecimal) {
  EXPECT_EQ(BoolToText(true), L"True");
  EXPECT_EQ(BoolToText(false), L"False");
  EXPECT_EQ(Int16ToText(0), L"0");
  EXPECT_EQ(Int16ToText(3), L"3");
  EXPECT_EQ(Int16ToText(-32768), L"-32768");
  EXPECT_EQ(Int16ToText(32767), L"32767");
}

TEST(SettingText, ReadsBooleanWordsInAnyCase) {
  for (const wchar_t* text : {L"True", L"true", L"TRUE", L"tRuE", L" True "}) {
    EXPECT_EQ(TextToBool(text), true) << "text " << testing::PrintToString(std::wstring(text));
  }
  for (const wchar_t* text : {L"False", L"false", L"FALSE", L"fAlSe", L"\tFalse"}) {
    EXPECT_EQ(TextToBool(text), false) << "text " << testing::PrintToString(std::wstring(text));
  }
}

TEST(SettingText, ReadsNumbersAsBooleansNonZeroBeingTrue) {
  EXPECT_EQ(TextToBool(L"0"), false);
  EXPECT_EQ(TextToBool(L"-0"), false);
  EXPECT_EQ(TextToBool(L"000"), false);
  EXPECT_EQ(TextToBool(L"1"), true);
  EXPECT_EQ(TextToBool(L"-1"), true);
  EXPECT_EQ(TextToBool(L"+2"), true);
  EXPECT_EQ(TextToBool(L"99999999999999999999"), true);
}

TEST(SettingText, RefusesBooleansThatAreNeitherWordNorNumber) {
  for (const wchar_t* text : {L"", L"  ", L"yes", L"Tru", L"Truee", L"1.0", L"-", L"1x", L"T rue"}) {
    EXPECT_EQ(TextToBool(text), std::nullopt) << "text " << testing::PrintToString(std::wstring(text));
  }
}

TEST(SettingText, ReadsSixteenBitIntegers) {
  EXPECT_EQ(TextToInt16(L"0"), 0);
  EXPECT_EQ(TextToInt16(L"2"), 2);
  EXPECT_EQ(TextToInt16(L"+7"), 7);
  EXPECT_EQ(TextToInt16(L"-1"), -1);
  EXPECT_EQ(TextToInt16(L"007"), 7);
  EXPECT_EQ(TextToInt16(L" 3 "), 3);
  EXPECT_EQ(TextToInt16(L"32767"), 32767);
  EXPECT_EQ(TextToInt16(L"-32768"), -32768);
}

TEST(SettingText, RefusesIntegersOutOfRangeOrMalformed) {
  for (const wchar_t* text : {L"32768", L"-32769", L"65535", L"99999999999999999999", L"", L" ", L"+", L"-",
                              L"True", L"1.5", L"0x10", L"1 2", L"3a", L"１"}) {
    EXPECT_EQ(TextToInt16(text), std::nullopt) << "text " << testing::PrintToString(std::wstring(text));
  }
}

TEST(SettingText, WrittenValuesReadBack) {
  for (int value = -32768; value <= 32767; value += 1111) {
    const auto number = static_cast<std::int16_t>(value);
    EXPECT_EQ(TextToInt16(Int16ToText(number)), number);
  }
  EXPECT_EQ(TextToBool(BoolToText(true)), true);
  EXPECT_EQ(TextToBool(BoolToText(false)), false);
}

}  // namespace
}  // namespace settings
