#include "core/Text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace core {
namespace {

TEST(TrimBlanks, TakesSpacesAndTabsOffBothEndsOnly) {
  EXPECT_EQ(TrimBlanks(L" \t /S \t"), L"/S");
  EXPECT_EQ(TrimBlanks(L"a b"), L"a b");
  EXPECT_EQ(TrimBlanks(L" \t "), L"");
  EXPECT_EQ(TrimBlanks(L""), L"");
  EXPECT_EQ(TrimBlanks(L"\r\n1\r\n"), L"\r\n1\r\n") << "line breaks are not blanks";
  EXPECT_EQ(TrimBlanks(L"\x3000x"), L"\x3000x") << "nor is the ideographic space";
}

TEST(AsciiUpper, RaisesOnlyTheAsciiLetters) {
  EXPECT_EQ(AsciiUpper(L'a'), L'A');
  EXPECT_EQ(AsciiUpper(L'z'), L'Z');
  EXPECT_EQ(AsciiUpper(L'E'), L'E');
  EXPECT_EQ(AsciiUpper(L'/'), L'/');
  EXPECT_EQ(AsciiUpper(L'\u017F'), L'\u017F') << "the long s is no s";
  EXPECT_EQ(AsciiUpper(L'\uFF53'), L'\uFF53') << "nor is the full-width s";
}

TEST(ParseDecimal, ReadsASignedNumberWithBlanksAround) {
  EXPECT_EQ(ParseDecimal(L"45"), 45);
  EXPECT_EQ(ParseDecimal(L" -7\t"), -7);
  EXPECT_EQ(ParseDecimal(L"+0012"), 12);
  EXPECT_EQ(ParseDecimal(L"-0"), 0);
}

TEST(ParseDecimal, RefusesWhatIsNotOneNumber) {
  for (const wchar_t* text : {L"", L" ", L"+", L"-", L"1.5", L"1 2", L"12a", L"0x10", L"--1", L"１２"}) {
    EXPECT_EQ(ParseDecimal(text), std::nullopt) << std::wstring(text).size();
  }
}

TEST(ParseDecimal, LongDigitRunsStayFarOutOfRangeWithoutOverflowing) {
  const auto huge = ParseDecimal(std::wstring(400, L'9'));
  ASSERT_TRUE(huge.has_value());
  EXPECT_GE(*huge, kDecimalCeiling);
  const auto negative = ParseDecimal(L"-" + std::wstring(400, L'9'));
  ASSERT_TRUE(negative.has_value());
  EXPECT_LE(*negative, -kDecimalCeiling);
  EXPECT_EQ(ParseDecimal(std::wstring(300, L'0') + L"1"), 1) << "leading zeros count for nothing";
  EXPECT_NE(ParseDecimal(L"1" + std::wstring(300, L'0')), 0) << "a long number never wraps to zero";
}

TEST(Decimal, WritesWhatToWstringWritesOverTheWholeRange) {
  for (const std::int64_t value : {std::int64_t{0}, std::int64_t{7}, std::int64_t{-7}, std::int64_t{10},
                                   std::int64_t{4294967295}, std::int64_t{-32768},
                                   std::numeric_limits<std::int64_t>::max(),
                                   std::numeric_limits<std::int64_t>::min()}) {
    EXPECT_EQ(std::wstring(Decimal(value)), std::to_wstring(value));
  }
}

TEST(HexDigits, PadsToTheWidthAndNeverCutsDigits) {
  EXPECT_EQ(std::wstring(HexDigits(0x411, 4)), L"0411");
  EXPECT_EQ(std::wstring(HexDigits(0x4b0, 4)), L"04b0");
  EXPECT_EQ(std::wstring(HexDigits(0, 4)), L"0000");
  EXPECT_EQ(std::wstring(HexDigits(0, 0)), L"0");
  EXPECT_EQ(std::wstring(HexDigits(0x12345, 4)), L"12345");
  EXPECT_EQ(std::wstring(HexDigits(0xffffffffu, 4)), L"ffffffff");
}

TEST(FixedText, CutsOffWhatDoesNotFitAndStaysTerminated) {
  FixedText<5> text;
  EXPECT_STREQ(text.CStr(), L"");
  text += L"abc";
  text += L'd';
  EXPECT_STREQ(text.CStr(), L"abcd");
  text += L"efg";
  EXPECT_EQ(std::wstring_view(text), L"abcde");
  EXPECT_STREQ(text.CStr(), L"abcde");
  text += L"h";
  EXPECT_EQ(std::wstring_view(text), L"abcde");
  std::wstring grown = L"x";
  grown += text;
  EXPECT_EQ(grown, L"xabcde");
}

}  // namespace
}  // namespace core
