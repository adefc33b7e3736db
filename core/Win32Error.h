#pragma once
// The one error type of the programs: a Windows call that failed, named, with
// the error code it left; or one the program did not make because it could
// only fail (a window created twice, a timer without its window), named with
// the code Windows gives for that. It is thrown by value and carries no
// text: the text a user sees is built where it is caught, at the edge of the
// program. It derives from no standard exception class, whose code the
// programs would otherwise carry for nothing.
#include <cstdint>
#include <string>

namespace core {

struct Win32Error {
  const char* call;  // the Windows function, as written in its documentation
  std::uint32_t code;
};

// Throws the failure of a call with the code it left (read at once after the
// call), or one the program names for a call it did not make.
[[noreturn]] void ThrowWin32Error(const char* call, std::uint32_t code);

// The call and the code as a user is shown them: "CreateWindowExW (1406)".
std::wstring Win32ErrorText(const Win32Error& error);

// Text the programs or the C++ library wrote in ASCII (a call's name, what()
// of a standard exception) as wide text; a byte beyond ASCII, which such a
// text should not hold, shows as '?'.
std::wstring WidenAscii(const char* text);

}  // namespace core
