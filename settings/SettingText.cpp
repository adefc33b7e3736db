#include "settings/SettingText.h"

#include <cwctype>
#include <limits>

#include "core/Text.h"

namespace settings {
namespace {

bool EqualsIgnoringCase(std::wstring_view text, std::wstring_view word) {
  if (text.size() != word.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (std::towlower(text[i]) != std::towlower(word[i])) return false;
  }
  return true;
}

}  // namespace

std::wstring BoolToText(bool value) { return value ? L"True" : L"False"; }

std::wstring Int16ToText(std::int16_t value) { return std::wstring(core::Decimal(value)); }

std::optional<bool> TextToBool(std::wstring_view text) {
  text = core::TrimBlanks(text);
  if (EqualsIgnoringCase(text, L"true")) return true;
  if (EqualsIgnoringCase(text, L"false")) return false;
  const auto number = core::ParseDecimal(text);
  if (!number) return std::nullopt;
  return *number != 0;
}

std::optional<std::int16_t> TextToInt16(std::wstring_view text) {
  const auto number = core::ParseDecimal(text);
  if (!number || *number < std::numeric_limits<std::int16_t>::min() ||
      *number > std::numeric_limits<std::int16_t>::max())
    return std::nullopt;
  return static_cast<std::int16_t>(*number);
}

}  // namespace settings
