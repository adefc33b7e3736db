#pragma once
// The message loops: the program's own and the nested ones of a window shown
// modally. They dispatch every message of the thread, so timers, the
// system's setting broadcasts and the end-of-session messages reach all the
// program's windows while a modal window is up.
#include <windows.h>

namespace ui {

class Window;

// Gives a message the keyboard handling of its top-level window, then its
// window procedure; rethrows what a handler raised meanwhile.
void DispatchOne(MSG& message);

// Runs until WM_QUIT and answers its exit code.
int RunMessageLoop();

// Shows an open window modally (Window::ShowModal) and returns once it is
// gone. A WM_QUIT ends the wait and is passed on to the loop outside. When
// something raises an error the window goes and the error goes to the caller.
void RunModal(Window& window);

// Runs the program's messages for a while under a window shown modally: the
// time it takes to be painted before the next window comes over it. True
// when the time has passed with the window still up; false when it went, or
// a WM_QUIT came (passed on).
bool RunModalFor(const Window& window, UINT milliseconds);

}  // namespace ui
