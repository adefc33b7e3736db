#include "remote/ConsoleInputs.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace remote {
namespace {

// A decimal integer with an optional sign, spaces around it allowed. Long
// digit strings stop growing far beyond any range the settings check.
std::optional<std::int64_t> ParseNumber(std::wstring_view text) {
  const auto first = text.find_first_not_of(L' ');
  if (first == std::wstring_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(L' ') - first + 1);
  bool negative = false;
  if (text.front() == L'+' || text.front() == L'-') {
    negative = text.front() == L'-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  constexpr std::int64_t kCeiling = 1'000'000'000'000;
  std::int64_t value = 0;
  for (const wchar_t c : text) {
    if (c < L'0' || c > L'9') return std::nullopt;
    if (value < kCeiling) value = value * 10 + (c - L'0');
  }
  return negative ? -value : value;
}

}  // namespace

int TimeOutFromStored(std::wstring_view stored) {
  const auto number = ParseNumber(stored);
  if (!number) return ConsoleInputs{}.timeOut;
  return static_cast<int>(std::clamp<std::int64_t>(*number, kMinTimeOut, kMaxTimeOut));
}

int CheckStateFromStored(std::wstring_view stored) {
  const auto number = ParseNumber(stored);
  if (!number) return 0;
  return *number == 0 ? 0 : 1;
}

std::wstring TimeOutCaption(int seconds) { return std::to_wstring(seconds) + L"秒"; }

}  // namespace remote
