#include "remote/ConsoleTexts.h"

namespace remote {

std::wstring WindowCaption(std::wstring_view comments, unsigned major, unsigned minor, unsigned revision) {
  return std::wstring(comments) + L"(Ver " + std::to_wstring(major) + L"." + std::to_wstring(minor) + L"." +
         std::to_wstring(revision) + L")";
}

std::wstring ConfirmationText(std::wstring_view displayName) {
  return std::wstring(displayName) + L"をシャットダウンします";
}

}  // namespace remote
