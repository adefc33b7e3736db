#include "remote/ConsoleWindow.h"

#include <optional>

#include "remote/ConsoleState.h"
#include "remote/ConsoleTexts.h"
#include "remote/ErrorText.h"
#include "remote/MachineHistory.h"
#include "remote/RaisedError.h"
#include "ui/BusyCursor.h"
#include "ui/ScreenTwips.h"

namespace remote {
namespace {

// No WS_CLIPCHILDREN: the frames are children too, and the window must paint
// the background inside them.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_APPWINDOW;

constexpr UINT kConfirmFlags = MB_OKCANCEL | MB_ICONINFORMATION | MB_DEFBUTTON2;  // 0x141

constexpr std::int16_t kReady = 0;
constexpr std::int16_t kBusy = 1;
constexpr std::int16_t kRequested = 2;

// Half the room around the window, in twips, truncated toward zero.
int CentredTwips(int screenPixels, int windowPixels, int (*toTwips)(int)) {
  return (toTwips(screenPixels) - toTwips(windowPixels)) / 2;
}

}  // namespace

ConsoleWindow::ConsoleWindow(ConsoleServices services) : services_(std::move(services)) {
  if (!services_.messageBox) {
    services_.messageBox = [](HWND owner, const std::wstring& text, const std::wstring& title, UINT flags) {
      return MessageBoxW(owner, text.c_str(), title.c_str(), flags);
    };
  }
}

void ConsoleWindow::Load() {
  RECT frame{0, 0, ui::TwipsToPixelsX(kClientWidth), ui::TwipsToPixelsY(kClientHeight)};
  AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  ui::WindowSpec params;
  params.className = L"VelmarFrmDown";
  params.style = kStyle;
  params.exStyle = kExStyle;
  params.width = width;
  params.height = height;
  params.left = ui::TwipsToPixelsX(CentredTwips(GetSystemMetrics(SM_CXSCREEN), width, ui::PixelsToTwipsX));
  params.top = ui::TwipsToPixelsY(CentredTwips(GetSystemMetrics(SM_CYSCREEN), height, ui::PixelsToTwipsY));
  Create(params);

  cboMachine_.SetText(L"");
  const ConsoleState state = LoadConsoleState(services_.store);
  ShowHistory(state.history);
  txtMsg_.SetText(state.settings.message);
  hsbMsgTime_.SetValue(state.settings.timeOut);
  chkApp_.SetChecked(state.settings.app != 0);
  chkBoot_.SetChecked(state.settings.boot != 0);
  SetButtonState(kReady);
  hsbMsgTime_Change();
}

int ConsoleWindow::ShowMessage(const std::wstring& text, UINT flags) {
  return services_.messageBox(Handle(), text, kProgramTitle, flags);
}

ui::TwipsRect ConsoleWindow::Place(ControlId id) const {
  const ControlSpec& params = SpecOf(id);
  if (params.container == kFraMsg) return fraMsg_.Place(params.place);
  if (params.container == kFrmShutDown) return frmShutDown_.Place(params.place);
  return params.place;
}

void ConsoleWindow::OnCreate() {
  // Created in tab order: the dialog keys follow the order of the children.
  const HWND form = Handle();
  const auto caption = [](ControlId id) { return std::wstring(SpecOf(id).caption); };
  lblMachine_.Create(form, kLblMachine, caption(kLblMachine), Place(kLblMachine));
  cboMachine_.Create(form, kCboMachine, caption(kCboMachine), Place(kCboMachine));
  cmdClear_.Create(form, kCmdClear, caption(kCmdClear), Place(kCmdClear));
  fraMsg_.Create(form, kFraMsg, caption(kFraMsg), Place(kFraMsg));
  lblMsg_.Create(form, kLblMsg, caption(kLblMsg), Place(kLblMsg));
  txtMsg_.Create(form, kTxtMsg, caption(kTxtMsg), Place(kTxtMsg));
  lblTime_.Create(form, kLblTime, caption(kLblTime), Place(kLblTime));
  hsbMsgTime_.Create(form, kHsbMsgTime, Place(kHsbMsgTime));
  hsbMsgTime_.SetRange(kMinTimeOut, kMaxTimeOut);
  hsbMsgTime_.SetSteps(kTimeOutArrowStep, kTimeOutPageStep);
  lblMsgTime_.Create(form, kLblMsgTime, caption(kLblMsgTime), Place(kLblMsgTime));
  frmShutDown_.Create(form, kFrmShutDown, caption(kFrmShutDown), Place(kFrmShutDown));
  chkApp_.Create(form, kChkApp, caption(kChkApp), Place(kChkApp));
  chkBoot_.Create(form, kChkBoot, caption(kChkBoot), Place(kChkBoot));
  cmdAbout_.Create(form, kCmdAbout, caption(kCmdAbout), Place(kCmdAbout));
  cmdExec_.Create(form, kCmdExec, caption(kCmdExec), Place(kCmdExec), true);
  cmdCandel_.Create(form, kCmdCandel, caption(kCmdCandel), Place(kCmdCandel));
}

LRESULT ConsoleWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_HSCROLL:
      if (reinterpret_cast<HWND>(lParam) == hsbMsgTime_.Handle()) {
        hsbMsgTime_.Scroll(wParam);
        hsbMsgTime_Change();
        return 0;
      }
      break;
    // The dialog keys ask these of the window, as they would ask a dialog:
    // the default button (Enter does nothing while Execute is disabled)...
    case DM_GETDEFID:
      return MAKELRESULT(kCmdExec, DC_HASDEFID);
    // ...and the focus moves, including the one of a label's or a frame's
    // access key, which goes on to the next control that takes the focus.
    case WM_NEXTDLGCTL:
      if (LOWORD(lParam)) {
        SetFocus(reinterpret_cast<HWND>(wParam));
      } else {
        MoveFocusPast(GetFocus(), wParam != 0);
      }
      return 0;
  }
  return ui::Window::HandleMessage(message, wParam, lParam);
}

void ConsoleWindow::MoveFocusPast(HWND control, bool backwards) {
  if (const HWND next = GetNextDlgTabItem(Handle(), control, backwards)) SetFocus(next);
}

bool ConsoleWindow::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case kCmdExec:
      // Enter reaches here too; a disabled Execute sends nothing.
      if (cmdExec_.IsEnabled()) cmdExec_Click();
      return true;
    case kCmdAbout:
      cmdAbout_Click();
      return true;
    case kCmdCandel:
      // Esc reaches here too; a disabled Close keeps the window.
      if (cmdCandel_.IsEnabled()) Close(ui::CloseReason::Code);
      return true;
    case kCmdClear:
      cmdClear_Click();
      return true;
  }
  return false;
}

void ConsoleWindow::cmdExec_Click() {
  std::optional<ui::BusyCursor> busy;
  try {
    const MachineChoice choice = ChooseMachine(cboMachine_.Text());
    // Abort addresses this machine from now on, even if the user cancels.
    abortTarget_ = choice.target;
    if (ShowMessage(ConfirmationText(choice.displayName), kConfirmFlags) == IDCANCEL) return;

    busy.emplace();
    SetButtonState(kBusy);
    // The request blocks the window: paint the busy state before it starts.
    UpdateWindow(Handle());

    ShutdownRequest& request = Request();
    request.Message(txtMsg_.Text());
    request.TimeOut(hsbMsgTime_.Value());
    request.ForceAppsClosed(chkApp_.IsChecked());
    request.RebootAfterShutdown(chkBoot_.IsChecked());
    if (request.VuriRivu(choice.target)) {
      SetButtonState(kRequested);
      std::vector<std::wstring> history = History();
      MoveToTop(history, choice.displayName);
      ShowHistory(history);
    } else {
      ShowMessage(request.LastError(), MB_ICONEXCLAMATION);
      SetButtonState(kReady);
    }
  } catch (...) {
    const ErrorReport error = ReportCurrentException();
    ShowMessage(HandlerErrorText(L"cmdExec_Click", error.description, error.number), MB_OK);
    busy.reset();
    SetButtonState(kRequested);
  }
}

void ConsoleWindow::cmdAbout_Click() {
  try {
    ShutdownRequest& request = Request();
    if (!request.About(abortTarget_)) ShowMessage(request.LastError(), MB_ICONSTOP);
  } catch (...) {
    const ErrorReport error = ReportCurrentException();
    ShowMessage(HandlerErrorText(L"cmdAbout_Click", error.description, error.number), MB_OK);
  }
  SetButtonState(kReady);
}

void ConsoleWindow::cmdClear_Click() { cboMachine_.Clear(); }

void ConsoleWindow::hsbMsgTime_Change() { lblMsgTime_.SetText(TimeOutCaption(hsbMsgTime_.Value())); }

void ConsoleWindow::SetButtonState(std::int16_t state) {
  bool close = true;
  bool exec = true;
  bool abort = true;
  switch (state) {
    case kReady:
      break;
    case kBusy:
      close = exec = abort = false;
      break;
    case kRequested:
      exec = false;
      break;
    default:
      return;
  }
  // A disabled control drops the focus; it goes on to the next usable one,
  // so Enter, Esc and Tab keep working.
  const HWND focus = GetFocus();
  cmdCandel_.SetEnabled(close);
  cmdExec_.SetEnabled(exec);
  cmdAbout_.SetEnabled(abort);
  if (focus && IsChild(Handle(), focus) && !IsWindowEnabled(focus)) MoveFocusPast(focus, false);
}

ShutdownRequest& ConsoleWindow::Request() {
  if (!request_) request_ = std::make_unique<ShutdownRequest>(services_.session, services_.remote);
  return *request_;
}

std::vector<std::wstring> ConsoleWindow::History() const {
  std::vector<std::wstring> history;
  for (int i = 0; i < cboMachine_.Count(); ++i) history.push_back(cboMachine_.Item(i));
  return history;
}

void ConsoleWindow::ShowHistory(const std::vector<std::wstring>& history) {
  cboMachine_.Clear();
  for (const auto& entry : history) cboMachine_.AddItem(entry);
  if (!history.empty()) cboMachine_.Select(0);
}

void ConsoleWindow::OnUnload() {
  // The store skips what fails and goes on: the window closes in any case.
  ConsoleState state;
  state.history = History();
  state.settings.message = txtMsg_.Text();
  state.settings.timeOut = hsbMsgTime_.Value();
  state.settings.app = chkApp_.IsChecked() ? 1 : 0;
  state.settings.boot = chkBoot_.IsChecked() ? 1 : 0;
  SaveConsoleState(services_.store, state);
}

}  // namespace remote
