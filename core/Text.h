#pragma once
// The text rules every program reads its input by: what a blank is, and how a
// decimal number is read and written. Written once so the command line, the
// launcher's settings and Velmar's stored inputs cannot drift apart. Nothing
// here allocates or throws, so dovra, built without either, uses it too.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace core {

// A space or a tab.
bool IsBlank(wchar_t c);

// The text without the blanks at either end.
std::wstring_view TrimBlanks(std::wstring_view text);

// a to z as A to Z, every other character as it is: an option letter or a
// drive letter is ASCII, whatever else the text holds.
wchar_t AsciiUpper(wchar_t c);

// A decimal integer with an optional sign, blanks around it allowed; nothing
// for any other text. A long run of digits stops growing once it is far
// beyond every range the callers check (kDecimalCeiling), so it never
// overflows and never comes back as zero.
inline constexpr std::int64_t kDecimalCeiling = 1'000'000'000'000;
std::optional<std::int64_t> ParseDecimal(std::wstring_view text);

// Text built in place, in an array of its own: what goes beyond Capacity
// characters is cut off. It is always NUL-terminated, and reads as a
// std::wstring_view, so a std::wstring can take it with += or its constructor.
template <std::size_t Capacity>
class FixedText {
 public:
  FixedText& operator+=(std::wstring_view part) {
    const std::size_t taken = std::min(part.size(), Capacity - length_);
    std::copy_n(part.data(), taken, text_ + length_);
    length_ += taken;
    text_[length_] = L'\0';
    return *this;
  }
  FixedText& operator+=(wchar_t c) { return *this += std::wstring_view(&c, 1); }
  operator std::wstring_view() const { return {text_, length_}; }
  const wchar_t* CStr() const { return text_; }

 private:
  wchar_t text_[Capacity + 1] = {};
  std::size_t length_ = 0;
};

// A whole number in decimal digits, a minus sign before a negative one:
// what std::to_wstring gives, without the C library's printf behind it.
FixedText<20> Decimal(std::int64_t value);

// The lower-case hexadecimal digits of a number, zeros before them up to
// width digits.
FixedText<8> HexDigits(std::uint32_t value, std::size_t width);

}  // namespace core
