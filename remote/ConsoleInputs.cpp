#include "remote/ConsoleInputs.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "core/Text.h"

namespace remote {
int TimeOutFromStored(std::wstring_view stored) {
  const auto number = core::ParseDecimal(stored);
  if (!number) return ConsoleInputs{}.timeOut;
  return static_cast<int>(std::clamp<std::int64_t>(*number, kMinTimeOut, kMaxTimeOut));
}

bool CheckedFromStored(std::wstring_view stored) {
  const auto number = core::ParseDecimal(stored);
  return number && *number != 0;
}

std::wstring CheckedToStored(bool checked) { return checked ? L"1" : L"0"; }

std::wstring TimeOutCaption(int seconds) { return std::wstring(core::Decimal(seconds)) + L"秒"; }

}  // namespace remote
