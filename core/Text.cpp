#include "core/Text.h"

namespace core {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::wstring_view TrimBlanks(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

wchar_t AsciiUpper(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

std::optional<std::int64_t> ParseDecimal(std::wstring_view text) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == L'+' || text.front() == L'-')) {
    negative = text.front() == L'-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (const wchar_t c : text) {
    if (c < L'0' || c > L'9') return std::nullopt;
    if (value < kDecimalCeiling) value = value * 10 + (c - L'0');
  }
  return negative ? -value : value;
}

FixedText<20> Decimal(std::int64_t value) {
  // Digits are taken off the magnitude as unsigned, so the least int64 has one.
  std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  wchar_t reversed[20];
  std::size_t count = 0;
  do {
    reversed[count++] = static_cast<wchar_t>(L'0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  FixedText<20> text;
  if (value < 0) text += L'-';
  while (count != 0) text += reversed[--count];
  return text;
}

FixedText<8> HexDigits(std::uint32_t value, std::size_t width) {
  std::size_t count = 1;
  while (count < 8 && (value >> (4 * count)) != 0) ++count;
  FixedText<8> text;
  for (std::size_t zeros = std::min<std::size_t>(width, 8); zeros > count; --zeros) text += L'0';
  while (count != 0) text += L"0123456789abcdef"[(value >> (4 * --count)) & 0xf];
  return text;
}

}  // namespace core
