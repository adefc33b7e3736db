#pragma once
// How a program with windows ends when the C++ runtime gives up (an exception
// that nothing caught, one thrown from a destructor during unwinding): at
// once, with the failure reported to Windows the way a crash is. The C++
// library's own handler would name the exception's type on a standard error
// these programs do not have, and end through the C runtime's abort, whose
// message box runs a message loop that could still reach the program's
// windows and timers.
namespace ui {

void EndAtOnceOnTerminate();

}  // namespace ui
