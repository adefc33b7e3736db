#pragma once
// What the bench and the tour see of a program's windows from another process
// of the same Wine prefix, timed on one clock.
#include <windows.h>

#include <functional>
#include <optional>

namespace bench {

// Milliseconds on the performance counter: the clock of every figure.
double NowMs();

// Checks <done> every two milliseconds until it holds: the time it first held,
// or nothing once <limitMs> have passed.
std::optional<double> Until(const std::function<bool()>& done, double limitMs);

// A visible top-level window of the class, of the process with that id (0: of
// any process).
HWND ShownWindow(const wchar_t* className, DWORD processId = 0);

// The window lies wholly on the primary screen, neither it nor a visible
// window inside it has anything left to paint, and its thread has come back to
// its message loop since (a sent message is answered only from there).
bool OnScreenAndPainted(HWND window);

}  // namespace bench
