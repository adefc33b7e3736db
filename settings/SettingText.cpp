#include "settings/SettingText.h"

#include <algorithm>
#include <cwctype>
#include <limits>

namespace settings {
namespace {

std::wstring_view Trimmed(std::wstring_view text) {
  const auto blank = [](wchar_t c) { return c == L' ' || c == L'\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool EqualsIgnoringCase(std::wstring_view text, std::wstring_view word) {
  if (text.size() != word.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (std::towlower(text[i]) != std::towlower(word[i])) return false;
  }
  return true;
}

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Splits "[+|-]digits" into its sign and digits; nullopt for anything else.
struct SignedDigits {
  bool negative = false;
  std::wstring_view digits;
};
std::optional<SignedDigits> SplitInteger(std::wstring_view text) {
  SignedDigits result;
  if (!text.empty() && (text.front() == L'+' || text.front() == L'-')) {
    result.negative = text.front() == L'-';
    text.remove_prefix(1);
  }
  if (text.empty() || !std::all_of(text.begin(), text.end(), IsDigit)) return std::nullopt;
  result.digits = text;
  return result;
}

}  // namespace

std::wstring BoolToText(bool value) { return value ? L"True" : L"False"; }

std::wstring Int16ToText(std::int16_t value) { return std::to_wstring(value); }

std::optional<bool> TextToBool(std::wstring_view text) {
  text = Trimmed(text);
  if (EqualsIgnoringCase(text, L"true")) return true;
  if (EqualsIgnoringCase(text, L"false")) return false;
  const auto number = SplitInteger(text);
  if (!number) return std::nullopt;
  // Any length of digits: only whether one of them is non-zero matters.
  return number->digits.find_first_not_of(L'0') != std::wstring_view::npos;
}

std::optional<std::int16_t> TextToInt16(std::wstring_view text) {
  const auto number = SplitInteger(Trimmed(text));
  if (!number) return std::nullopt;
  // Accumulate with a bound, so a long run of digits cannot overflow.
  constexpr long limit = static_cast<long>(std::numeric_limits<std::int16_t>::max()) + 1;
  long magnitude = 0;
  for (wchar_t c : number->digits) {
    magnitude = magnitude * 10 + (c - L'0');
    if (magnitude > limit) return std::nullopt;
  }
  const long value = number->negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<std::int16_t>::max()) return std::nullopt;
  return static_cast<std::int16_t>(value);
}

}  // namespace settings
