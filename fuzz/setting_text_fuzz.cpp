// The launcher's stored settings as text, whatever a user or an older version
// left in the registry: every value that reads must read back the same from
// what the program writes for it, and a number reads exactly when it is a
// decimal integer of 16 bits.
#include <algorithm>
#include <cstdint>
#include <string>

#include "fuzz/FuzzInput.h"
#include "settings/SettingText.h"

namespace {

std::wstring AsciiLower(std::wstring text) {
  std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
  });
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using fuzz::Require;
  const std::wstring stored = fuzz::WideText(data, size);
  const fuzz::Decimal decimal = fuzz::ReadDecimal(stored);

  const auto number = settings::TextToInt16(stored);
  const auto expected = fuzz::DecimalWithin(decimal, -32768, 32767);
  Require(number.has_value() == expected.has_value(), "a number reads when it is a 16-bit decimal");
  if (number) {
    Require(*number == *expected, "a number reads as its decimal value");
    Require(settings::TextToInt16(settings::Int16ToText(*number)) == number,
            "a number reads back as written");
  }

  const auto flag = settings::TextToBool(stored);
  if (decimal.isNumber) {
    Require(flag == (decimal.magnitude != L"0"), "a decimal of any length is a Boolean: non-zero is True");
  }
  if (flag) {
    const std::wstring written = settings::BoolToText(*flag);
    Require(written == L"True" || written == L"False", "a Boolean is written True or False");
    Require(settings::TextToBool(written) == flag, "a Boolean reads back as written");
    Require(decimal.isNumber || AsciiLower(std::wstring(fuzz::TrimBlanks(stored))) == AsciiLower(written),
            "only numbers and the two words, in any case, are Booleans");
  }
  return 0;
}
