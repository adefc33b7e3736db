#pragma once
// Twips at the system's resolution: conversions with the pixels per inch
// the screen had when the program started (LOGPIXELSX and LOGPIXELSY), not
// an assumed 96, for what stands where Windows gives no resolution of its
// own. A window's places use the window's own resolution (ui/Window.h).
#include <windows.h>

#include "ui/Twips.h"

namespace ui {

struct PixelsPerInch {
  int x = 96;
  int y = 96;
};

PixelsPerInch ScreenPixelsPerInch();

int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);
int PixelsToTwipsX(int pixels);
int PixelsToTwipsY(int pixels);

// Converts the edges rather than the size, so two rectangles that share an
// edge in twips share it in pixels too.
RECT TwipsToPixels(const TwipsRect& rect);
RECT TwipsToPixels(const TwipsRect& rect, int pixelsPerInch);

// The pixels per inch a window is shown at: its top-level window's own
// resolution where it is one of the toolkit's, else what Windows says of it
// (Windows 10 on), else the system's.
int DpiOf(HWND window);

}  // namespace ui
