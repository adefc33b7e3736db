#pragma once
// The calls the backdrop takes its picture of the screen with. They go through
// this interface so a test can watch them and make the desktop's device
// context fail. Windows build only.
#include <windows.h>

namespace launcher {

class ScreenCapture {
 public:
  virtual ~ScreenCapture() = default;
  virtual HWND GetDesktopWindow() = 0;
  virtual HDC GetDC(HWND window) = 0;
  virtual int ReleaseDC(HWND window, HDC dc) = 0;
  virtual BOOL BitBlt(HDC target, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                      DWORD rasterOperation) = 0;
};

// The real capture, forwarding to user32 and gdi32.
ScreenCapture& DesktopScreenCapture();

}  // namespace launcher
