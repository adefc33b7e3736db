#pragma once
// Twips on this screen: conversions with the pixels per inch that the screen
// really has (LOGPIXELSX and LOGPIXELSY), not an assumed 96.
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

// The pixels per inch a window is shown at: the resolution its top-level
// window was last moved to (ui::Window::MovedToDpi), else what Windows says
// of its monitor (Windows 10 on), else the screen's.
int DpiOf(HWND window);

}  // namespace ui
