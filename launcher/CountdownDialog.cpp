#include "launcher/CountdownDialog.h"

#include "ui/MessageBox.h"
#include "ui/MessageLoop.h"
#include "ui/ScreenTwips.h"

namespace launcher {
namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

// The client area and the controls, in twips. The three lamps stand on one
// spot; one at a time shows.
constexpr int kClientWidth = 3435;
constexpr int kClientHeight = 1320;
constexpr ui::TwipsRect kLampPlace{150, 150, 480, 480};
constexpr ui::TwipsRect kMessagePlace{750, 300, 2655, 315};
constexpr ui::TwipsRect kOkPlace{360, 810, 1300, 315};
constexpr ui::TwipsRect kCancelPlace{1800, 810, 1300, 315};

// The signal icons are resources 300 (green lit), 301 (yellow) and 302 (red);
// see res/signals.rc.in.
constexpr int kSignalIconResource0 = 300;

HICON SignalIcon(int lamp, int pixelsPerInch) {
  // Loaded at the size the image shows, so the picture drawn for that size is
  // shown pixel for pixel. Shared icons live as long as the program.
  const int size = ui::TwipsToPixels(kLampPlace.width, pixelsPerInch);
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                       MAKEINTRESOURCEW(kSignalIconResource0 + lamp), IMAGE_ICON, size, size,
                                       LR_SHARED));
}

}  // namespace

bool CountdownDialog::Ask(SessionEndMode mode, HWND owner, std::optional<ui::ScreenRect> monitor) {
  count_ = kCountdownStart;
  goAhead_ = false;
  captions_ = CountdownCaptionsFor(mode);
  Load(owner,
       monitor.value_or(ui::ScreenRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
  // The first number shows before the dialog does.
  OnCountTick();
  ui::RunModal(*this);
  return goAhead_;
}

void CountdownDialog::Load(HWND owner, const ui::ScreenRect& monitor) {
  if (IsLoaded()) return;
  RECT frame{0, 0, ui::TwipsToPixelsX(kClientWidth), ui::TwipsToPixelsY(kClientHeight)};
  AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  ui::WindowParams params;
  params.className = kClassName;
  params.caption = ui::ProgramTitle();
  params.style = kStyle;
  params.exStyle = kExStyle;
  params.owner = owner;
  params.width = frame.right - frame.left;
  params.height = frame.bottom - frame.top;
  // In the middle of the monitor, where the backdrop leaves nothing else to look at.
  const ui::ScreenRect place = ui::CentredIn(monitor, params.width, params.height);
  params.left = place.left;
  params.top = place.top;
  Create(params);

  // Above every window, the backdrop's full-screen picture included.
  StayOnTop(true);
}

void CountdownDialog::OnCreate() {
  // Made in tab order: OK first (it has the focus), then the label, then Cancel.
  const HWND window = Handle();
  ok_.Create(window, kOkId, captions_.okCaption, kOkPlace, true);
  message_.Create(window, kMessageId, L"", kMessagePlace);
  cancel_.Create(window, kCancelId, L"キャンセル", kCancelPlace);
  for (int i = 0; i < static_cast<int>(lamps_.size()); ++i)
    lamps_[i].Create(window, kFirstLampId + i, SignalIcon(i, ui::DpiOf(window)), kLampPlace);
}

void CountdownDialog::OnDpiChanged(const RECT& suggested) {
  ui::Window::OnDpiChanged(suggested);
  ok_.Rescale(kOkPlace);
  message_.Rescale(kMessagePlace);
  cancel_.Rescale(kCancelPlace);
  for (int i = 0; i < static_cast<int>(lamps_.size()); ++i) {
    lamps_[i].Rescale(kLampPlace);
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
      Answer(true);
      return true;
    case kCancelId:
      Answer(false);
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
  const CountdownStep step = NextCountdownStep(count_, captions_.suffix);
  count_ = step.count;
  message_.SetText(step.label);
  // A screen reader hears the count from the label's name changing; the
  // focus stays on the buttons.
  NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, message_.Handle(), OBJID_CLIENT, CHILDID_SELF);
  if (step.lamp) {
    for (int i = 0; i < static_cast<int>(lamps_.size()); ++i) lamps_[i].SetVisible(i == *step.lamp);
  }
  if (step.finished) {
    Answer(true);
  } else {
    countTimer_.Start();
  }
}

// Only OK and the count running out go ahead; every other way of closing
// the dialog stops.
void CountdownDialog::Answer(bool goAhead) {
  goAhead_ = goAhead;
  Close(ui::CloseReason::Code);
}

void CountdownDialog::OnUnload() { countTimer_.Stop(); }

}  // namespace launcher
