#pragma once
// The backdrop's screen-capture calls, recorded in order and passed on to
// Windows, so the picture a test gets is the real screen's. GetDC can be
// scripted to fail. Windows build only.
#include <windows.h>

#include <cstdint>

#include "launcher/ScreenCapture.h"
#include "testing/CallLog.h"

namespace testing_support {

inline std::string HandleText(const void* handle) { return Hex(reinterpret_cast<std::uintptr_t>(handle)); }

class FakeScreenCapture : public launcher::ScreenCapture {
 public:
  CallLog log;
  bool getDcFails = false;

  HWND GetDesktopWindow() override {
    const HWND desktop = ::GetDesktopWindow();
    log.Add("GetDesktopWindow");
    return desktop;
  }
  HDC GetDC(HWND window) override {
    log.Add("GetDC", HandleText(window));
    return getDcFails ? nullptr : ::GetDC(window);
  }
  int ReleaseDC(HWND window, HDC dc) override {
    log.Add("ReleaseDC", HandleText(window), HandleText(dc));
    return ::ReleaseDC(window, dc);
  }
  BOOL BitBlt(HDC target, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
              DWORD rasterOperation) override {
    log.Add("BitBlt", x, y, width, height, HandleText(source), sourceX, sourceY, Hex(rasterOperation));
    return ::BitBlt(target, x, y, width, height, source, sourceX, sourceY, rasterOperation);
  }
};

}  // namespace testing_support
