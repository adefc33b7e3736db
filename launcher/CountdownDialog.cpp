#include "launcher/CountdownDialog.h"

#include "launcher/Countdown.h"
#include "ui/MessageBox.h"
#include "ui/MessageLoop.h"
#include "ui/ScreenTwips.h"

namespace launcher {
namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

// The client area and the controls, in twips.
constexpr int kClientWidth = 3435;
constexpr int kClientHeight = 1320;
constexpr ui::TwipsRect kImgIconPlace{150, 150, 480, 480};
constexpr ui::TwipsRect kLblMsgPlace{750, 300, 2655, 315};
constexpr ui::TwipsRect kCmdOKPlace{360, 810, 1300, 315};
constexpr ui::TwipsRect kCmdCancelPlace{1800, 810, 1300, 315};

// The signal icons are resources 300 (green lit), 301 (yellow) and 302 (red);
// see res/signals.rc.in.
constexpr int kSignalIconResource0 = 300;

HICON SignalIcon(int lamp, int pixelsPerInch) {
  // Loaded at the size the image shows, so the picture drawn for that size is
  // shown pixel for pixel. Shared icons live as long as the program.
  const int size = ui::TwipsToPixels(kImgIconPlace.width, pixelsPerInch);
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                       MAKEINTRESOURCEW(kSignalIconResource0 + lamp), IMAGE_ICON, size, size,
                                       LR_SHARED));
}

}  // namespace

bool CountdownDialog::Ask(SessionEndMode mode, HWND owner, std::optional<ScreenRect> monitor) {
  count_ = 10;
  cancelled_ = true;
  mode_ = mode;
  Load(owner, monitor.value_or(ScreenRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
  lamps_[1].SetVisible(false);
  lamps_[2].SetVisible(false);
  SetWindowTextW(Handle(), ui::ProgramTitle().c_str());
  const CountdownCaptions captions = CountdownCaptionsFor(mode_);
  ok_.SetText(captions.okCaption);
  messageSuffix_ = captions.suffix;
  OnCountTick();
  ui::RunModal(*this);
  return !cancelled_;
}

void CountdownDialog::Load(HWND owner, const ScreenRect& monitor) {
  if (IsLoaded()) return;
  RECT frame{0, 0, ui::TwipsToPixelsX(kClientWidth), ui::TwipsToPixelsY(kClientHeight)};
  AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  ui::WindowParams params;
  params.className = kClassName;
  params.style = kStyle;
  params.exStyle = kExStyle;
  params.owner = owner;
  params.width = frame.right - frame.left;
  params.height = frame.bottom - frame.top;
  // In the middle of the monitor, where the backdrop leaves nothing else to look at.
  const ScreenRect place = CentredIn(monitor, params.width, params.height);
  params.left = place.left;
  params.top = place.top;
  Create(params);

  // Above every window, the backdrop's full-screen picture included.
  StayOnTop(true);
}

void CountdownDialog::Unload() { Close(ui::CloseReason::Code); }

void CountdownDialog::OnCreate() {
  // Made in tab order: OK first (it has the focus), then the label, then Cancel.
  const HWND form = Handle();
  ok_.Create(form, kOkId, kDesignOkCaption, kCmdOKPlace, true);
  message_.Create(form, kMessageId, kDesignMessage, kLblMsgPlace);
  cancel_.Create(form, kCancelId, L"キャンセル", kCmdCancelPlace);
  for (int i = 0; i < static_cast<int>(lamps_.size()); ++i)
    lamps_[i].Create(form, kFirstLampId + i, SignalIcon(i, ui::DpiOf(form)), kImgIconPlace);
}

void CountdownDialog::OnDpiChanged(const RECT& suggested) {
  ui::Window::OnDpiChanged(suggested);
  ok_.Rescale(kCmdOKPlace);
  message_.Rescale(kLblMsgPlace);
  cancel_.Rescale(kCmdCancelPlace);
  for (int i = 0; i < static_cast<int>(lamps_.size()); ++i) {
    lamps_[i].Rescale(kImgIconPlace);
    lamps_[i].SetIcon(SignalIcon(i, ui::DpiOf(Handle())));
  }
}

LRESULT CountdownDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    // The dialog keys ask the window for its default button, as they would ask
    // a dialog: Enter presses OK wherever the focus is.
    case DM_GETDEFID:
      return MAKELRESULT(kOkId, DC_HASDEFID);
    // Like a dialog, the focus goes to OK on opening and back to where it was
    // when the dialog is activated again.
    case WM_ACTIVATE:
      KeepFocusAcrossActivation(wParam, ok_.Handle());
      return 0;
  }
  return ui::Window::HandleMessage(message, wParam, lParam);
}

bool CountdownDialog::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case kOkId:
      OnOk();
      return true;
    case kCancelId:
      OnCancel();
      return true;
  }
  return false;
}

void CountdownDialog::OnTimer(UINT_PTR id) {
  if (id == countTimer_.Id()) OnCountTick();
}

// One step of the count: stopped first and started again last, so a step
// never overlaps the next tick and the next one comes a full interval later.
void CountdownDialog::OnCountTick() {
  countTimer_.Stop();
  const CountdownStep step = NextCountdownStep(count_, messageSuffix_);
  count_ = step.count;
  message_.SetText(step.label);
  // A screen reader hears the count from the label's name changing; the
  // focus stays on the buttons.
  NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, message_.Handle(), OBJID_CLIENT, CHILDID_SELF);
  if (step.lamp) {
    for (int i = 0; i < static_cast<int>(lamps_.size()); ++i) lamps_[i].SetVisible(i == *step.lamp);
  }
  if (!step.finished) {
    countTimer_.Start();
  } else {
    cancelled_ = false;
    Unload();
  }
}

void CountdownDialog::OnOk() {
  cancelled_ = false;
  Unload();
}

void CountdownDialog::OnCancel() {
  cancelled_ = true;
  Unload();
}

void CountdownDialog::OnUnload() { countTimer_.Stop(); }

}  // namespace launcher
