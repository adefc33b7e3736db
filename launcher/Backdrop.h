#pragma once
// The full-screen, always-on-top backdrop that freezes the desktop while the
// user confirms a session end: it covers the screen with a darkened picture of
// it, runs the countdown dialog on top, and after a go-ahead ejects removable
// media if asked and makes the session-end request of the mode.
// Windows build only.
#include <windows.h>

#include <cstdint>

#include "launcher/LauncherServices.h"
#include "launcher/ScreenCapture.h"
#include "launcher/SessionEndMode.h"
#include "ui/Handles.h"
#include "ui/Timer.h"
#include "ui/Window.h"

namespace launcher {

class Backdrop : public ui::Window {
 public:
  static constexpr const wchar_t* kClassName = L"VuriRivu.frmDesktop";
  static constexpr UINT kWaitIntervalMs = 100;

  explicit Backdrop(LauncherServices services) : services_(std::move(services)) {}

  // Covers every monitor with a darkened picture of it, runs the countdown
  // for the session-end mode and, on go-ahead, ejects (when autoEject) and
  // requests the session end. True when the countdown was confirmed; false
  // when it was not, when the screen could not be captured, or when this form
  // was used before (nothing shown).
  // The backdrop is shown modally over <launcher>, which takes no input
  // until it goes; the countdown stands in the middle of its monitor.
  bool Run(SessionEndMode mode, bool autoEject, HWND launcher = nullptr);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnTimer(UINT_PTR id) override;
  void OnUnload() override;

 private:
  void Load(ScreenPicture picture, HWND owner);
  void Unload();
  void OnWaitOver();
  void Paint();

  LauncherServices services_;
  SessionEndMode mode_ = SessionEndMode::Shutdown;
  ScreenRect dialogMonitor_;
  bool autoEject_ = false;
  bool cancelled_ = false;
  // A backdrop runs once: set when it has taken its picture of the screen.
  bool used_ = false;

  // The picture the window paints itself from, the size of the virtual
  // screen. The picture is declared first so the DC it is selected into goes
  // before it.
  ScreenPicture picture_;
  ui::UniqueMemoryDc imageDC_;
  ui::Timer waitTimer_{*this, kWaitIntervalMs};
};

}  // namespace launcher
