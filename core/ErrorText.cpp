#include "core/ErrorText.h"

#include "core/Text.h"

namespace core {

std::wstring ErrorText(std::int32_t code, std::wstring_view systemText) {
  std::wstring text =
      code != 0 && !systemText.empty() ? std::wstring(systemText) : std::wstring(L"不明なｴﾗｰが発生しました");
  return text + L"(" + std::wstring(Decimal(code)) + L")";
}

}  // namespace core
