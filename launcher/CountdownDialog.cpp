#include "launcher/CountdownDialog.h"

#include "launcher/Countdown.h"
#include "ui/DefaultInstance.h"
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

HICON SignalIcon(int lamp) {
  // Loaded at the size the image shows, so the 32 x 32 picture is drawn pixel
  // for pixel at 96 dots per inch. Shared icons live as long as the program.
  const int size = ui::TwipsToPixelsX(kImgIconPlace.width);
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                       MAKEINTRESOURCEW(kSignalIconResource0 + lamp), IMAGE_ICON, size, size,
                                       LR_SHARED));
}

}  // namespace

std::shared_ptr<CountdownDialog> CountdownDialog::Default() {
  return ui::DefaultInstance<CountdownDialog>::Get();
}

bool CountdownDialog::ShowEx(std::int32_t o_Mode) {
  count = 10;
  cancelled = true;
  mode = o_Mode;
  Load();
  imgIcon[1].SetVisible(false);
  imgIcon[2].SetVisible(false);
  SetWindowTextW(Handle(), ui::ProgramTitle().c_str());
  const CountdownCaptions captions = CountdownCaptionsFor(mode);
  cmdOK.SetText(captions.okCaption);
  lblMsgTag = captions.suffix;
  timCount_Timer();
  ui::ShowModal(*this);
  return !cancelled;
}

void CountdownDialog::Load() {
  if (IsLoaded()) return;
  RECT frame{0, 0, ui::TwipsToPixelsX(kClientWidth), ui::TwipsToPixelsY(kClientHeight)};
  AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  ui::WindowSpec params;
  params.className = kClassName;
  params.style = kStyle;
  params.exStyle = kExStyle;
  params.width = frame.right - frame.left;
  params.height = frame.bottom - frame.top;
  // In the middle of the screen, where the backdrop leaves nothing else to look at.
  params.left = (GetSystemMetrics(SM_CXSCREEN) - params.width) / 2;
  params.top = (GetSystemMetrics(SM_CYSCREEN) - params.height) / 2;
  Create(params);

  // The load step. A helper that fails leaves no hidden dialog behind.
  try {
    if (!helper) helper = settings::NewWindowSettings();
    helper->Attach(reinterpret_cast<platform::WindowHandle>(Handle()), L"frmMsg");
    helper->Prepare();
    // Above every window, the backdrop's full-screen picture included.
    helper->AlwaysOnTop(true);
  } catch (...) {
    Unload();
    throw;
  }
}

void CountdownDialog::Unload() { Close(ui::CloseReason::Code); }

void CountdownDialog::OnCreate() {
  // Made in tab order: OK first (it has the focus), then the label, then Cancel.
  const HWND form = Handle();
  cmdOK.Create(form, kCmdOK, kDesignOkCaption, kCmdOKPlace, true);
  lblMsg.Create(form, kLblMsg, kDesignMessage, kLblMsgPlace);
  cmdCancel.Create(form, kCmdCancel, L"キャンセル", kCmdCancelPlace);
  for (int i = 0; i < static_cast<int>(imgIcon.size()); ++i)
    imgIcon[i].Create(form, kImgIcon0 + i, SignalIcon(i), kImgIconPlace);
}

LRESULT CountdownDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    // The dialog keys ask the window for its default button, as they would ask
    // a dialog: Enter presses OK wherever the focus is.
    case DM_GETDEFID:
      return MAKELRESULT(kCmdOK, DC_HASDEFID);
    // Like a dialog, the focus goes to OK on opening and back to where it was
    // when the dialog is activated again.
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(Handle(), focus)) lastFocus_ = focus;
      } else {
        SetFocus(lastFocus_ && IsWindow(lastFocus_) ? lastFocus_ : cmdOK.Handle());
      }
      return 0;
  }
  return ui::Window::HandleMessage(message, wParam, lParam);
}

bool CountdownDialog::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case kCmdOK:
      cmdOK_Click();
      return true;
    case kCmdCancel:
      cmdCancel_Click();
      return true;
  }
  return false;
}

void CountdownDialog::OnTimer(UINT_PTR id) {
  if (id == timCount.Id()) timCount_Timer();
}

// One step of the count: stopped first and started again last, so a step
// never overlaps the next tick and the next one comes a full interval later.
void CountdownDialog::timCount_Timer() {
  timCount.Stop();
  const CountdownStep step = NextCountdownStep(count, lblMsgTag);
  count = step.count;
  lblMsg.SetText(step.label);
  if (step.lamp) {
    for (int i = 0; i < static_cast<int>(imgIcon.size()); ++i) imgIcon[i].SetVisible(i == *step.lamp);
  }
  if (!step.finished) {
    timCount.Start();
  } else {
    cancelled = false;
    Unload();
  }
}

void CountdownDialog::cmdOK_Click() {
  cancelled = false;
  Unload();
}

void CountdownDialog::cmdCancel_Click() {
  cancelled = true;
  Unload();
}

void CountdownDialog::OnUnload() {
  timCount.Stop();
  lastFocus_ = nullptr;
  ui::DefaultInstance<CountdownDialog>::Drop(this);
}

}  // namespace launcher
