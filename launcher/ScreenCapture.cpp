#include "launcher/ScreenCapture.h"

namespace launcher {
namespace {

class Win32ScreenCapture : public ScreenCapture {
 public:
  HWND GetDesktopWindow() override { return ::GetDesktopWindow(); }
  HDC GetDC(HWND window) override { return ::GetDC(window); }
  int ReleaseDC(HWND window, HDC dc) override { return ::ReleaseDC(window, dc); }
  BOOL BitBlt(HDC target, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
              DWORD rasterOperation) override {
    return ::BitBlt(target, x, y, width, height, source, sourceX, sourceY, rasterOperation);
  }
};

}  // namespace

ScreenCapture& DesktopScreenCapture() {
  static Win32ScreenCapture capture;
  return capture;
}

}  // namespace launcher
