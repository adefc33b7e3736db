#include <windows.h>

#include "core/ErrorText.h"

namespace core {

std::wstring SystemErrorText(std::uint32_t code) {
  // One line, at most this long: the boxes show the text directly followed
  // by the code; a longer one counts as none.
  constexpr DWORD kLongest = 255;
  constexpr DWORD kFlags =
      FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_MAX_WIDTH_MASK;
  wchar_t buffer[kLongest + 1] = {};
  const DWORD stored = FormatMessageW(kFlags, nullptr, code, LANG_USER_DEFAULT, buffer, kLongest, nullptr);
  return std::wstring(buffer, stored);
}

}  // namespace core
