#include "ui/Resolution.h"

namespace ui {
namespace {

template <typename Function>
Function User32Export(const char* name) {
  // GetProcAddress hands back a generic pointer; each caller names the documented signature.
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

int SystemDpi() {
  static const int dpi = [] {
    const HDC screen = GetDC(nullptr);
    const int pixelsPerInch = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return pixelsPerInch > 0 ? pixelsPerInch : USER_DEFAULT_SCREEN_DPI;
  }();
  return dpi;
}

int DpiWindowsGives(HWND window) {
  using Query = UINT(WINAPI*)(HWND);
  static const auto query = User32Export<Query>("GetDpiForWindow");
  const UINT dpi = query && window ? query(window) : 0;
  return dpi != 0 ? static_cast<int>(dpi) : SystemDpi();
}

SIZE OuterSizeAtDpi(SIZE client, DWORD style, DWORD exStyle, int dpi) {
  using Adjust = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjust = User32Export<Adjust>("AdjustWindowRectExForDpi");
  RECT frame{0, 0, client.cx, client.cy};
  if (!adjust || !adjust(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi)))
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

LOGFONTW MessageFontAtDpi(int dpi) {
  using Metrics = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);
  static const auto metricsForDpi = User32Export<Metrics>("SystemParametersInfoForDpi");
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (metricsForDpi &&
      metricsForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi)))
    return metrics.lfMessageFont;
  // The system's font is for the system's resolution; another one scales its height.
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, SystemDpi());
  return metrics.lfMessageFont;
}

}  // namespace ui
