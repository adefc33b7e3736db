#pragma once
// What Windows says of resolutions: the system's, the one a window is shown
// at, the frame it draws around a window at one, and the message font at
// one. The calls Windows 10 added are looked up at run time, never
// imported, so the programs still start on Windows 7, where every window is
// at the system's resolution. Windows build only.
#include <windows.h>

namespace ui {

// The resolution of the screen when the program started: the one of every
// window where Windows gives no other. Read once.
int SystemDpi();

// The resolution Windows shows a window at now (GetDpiForWindow), the
// system's where Windows cannot tell.
int DpiWindowsGives(HWND window);

// The outer size of a window of that style around a client area of that
// size, with the frame Windows draws at that resolution.
SIZE OuterSizeAtDpi(SIZE client, DWORD style, DWORD exStyle, int dpi);

// The message font at that resolution, as large as the user's text size
// makes it.
LOGFONTW MessageFontAtDpi(int dpi);

}  // namespace ui
