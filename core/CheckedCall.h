#pragma once
// The one way a Windows call that must not fail is made: its result is
// handed on when it is a success, and its failure (a null handle, FALSE, a
// zero id) becomes a core::Win32Error with the call's name and the code the
// call left, read before anything else can replace it. Windows build only.
#include <windows.h>

#include "core/Win32Error.h"

namespace core {

template <typename Result>
Result CheckedCall(Result result, const char* call) {
  if (!result) ThrowWin32Error(call, GetLastError());
  return result;
}

// The failure of the call just made, with the code it left.
[[noreturn]] inline void ThrowLastError(const char* call) { ThrowWin32Error(call, GetLastError()); }

}  // namespace core
