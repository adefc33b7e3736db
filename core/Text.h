#pragma once
// The text rules every program reads its input by: what a blank is, and how a
// decimal number is read. Written once so the command line, the launcher's
// settings and Velmar's stored inputs cannot drift apart.
#include <cstdint>
#include <optional>
#include <string_view>

namespace core {

// A space or a tab.
bool IsBlank(wchar_t c);

// The text without the blanks at either end.
std::wstring_view TrimBlanks(std::wstring_view text);

// A decimal integer with an optional sign, blanks around it allowed; nothing
// for any other text. A long run of digits stops growing once it is far
// beyond every range the callers check (kDecimalCeiling), so it never
// overflows and never comes back as zero.
inline constexpr std::int64_t kDecimalCeiling = 1'000'000'000'000;
std::optional<std::int64_t> ParseDecimal(std::wstring_view text);

}  // namespace core
