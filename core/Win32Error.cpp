#include "core/Win32Error.h"

#include "core/Text.h"

namespace core {

std::wstring Win32ErrorText(const Win32Error& error) {
  // Function names are ASCII.
  std::wstring text;
  for (const char* c = error.call; *c != '\0'; ++c)
    text += static_cast<wchar_t>(static_cast<unsigned char>(*c));
  text += L" (";
  text += Decimal(error.code);
  return text + L")";
}

}  // namespace core
