#include "settings/StoredValue.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace settings {
namespace {

constexpr std::uint32_t kNone = 0, kExpandText = 2, kBinary = 3, kNumber = 4, kTexts = 7, kWideNumber = 11;

// The bytes exactly as the registry hands them over, in a buffer of their own
// size, so that AddressSanitizer sees any read past them.
std::optional<std::wstring> Read(std::uint32_t type, std::vector<std::uint8_t> bytes) {
  return TextOfStoredBytes(type, bytes.data(), bytes.size());
}

TEST(TextOfStoredBytes, TextAsTheProgramsWriteIt) {
  EXPECT_EQ(Read(kTextValueType, {'3', 0, 0, 0}), L"3");
  EXPECT_EQ(Read(kTextValueType, {0, 0}), L"") << "an empty text with its terminator";
  EXPECT_EQ(Read(kTextValueType, {}), L"") << "an empty text without one";
  // Little-endian code units, a pair of surrogates kept as it is.
  EXPECT_EQ(Read(kTextValueType, {0xB5, 0x30, 0x3D, 0xD8, 0x00, 0xDE, 0, 0}), L"\u30B5\xD83D\xDE00");
}

TEST(TextOfStoredBytes, BrokenTextReadsAsFarAsItHoldsWholeCharacters) {
  EXPECT_EQ(Read(kTextValueType, {'1', 0, '2', 0}), L"12") << "no terminator";
  EXPECT_EQ(Read(kTextValueType, {'3', 0, '1'}), L"3") << "an odd length: the stray byte goes";
  EXPECT_EQ(Read(kTextValueType, {'3'}), std::nullopt) << "one byte: not even a terminator, so no text";
  EXPECT_EQ(Read(kTextValueType, {0, 0, '3'}), L"") << "an empty text with a stray byte after it";
  EXPECT_EQ(Read(kTextValueType, {'3', 0, 0, 0, '2', 0, 0, 0}), L"3") << "a NUL inside ends the text";
  EXPECT_EQ(Read(kTextValueType, {0, 'A', 0, 0}), L"\u4100") << "a zero byte is no NUL by itself";
}

TEST(TextOfStoredBytes, OtherTypesAreNoText) {
  const std::vector<std::uint8_t> bytes{'5', 0, 0, 0, 0, 0, 0, 0};
  for (const std::uint32_t type : {kNone, kExpandText, kBinary, kNumber, kTexts, kWideNumber, 0xFFFFFFFFu}) {
    EXPECT_EQ(Read(type, bytes), std::nullopt) << "type " << type;
    EXPECT_EQ(Read(type, {}), std::nullopt) << "type " << type << ", no bytes";
  }
}

TEST(TextOfStoredBytes, TextUpToTheRegistrysLimitAndNoFurther) {
  std::vector<std::uint8_t> largest(kLargestStoredValue, 'x');
  for (std::size_t i = 1; i < largest.size(); i += 2) largest[i] = 0;
  const auto text = Read(kTextValueType, largest);
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(text->size(), kLargestStoredValue / 2);
  EXPECT_EQ(text->find_first_not_of(L'x'), std::wstring::npos);

  largest.push_back(0);
  largest.push_back(0);
  EXPECT_EQ(Read(kTextValueType, largest), std::nullopt) << "beyond the limit, even with a terminator";
}

}  // namespace
}  // namespace settings
