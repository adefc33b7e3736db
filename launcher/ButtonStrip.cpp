#include "launcher/ButtonStrip.h"

#include <algorithm>

#include "core/ErrorText.h"
#include "core/SessionEnd.h"
#include "core/Unique.h"
#include "launcher/Backdrop.h"
#include "launcher/CountdownDialog.h"
#include "launcher/MediaEjector.h"
#include "launcher/SessionEndMode.h"
#include "launcher/StripLayout.h"
#include "launcher/StripResources.h"
#include "launcher/StripTexts.h"
#include "platform/CriticalErrorBoxes.h"
#include "platform/Standby.h"
#include "platform/SystemServices.h"
#include "ui/MessageBox.h"
#include "ui/MessageLoop.h"

namespace launcher {
namespace {

// SC_MONITORPOWER's argument for displays that are off (1 is low power, -1 on).
constexpr LPARAM kDisplaysOff = 2;
// Where the focus sink stands, never seen: right of the small buttons,
// beyond the client area, and under the large ones, which are brought in
// front of it.
constexpr ui::TwipsRect kFocusSinkPlace{1725, 0, 390, 315};
// The layout gives the window its size before it is shown.
constexpr SIZE kSizeBeforeLayout{100, 40};

HCURSOR HandCursor() {
  return static_cast<HCURSOR>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(STRIP_HAND_CURSOR),
                                         IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
}

}  // namespace

void ButtonStrip::Show() {
  if (IsOpen()) {
    ShowWindow(Handle(), SW_SHOW);
    return;
  }
  ui::WindowParams params;
  params.className = kClassName;
  // No title bar shows it; it names the strip for a screen reader.
  params.caption = ui::ProgramTitle();
  // No title bar, a fixed dialog frame and, as a tool window, no taskbar button.
  params.style = WS_POPUP | WS_DLGFRAME | WS_CLIPCHILDREN;
  params.exStyle = WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW;
  params.left = 0;
  params.top = 0;
  params.width = kSizeBeforeLayout.cx;
  params.height = kSizeBeforeLayout.cy;
  Create(params);
  Open();
}

void ButtonStrip::OnCreate() {
  const HWND window = Handle();
  focusSink_.Create(window, kFocusSinkId, kFocusSinkPlace);
  tips_.Create(window);
  const HCURSOR hand = HandCursor();
  // Made at the places of small buttons; the layout places them for the
  // settings before the strip shows.
  const auto places = LayOutButtons(false, true);
  for (int i = 0; i < kButtonCount; ++i) {
    ui::PictureButton& button = buttons_[static_cast<std::size_t>(i)];
    button.Create(window, kFirstButtonId + i, places[static_cast<std::size_t>(i)].bounds);
    button.OnMouseDown([this](ui::MouseButton pressed, POINT) { OnButtonMouseDown(pressed); });
    button.OnMouseUp([this](ui::MouseButton, POINT) { OnButtonMouseUp(); });
    tips_.Add(button.Handle(), kButtonTips[static_cast<std::size_t>(i)]);
    if (hand) SetControlCursor(button.Handle(), hand);
  }
  SetTabOrder({buttons_[kLogoffButton].Handle(), buttons_[kShutdownButton].Handle(),
               buttons_[kRestartButton].Handle(), focusSink_.Handle(), buttons_[kStandbyButton].Handle()});

  const auto& items = MenuItems();
  for (int k = 0; k < kMenuItemCount; ++k) {
    const MenuItem& item = items[static_cast<std::size_t>(k)];
    if (item.kind == MenuItemKind::Separator) {
      menu_.AddSeparator(MenuItemId(k));
    } else {
      menu_.AddItem(MenuItemId(k), item.caption, item.kind == MenuItemKind::Corner);
    }
  }
}

void ButtonStrip::Open() {
  // A click brings the backdrop up at once, and registering a window class
  // takes a few milliseconds under Wine: its class is registered now.
  ui::Window::RegisterClassAhead(Backdrop::kClassName);
  settings_ = ReadStripSettings(windowSettings_);
  StayOnTop(settings_.topMost);
  menuState_ = MenuStateAtLoad(settings_, core::IsWindowsNT(services_.session));
  ShowMenuState();

  // Laid out, labelled and docked while hidden, then shown once, already in
  // its corner: each change to a visible window would be drawn on the way.
  settingsRead_ = true;
  ApplySettings();
  ShowWindow(Handle(), SW_SHOW);
  UpdateWindow(Handle());
}

// On a screen of another resolution the strip lays itself out again and docks
// in its corner: the place Windows suggests would be off it.
void ButtonStrip::OnDpiChanged(const RECT&) { ApplySettings(); }

void ButtonStrip::ApplySettings() {
  // The large buttons' captions grow with the user's text size; the small
  // buttons show their pictures alone and keep their size.
  ScaleWithText(settings_.largeButtons);
  buttons_[kStandbyButton].SetVisible(settings_.standbyButton);
  const auto layout = LayOutButtons(settings_.largeButtons, settings_.standbyButton);
  for (int i = 0; i < kButtonCount; ++i) {
    const ButtonPlacement& place = layout[static_cast<std::size_t>(i)];
    if (!place.visible) continue;
    ui::PictureButton& button = buttons_[static_cast<std::size_t>(i)];
    button.Move(place.bounds);
    button.SetPicture(place.picture);
    button.SetText(kButtonTags[static_cast<std::size_t>(i)]);
    button.ShowCaption(place.showsCaption);
    button.BringToFront();
  }

  // The client area follows the buttons in twips, the frame is Windows' at
  // the strip's resolution. Converting the client size and the docked edges
  // (not the outer size) keeps the client area and the work-area edges exact.
  const ui::TwipsRect first = layout[0].bounds;
  const Size clientTwips =
      launcher::OuterSize(VisibleButtonCount(layout), {first.width, first.height}, {0, 0});
  const RECT client = Pixels({0, 0, clientTwips.width, clientTwips.height});

  StayOnTop(settings_.topMost);

  const platform::WorkArea area = services_.system.DesktopWorkArea();
  FitClient({client.right, client.bottom}, [this, &area](SIZE outer) {
    const Point corner = DockPosition(settings_.corner, area, {outer.cx, outer.cy});
    return POINT{corner.left, corner.top};
  });

  WriteStripSettings(windowSettings_, settings_);
}

void ButtonStrip::ShowMenuState() {
  for (int k = 0; k < kMenuItemCount; ++k) {
    const auto index = static_cast<std::size_t>(k);
    menu_.SetChecked(MenuItemId(k), menuState_.checked[index]);
    menu_.SetEnabled(MenuItemId(k), menuState_.enabled[index]);
  }
}

void ButtonStrip::OnMenuItem(int k) {
  switch (ChooseMenuItem(k, menuState_, settings_)) {
    case MenuOutcome::ApplySettings:
      ShowMenuState();
      ApplySettings();
      break;
    case MenuOutcome::Quit:
      Close(ui::CloseReason::Code);
      break;
    case MenuOutcome::Nothing:
      break;
  }
}

void ButtonStrip::OnButtonMouseDown(ui::MouseButton pressed) {
  if (pressed != ui::MouseButton::Right) return;
  POINT at;
  GetCursorPos(&at);
  OpenMenu(at);
}

void ButtonStrip::OpenMenu(POINT at) {
  // The menu is modal here: the choice is handled before this returns.
  const UINT chosen = menu_.Track(Handle(), at);
  if (chosen >= kFirstMenuId && chosen < kFirstMenuId + kMenuItemCount)
    OnMenuItem(static_cast<int>(chosen - kFirstMenuId));
}

bool ButtonStrip::OpenMenuFromKeyboard() {
  const HWND focus = GetFocus();
  const auto focused = std::find_if(buttons_.begin(), buttons_.end(),
                                    [focus](const ui::PictureButton& b) { return b.Handle() == focus; });
  if (focus == nullptr || focused == buttons_.end()) return false;
  RECT place;
  GetWindowRect(focus, &place);
  OpenMenu({place.left, place.bottom});
  return true;
}

void ButtonStrip::OnButtonMouseUp() {
  if (IsOpen()) focusSink_.Focus();
}

bool ButtonStrip::OnCommand(int id, int code, HWND control) {
  const int button = id - kFirstButtonId;
  if (control != nullptr && code == BN_CLICKED && button >= 0 && button < kButtonCount) {
    OnButtonClick(button);
    return true;
  }
  if (control != nullptr || id < static_cast<int>(kFirstMenuId) ||
      id >= static_cast<int>(kFirstMenuId) + kMenuItemCount)
    return false;
  OnMenuItem(id - static_cast<int>(kFirstMenuId));
  return true;
}

// A left click, or the keyboard on a focused button: the session ends once
// the countdown confirms it. The strip goes with the end of the session,
// except after standby, so that it is still docked when the machine resumes.
void ButtonStrip::OnButtonClick(int index) {
  const std::optional<SessionEndMode> mode = ModeOfButton(index, settings_.powerOff);
  if (!mode) return;
  const HWND focus = GetFocus();
  if (EndSessionAfterCountdown(*mode) && *mode != SessionEndMode::Standby) {
    AwaitSessionEnd();
  } else if (focus && IsChild(Handle(), focus)) {
    // Cancelled (or back from standby): the keyboard is where it was.
    SetFocus(focus);
  }
}

// From the click to the request, each step in its turn. The backdrop
// freezes the screen under a darkened picture of it; shown modally over the
// strip, it keeps the strip from taking input until it goes, at the end of
// this function. Once it has been painted the countdown asks over it, in
// the middle of the strip's monitor. On a go-ahead the media go out, when
// asked, and the mode's request is made while the backdrop still covers the
// screen. True when Windows accepted the request; a refusal is shown over
// the backdrop with Windows' own words for it.
bool ButtonStrip::EndSessionAfterCountdown(SessionEndMode mode) {
  Backdrop backdrop(services_.capture);
  // A screen that cannot be captured shows nothing and ends nothing.
  if (!backdrop.Cover(Handle())) return false;
  if (!ui::RunModalFor(backdrop, Backdrop::kStandsAloneMs)) return false;
  CountdownDialog countdown;
  const bool goAhead = countdown.Ask(mode, backdrop.Handle(), services_.capture.MonitorHolding(Handle()));
  // The session ending under the countdown closes the backdrop with it:
  // nothing more is done then.
  if (!goAhead || !backdrop.IsOpen()) return false;
  EjectMediaIfAsked(false);
  const std::optional<std::uint32_t> flags = core::ExitFlagsOf(mode);
  const core::RequestAnswer answer =
      flags ? core::EndSession(services_.session, *flags) : EnterStandby(backdrop.Handle());
  if (!answer.accepted) {
    const auto code = static_cast<std::int32_t>(answer.errorCode);
    ui::ShowMessage(core::ErrorText(code, core::SystemErrorText(answer.errorCode)),
                    MB_OK | MB_ICONEXCLAMATION, backdrop.Handle());
  }
  return answer.accepted;
}

// Windows took the request, but the end of the session may still not come:
// a program with unsaved work, the user on Windows' own "programs are
// preventing" screen, or a policy can stop it. Windows tells the strip only
// when it had asked the strip already (WM_ENDSESSION with FALSE); when a
// program asked before it refuses, the strip hears nothing at all. So it
// hides and waits: the end of the session closes it, and the end called off,
// or a wait in which no end came, brings it back, docked. It never stays
// hidden holding the program's single-instance lock.
void ButtonStrip::AwaitSessionEnd() {
  awaitingSessionEnd_ = true;
  ShowWindow(Handle(), SW_HIDE);
  sessionEndWait_.Start();
}

void ButtonStrip::ReturnAsTheSessionGoesOn() {
  if (!awaitingSessionEnd_) return;
  awaitingSessionEnd_ = false;
  sessionEndWait_.Stop();
  ApplySettings();
  // Back where the user left it, without taking the focus from their work.
  ShowWindow(Handle(), SW_SHOWNA);
}

void ButtonStrip::OnTimer(UINT_PTR id) {
  if (id == sessionEndWait_.Id()) ReturnAsTheSessionGoesOn();
}

void ButtonStrip::OnSessionEndCancelled() { ReturnAsTheSessionGoesOn(); }

// Standby the way this machine has it. A Modern Standby machine sleeps once
// its displays are off, as with its power button: the strip's own window
// asks for that, no other program's. A machine without standby says so over
// the backdrop. The suspend call's answer is the request's.
core::RequestAnswer ButtonStrip::EnterStandby(HWND backdrop) {
  const platform::StandbyOutcome standby = platform::Standby(services_.session, services_.power);
  switch (standby.way) {
    case platform::StandbyWay::TurnDisplaysOff:
      DefWindowProcW(Handle(), WM_SYSCOMMAND, SC_MONITORPOWER, kDisplaysOff);
      break;
    case platform::StandbyWay::None:
      ui::ShowMessage(kNoStandbyMessage, MB_OK | MB_ICONINFORMATION, backdrop);
      break;
    case platform::StandbyWay::Suspend:
      break;
  }
  return standby.answer;
}

// The one place the ejection is decided, for a confirmed countdown and for
// the end of the session alike. While Windows ends the session it lists the
// strip among the programs it waits for, which a busy volume can hold for
// about ten seconds: the reason tells the user why.
void ButtonStrip::EjectMediaIfAsked(bool sessionEnding) {
  if (!settings_.autoEject) return;
  if (sessionEnding) ShutdownBlockReasonCreate(Handle(), kEjectingReason);
  const core::ScopeExit withdrawReason([this, sessionEnding] {
    if (sessionEnding) ShutdownBlockReasonDestroy(Handle());
  });
  const platform::NoCriticalErrorBoxes quiet;
  EjectRemovableMedia(services_.system, services_.volumes);
}

// An installer's Restart Manager closes programs while the session goes on:
// the user's media stay in. The end of a session the strip asked for finds
// them out already, when they were to go.
bool ButtonStrip::OnCloseRequest(ui::CloseReason reason) {
  if (reason == ui::CloseReason::SessionEnding && !awaitingSessionEnd_) EjectMediaIfAsked(true);
  return true;
}

// The backdrop and the countdown, when they are up, go with the strip that owns them.
void ButtonStrip::OnDestroy() { settingsRead_ = false; }

LRESULT ButtonStrip::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // The work area, the display or the text size may have changed: dock
  // again, once the toolkit has taken a new text size.
  if (message == WM_SETTINGCHANGE) {
    const LRESULT result = ui::Window::HandleMessage(message, wParam, lParam);
    if (settingsRead_) ApplySettings();
    return result;
  }
  // Shift+F10 or the menu key on a focused button (a mouse's right click has
  // opened the menu on its way down already).
  if (message == WM_CONTEXTMENU && lParam == -1 && OpenMenuFromKeyboard()) return 0;
  if (message == WM_DRAWITEM) {
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    const int index = static_cast<int>(item.CtlID) - kFirstButtonId;
    if (index >= 0 && index < kButtonCount) {
      buttons_[static_cast<std::size_t>(index)].Draw(item);
      return TRUE;
    }
  }
  return ui::Window::HandleMessage(message, wParam, lParam);
}

}  // namespace launcher
