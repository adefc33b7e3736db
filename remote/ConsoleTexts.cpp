#include "remote/ConsoleTexts.h"

#include "core/Text.h"

namespace remote {

std::wstring WindowCaption(std::wstring_view comments, unsigned major, unsigned minor, unsigned revision) {
  std::wstring caption(comments);
  caption += L"(Ver ";
  caption += core::Decimal(major);
  caption += L".";
  caption += core::Decimal(minor);
  caption += L".";
  caption += core::Decimal(revision);
  return caption + L")";
}

std::wstring ConfirmationText(std::wstring_view displayName) {
  return std::wstring(displayName) + L"をシャットダウンします";
}

}  // namespace remote
