#pragma once
// Settings are stored as text: Booleans as "True"/"False", numbers in decimal.
// Reading is lenient where a hand-edited or older value is plainly meant (any
// letter case, 0/1/-1 for Booleans, blanks around the value) and refuses the
// rest, so the caller can fall back to its default.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace settings {

std::wstring BoolToText(bool value);
std::wstring Int16ToText(std::int16_t value);

// "True"/"False" in any case, or a decimal integer (non-zero is True).
std::optional<bool> TextToBool(std::wstring_view text);
// A decimal integer from -32768 to 32767, with an optional sign.
std::optional<std::int16_t> TextToInt16(std::wstring_view text);

}  // namespace settings
