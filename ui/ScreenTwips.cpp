#include "ui/ScreenTwips.h"

#include "ui/Resolution.h"
#include "ui/Window.h"

namespace ui {

PixelsPerInch ScreenPixelsPerInch() { return {SystemDpi(), SystemDpi()}; }

int TwipsToPixelsX(int twips) { return TwipsToPixels(twips, SystemDpi()); }
int TwipsToPixelsY(int twips) { return TwipsToPixels(twips, SystemDpi()); }
int PixelsToTwipsX(int pixels) { return PixelsToTwips(pixels, SystemDpi()); }
int PixelsToTwipsY(int pixels) { return PixelsToTwips(pixels, SystemDpi()); }

RECT TwipsToPixels(const TwipsRect& rect) { return TwipsToPixels(rect, SystemDpi()); }

RECT TwipsToPixels(const TwipsRect& rect, int pixelsPerInch) {
  const PixelRect r = TwipsToPixels(rect, pixelsPerInch, TextScale{});
  return {r.left, r.top, r.right, r.bottom};
}

int DpiOf(HWND window) {
  const HWND topLevel = window ? GetAncestor(window, GA_ROOT) : nullptr;
  if (const Window* shown = Window::FromHandle(topLevel)) return shown->Dpi();
  return DpiWindowsGives(topLevel);
}

}  // namespace ui
