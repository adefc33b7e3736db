#include "remote/ErrorText.h"

#include "core/Text.h"

namespace remote {

std::wstring ErrorText(std::int32_t code, std::wstring_view systemText) {
  std::wstring text =
      code != 0 && !systemText.empty() ? std::wstring(systemText) : std::wstring(L"不明なｴﾗｰが発生しました");
  return text + L"(" + std::wstring(core::Decimal(code)) + L")";
}

std::wstring HandlerErrorText(std::wstring_view handler, std::wstring_view description, std::int32_t number) {
  return std::wstring(handler) + std::wstring(description) + L"(" + std::wstring(core::Decimal(number)) + L")";
}

}  // namespace remote
