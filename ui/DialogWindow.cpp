#include "ui/DialogWindow.h"

namespace ui {

LRESULT DialogWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case DM_GETDEFID:
      return MAKELRESULT(defaultButtonId_, DC_HASDEFID);
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(Handle(), focus)) lastFocus_ = focus;
      } else {
        // Otherwise the window itself would hold the focus, and a plain key
        // would act as an access key.
        SetFocus(lastFocus_ && IsChild(Handle(), lastFocus_) ? lastFocus_
                                                             : GetNextDlgTabItem(Handle(), nullptr, FALSE));
      }
      return 0;
    case WM_NEXTDLGCTL:
      if (LOWORD(lParam)) {
        SetFocus(reinterpret_cast<HWND>(wParam));
      } else {
        MoveFocusPast(GetFocus(), wParam != 0);
      }
      return 0;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

void DialogWindow::MoveFocusPast(HWND control, bool backwards) {
  if (const HWND next = GetNextDlgTabItem(Handle(), control, backwards)) SetFocus(next);
}

}  // namespace ui
