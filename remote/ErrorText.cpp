#include "remote/ErrorText.h"

#include "core/Text.h"

namespace remote {

std::wstring HandlerErrorText(std::wstring_view handler, std::wstring_view description, std::int32_t number) {
  return std::wstring(handler) + std::wstring(description) + L"(" + std::wstring(core::Decimal(number)) +
         L")";
}

}  // namespace remote
