#include "ui/ScreenTwips.h"

#include "ui/Handles.h"

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

}  // namespace ui
