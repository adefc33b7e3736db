#include "core/Win32Error.h"

#include "core/Text.h"

namespace core {

void ThrowWin32Error(const char* call, std::uint32_t code) { throw Win32Error{call, code}; }

std::wstring Win32ErrorText(const Win32Error& error) {
  std::wstring text = WidenAscii(error.call);
  text += L" (";
  text += Decimal(error.code);
  return text + L")";
}

std::wstring WidenAscii(const char* text) {
  std::wstring wide;
  for (const char* c = text; *c != '\0'; ++c)
    wide += static_cast<unsigned char>(*c) < 0x80 ? static_cast<wchar_t>(*c) : L'?';
  return wide;
}

}  // namespace core
