#pragma once
// The launcher window: a strip of picture buttons docked at a corner of the
// work area, with the right-click menu that changes its six settings.
// Windows build only.
#include <windows.h>

#include <array>
#include <memory>

#include "core/RequestAnswer.h"
#include "launcher/LauncherServices.h"
#include "launcher/SessionEndMode.h"
#include "launcher/StripMenu.h"
#include "launcher/StripSettings.h"
#include "settings/WindowSettings.h"
#include "ui/Controls.h"
#include "ui/PictureButton.h"
#include "ui/PopupMenu.h"
#include "ui/Timer.h"
#include "ui/ToolTip.h"
#include "ui/Window.h"

namespace launcher {

class ButtonStrip : public ui::Window {
 public:
  static constexpr const wchar_t* kClassName = L"VuriRivu.frmShutDown";
  static constexpr const wchar_t* kSettingsSection = L"frmShutDown";
  static constexpr int kFirstButtonId = 100;
  static constexpr int kFocusSinkId = 110;
  static constexpr UINT kFirstMenuId = 1000;
  // How long the strip waits, hidden, for the end of the session Windows
  // accepted, before it takes the end for called off. Windows waits about
  // five seconds for each program that does not answer; a program that
  // refuses without being asked first leaves the strip hearing nothing.
  static constexpr UINT kSessionEndWaitMs = 30000;

  explicit ButtonStrip(LauncherServices services, UINT sessionEndWaitMs = kSessionEndWaitMs)
      : services_(std::move(services)),
        windowSettings_(services_.settings, kSettingsSection),
        sessionEndWait_(*this, sessionEndWaitMs) {}

  // Loads the window, shows it without waiting and docks it.
  void Show();

  // What the window holds, for tests.
  const StripSettings& Settings() const { return settings_; }
  bool AwaitsSessionEnd() const { return awaitingSessionEnd_; }
  const ui::PopupMenu& PopupMenu() const { return menu_; }
  const ui::PictureButton& Button(int index) const { return buttons_[static_cast<std::size_t>(index)]; }
  HWND FocusSinkHandle() const { return focusSink_.Handle(); }
  std::wstring TooltipOf(int index) const { return tips_.TextOf(Button(index).Handle()); }
  static UINT MenuItemId(int k) { return kFirstMenuId + static_cast<UINT>(k); }

 protected:
  void OnCreate() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnCloseRequest(ui::CloseReason reason) override;
  void OnDestroy() override;
  void OnTimer(UINT_PTR id) override;
  void OnSessionEndCancelled() override;
  void OnDpiChanged(const RECT& suggested) override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Open();
  void ApplySettings();
  void ShowMenuState();
  void OnMenuItem(int k);
  void OnButtonMouseDown(ui::MouseButton pressed);
  void OpenMenu(POINT at);
  // At the focused button, if a button has the focus.
  bool OpenMenuFromKeyboard();
  void OnButtonMouseUp();
  void OnButtonClick(int index);
  bool EndSessionAfterCountdown(SessionEndMode mode);
  core::RequestAnswer EnterStandby(HWND backdrop);
  void AwaitSessionEnd();
  void ReturnAsTheSessionGoesOn();
  void EjectMediaIfAsked(bool sessionEnding);

  LauncherServices services_;
  settings::WindowSettings windowSettings_;
  StripSettings settings_;
  MenuState menuState_;
  bool settingsRead_ = false;
  bool awaitingSessionEnd_ = false;
  ui::Timer sessionEndWait_;

  std::array<ui::PictureButton, 4> buttons_;
  ui::PictureBox focusSink_;
  ui::ToolTip tips_;
  ui::PopupMenu menu_;
};

}  // namespace launcher
