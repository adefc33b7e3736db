#pragma once
// The full-screen, always-on-top backdrop that freezes the desktop while the
// user confirms a session end: it covers every monitor with a darkened
// picture of them, and the countdown runs on top of it. Windows build only.
#include <windows.h>

#include "launcher/ScreenCapture.h"
#include "ui/Window.h"

namespace launcher {

class Backdrop : public ui::Window {
 public:
  static constexpr const wchar_t* kClassName = L"VuriRivu.frmDesktop";
  // How long the backdrop stands alone before the countdown comes over it:
  // it has been painted by then.
  static constexpr UINT kStandsAloneMs = 100;

  explicit Backdrop(ScreenCapture& screen) : screen_(screen) {}

  // Covers every monitor with a darkened picture of them, shown modally over
  // <owner>, which takes no input until the backdrop goes. False, with
  // nothing shown, when the screen could not be captured.
  bool Cover(HWND owner);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDestroy() override;

 private:
  void Open(ScreenPicture picture, HWND owner);
  void Paint();

  ScreenCapture& screen_;
  // The picture the window paints itself from, the size of the virtual screen.
  ScreenPicture picture_;
};

}  // namespace launcher
