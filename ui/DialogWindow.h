#pragma once
// A window that takes the keyboard as Windows' own dialog boxes do: Enter
// presses its default button (and nothing while that button is disabled),
// Esc its IDCANCEL button, Tab and the arrows move between its controls, a
// label's or a frame's access key moves on to the next control that takes
// the focus, the focus starts on the first control that takes it and comes
// back to where it was whenever the window is activated again. The dialog
// keys ask the window for these as they would ask a dialog (DM_GETDEFID,
// WM_NEXTDLGCTL). Windows build only.
#include "ui/Window.h"

namespace ui {

class DialogWindow : public Window {
 protected:
  explicit DialogWindow(int defaultButtonId) : defaultButtonId_(defaultButtonId) {}

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Moves the focus from a control to the next (or the previous) one that
  // takes it: a control about to be disabled gives its focus on.
  void MoveFocusPast(HWND control, bool backwards);

 private:
  int defaultButtonId_;
  HWND lastFocus_ = nullptr;
};

}  // namespace ui
