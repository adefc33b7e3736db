#pragma once
// The countdown dialog between a session-end choice and the session end: its
// OK button names the action, its message line counts 9 down to 0 beside a
// three-lamp signal, and it answers go ahead (OK, Enter or the count running
// out) or stop (Cancel, Escape, or any other way of closing it).
// Windows build only.
#include <windows.h>

#include <array>
#include <optional>

#include "launcher/Countdown.h"
#include "launcher/SessionEndMode.h"
#include "ui/Controls.h"
#include "ui/DialogWindow.h"
#include "ui/ScreenGeometry.h"
#include "ui/Timer.h"

namespace launcher {

class CountdownDialog : public ui::DialogWindow {
 public:
  static constexpr const wchar_t* kClassName = L"VuriRivu.frmMsg";
  // The dialog keys send Enter as IDOK and Escape as IDCANCEL.
  static constexpr int kOkId = IDOK;
  static constexpr int kCancelId = IDCANCEL;
  static constexpr int kMessageId = 100;
  static constexpr int kFirstLampId = 110;  // lamps_(i) is kFirstLampId + i
  static constexpr UINT kCountIntervalMs = 1000;

  CountdownDialog() : DialogWindow(kOkId) {}

  // Shows the dialog modally over <owner> (none: over nothing) for the
  // session-end mode, centred on the monitor given (the primary one when none
  // is), at that monitor's resolution; true to go ahead, false to stop.
  bool Ask(SessionEndMode mode, HWND owner = nullptr, std::optional<ui::ScreenRect> monitor = std::nullopt);

 protected:
  void OnCreate() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnTimer(UINT_PTR id) override;
  void OnDestroy() override;
  void OnDpiChanged(const RECT& suggested) override;
  void OnTextSizeChanged() override;

 private:
  void Open(HWND owner, const ui::ScreenRect& monitor);
  void FitMessage();
  void OnCountTick();
  void Answer(bool goAhead);

  int count_ = kCountdownStart;
  bool goAhead_ = false;
  CountdownCaptions captions_;

  std::array<ui::Image, 3> lamps_;
  ui::Label message_;
  ui::Button ok_;
  ui::Button cancel_;
  ui::Timer countTimer_{*this, kCountIntervalMs};
};

}  // namespace launcher
