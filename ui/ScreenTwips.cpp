#include "ui/ScreenTwips.h"

#include "ui/Handles.h"
#include "ui/Window.h"

namespace ui {

PixelsPerInch ScreenPixelsPerInch() {
  const WindowDc screen(nullptr);
  PixelsPerInch ppi;
  if (screen.get()) {
    ppi.x = GetDeviceCaps(screen.get(), LOGPIXELSX);
    ppi.y = GetDeviceCaps(screen.get(), LOGPIXELSY);
  }
  return ppi;
}

int TwipsToPixelsX(int twips) { return TwipsToPixels(twips, ScreenPixelsPerInch().x); }
int TwipsToPixelsY(int twips) { return TwipsToPixels(twips, ScreenPixelsPerInch().y); }
int PixelsToTwipsX(int pixels) { return PixelsToTwips(pixels, ScreenPixelsPerInch().x); }
int PixelsToTwipsY(int pixels) { return PixelsToTwips(pixels, ScreenPixelsPerInch().y); }

RECT TwipsToPixels(const TwipsRect& rect) {
  const PixelsPerInch ppi = ScreenPixelsPerInch();
  return RECT{TwipsToPixels(rect.left, ppi.x), TwipsToPixels(rect.top, ppi.y),
              TwipsToPixels(rect.left + rect.width, ppi.x), TwipsToPixels(rect.top + rect.height, ppi.y)};
}

RECT TwipsToPixels(const TwipsRect& rect, int pixelsPerInch) {
  return RECT{TwipsToPixels(rect.left, pixelsPerInch), TwipsToPixels(rect.top, pixelsPerInch),
              TwipsToPixels(rect.left + rect.width, pixelsPerInch),
              TwipsToPixels(rect.top + rect.height, pixelsPerInch)};
}

namespace {

// GetDpiForWindow is Windows 10's: looked up, never imported, so the
// programs still start on Windows 7.
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
GetDpiForWindowFunction WindowDpiQuery() {
  static const auto query = reinterpret_cast<GetDpiForWindowFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  return query;
}

}  // namespace

int DpiOf(HWND window) {
  const HWND topLevel = window ? GetAncestor(window, GA_ROOT) : nullptr;
  if (topLevel) {
    if (const Window* shown = Window::FromHandle(topLevel); shown && shown->MovedToDpi() != 0)
      return shown->MovedToDpi();
    if (const auto query = WindowDpiQuery()) {
      if (const UINT dpi = query(topLevel)) return static_cast<int>(dpi);
    }
  }
  return ScreenPixelsPerInch().x;
}

}  // namespace ui
