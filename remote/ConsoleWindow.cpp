#include "remote/ConsoleWindow.h"

#include <optional>

#include "remote/ConsoleState.h"
#include "remote/ConsoleTexts.h"
#include "remote/ErrorReport.h"
#include "remote/ErrorText.h"
#include "remote/MachineHistory.h"
#include "ui/BusyCursor.h"
#include "ui/ScreenGeometry.h"

namespace remote {
namespace {

// No WS_CLIPCHILDREN: the frames are children too, and the window must paint
// the background inside them.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_APPWINDOW;

constexpr UINT kConfirmFlags = MB_OKCANCEL | MB_ICONINFORMATION | MB_DEFBUTTON2;  // 0x141

}  // namespace

ConsoleWindow::ConsoleWindow(ConsoleServices services)
    : DialogWindow(kExecuteId), services_(std::move(services)) {
  if (!services_.messageBox) {
    services_.messageBox = [](HWND owner, const std::wstring& text, const std::wstring& title, UINT flags) {
      return MessageBoxW(owner, text.c_str(), title.c_str(), flags);
    };
  }
}

void ConsoleWindow::Load() {
  ui::WindowParams params;
  params.className = L"VelmarFrmDown";
  params.style = kStyle;
  params.exStyle = kExStyle;
  params.clientTwips = ui::TwipsSize{kClientWidth, kClientHeight};
  params.scalesWithText = true;
  // Made on the primary screen, at its resolution, then centred on it in
  // twips, as the window has always been placed.
  params.left = 0;
  params.top = 0;
  Create(params);
  const int dpi = Dpi();
  FitClientTwips([dpi](SIZE outer) {
    const ui::ScreenRect screen{0, 0, ui::PixelsToTwips(GetSystemMetrics(SM_CXSCREEN), dpi),
                                ui::PixelsToTwips(GetSystemMetrics(SM_CYSCREEN), dpi)};
    const ui::ScreenRect place =
        ui::CentredIn(screen, ui::PixelsToTwips(outer.cx, dpi), ui::PixelsToTwips(outer.cy, dpi));
    return POINT{ui::TwipsToPixels(place.left, dpi), ui::TwipsToPixels(place.top, dpi)};
  });

  machine_.SetText(L"");
  const ConsoleState state = LoadConsoleState(services_.store);
  ShowHistory(state.history);
  message_.SetText(state.settings.message);
  timeOut_.SetValue(state.settings.timeOut);
  forceClose_.SetChecked(state.settings.forceClose);
  restart_.SetChecked(state.settings.restart);
  SetButtonState(ButtonState::Ready);
  ShowTimeOut();
}

int ConsoleWindow::ShowMessage(const std::wstring& text, UINT flags) {
  return services_.messageBox(Handle(), text, kProgramTitle, flags);
}

ui::TwipsRect ConsoleWindow::Place(ControlId id) const {
  const ControlLayout& params = LayoutOf(id);
  if (params.container == kMessageFrameId) return messageFrame_.Place(params.place);
  if (params.container == kOptionsFrameId) return optionsFrame_.Place(params.place);
  return params.place;
}

void ConsoleWindow::OnCreate() {
  // Created in tab order: the dialog keys follow the order of the children.
  const HWND window = Handle();
  const auto caption = [](ControlId id) { return std::wstring(LayoutOf(id).caption); };
  machineLabel_.Create(window, kMachineLabelId, caption(kMachineLabelId), Place(kMachineLabelId));
  machine_.Create(window, kMachineId, caption(kMachineId), Place(kMachineId));
  clear_.Create(window, kClearId, caption(kClearId), Place(kClearId));
  messageFrame_.Create(window, kMessageFrameId, caption(kMessageFrameId), Place(kMessageFrameId));
  messageLabel_.Create(window, kMessageLabelId, caption(kMessageLabelId), Place(kMessageLabelId));
  message_.Create(window, kMessageId, caption(kMessageId), Place(kMessageId));
  timeLabel_.Create(window, kTimeLabelId, caption(kTimeLabelId), Place(kTimeLabelId));
  timeOut_.Create(window, kTimeOutId, Place(kTimeOutId));
  timeOut_.SetRange(kMinTimeOut, kMaxTimeOut);
  timeOut_.SetSteps(kTimeOutArrowStep, kTimeOutPageStep);
  timeOutLabel_.Create(window, kTimeOutLabelId, caption(kTimeOutLabelId), Place(kTimeOutLabelId));
  optionsFrame_.Create(window, kOptionsFrameId, caption(kOptionsFrameId), Place(kOptionsFrameId));
  forceClose_.Create(window, kForceCloseId, caption(kForceCloseId), Place(kForceCloseId));
  restart_.Create(window, kRestartId, caption(kRestartId), Place(kRestartId));
  abort_.Create(window, kAbortId, caption(kAbortId), Place(kAbortId));
  execute_.Create(window, kExecuteId, caption(kExecuteId), Place(kExecuteId), true);
  close_.Create(window, kCloseId, caption(kCloseId), Place(kCloseId));
}

LRESULT ConsoleWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_HSCROLL:
      if (reinterpret_cast<HWND>(lParam) == timeOut_.Handle()) {
        timeOut_.Scroll(wParam);
        ShowTimeOut();
        return 0;
      }
      break;
  }
  return ui::DialogWindow::HandleMessage(message, wParam, lParam);
}

bool ConsoleWindow::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case kExecuteId:
      // Enter reaches here too; a disabled Execute sends nothing.
      if (execute_.IsEnabled()) OnExecute();
      return true;
    case kAbortId:
      OnAbort();
      return true;
    case kCloseId:
      // Esc reaches here too; a disabled Close keeps the window.
      if (close_.IsEnabled()) Close(ui::CloseReason::Code);
      return true;
    case kClearId:
      OnClear();
      return true;
  }
  return false;
}

void ConsoleWindow::OnExecute() {
  std::optional<ui::BusyCursor> busy;
  try {
    const MachineChoice choice = ChooseMachine(machine_.Text());
    // Abort addresses this machine from now on, even if the user cancels.
    abortTarget_ = choice.target;
    if (ShowMessage(ConfirmationText(choice.displayName), kConfirmFlags) == IDCANCEL) return;

    busy.emplace();
    SetButtonState(ButtonState::Busy);
    // The request blocks the window: paint the busy state before it starts.
    UpdateWindow(Handle());

    ShutdownRequest& request = Request();
    request.Message(message_.Text());
    request.TimeOut(timeOut_.Value());
    request.ForceAppsClosed(forceClose_.IsChecked());
    request.RebootAfterShutdown(restart_.IsChecked());
    if (request.Send(choice.target)) {
      SetButtonState(ButtonState::Requested);
      std::vector<std::wstring> history = History();
      MoveToTop(history, choice.displayName);
      ShowHistory(history);
    } else {
      ShowMessage(request.LastError(), MB_ICONEXCLAMATION);
      SetButtonState(ButtonState::Ready);
    }
  } catch (...) {
    const ErrorReport error = ReportCurrentException();
    ShowMessage(HandlerErrorText(L"cmdExec_Click", error.description, error.number), MB_OK);
    busy.reset();
    SetButtonState(ButtonState::Requested);
  }
}

void ConsoleWindow::OnAbort() {
  try {
    ShutdownRequest& request = Request();
    if (!request.Abort(abortTarget_)) ShowMessage(request.LastError(), MB_ICONSTOP);
  } catch (...) {
    const ErrorReport error = ReportCurrentException();
    ShowMessage(HandlerErrorText(L"cmdAbout_Click", error.description, error.number), MB_OK);
  }
  SetButtonState(ButtonState::Ready);
}

void ConsoleWindow::OnClear() { machine_.Clear(); }

void ConsoleWindow::ShowTimeOut() { timeOutLabel_.SetText(TimeOutCaption(timeOut_.Value())); }

void ConsoleWindow::SetButtonState(ButtonState state) {
  const bool close = state != ButtonState::Busy;
  const bool exec = state == ButtonState::Ready;
  const bool abort = state != ButtonState::Busy;
  // A disabled control drops the focus; it goes on to the next usable one,
  // so Enter, Esc and Tab keep working.
  const HWND focus = GetFocus();
  close_.SetEnabled(close);
  execute_.SetEnabled(exec);
  abort_.SetEnabled(abort);
  if (focus && IsChild(Handle(), focus) && !IsWindowEnabled(focus)) MoveFocusPast(focus, false);
}

ShutdownRequest& ConsoleWindow::Request() {
  if (!request_) request_ = std::make_unique<ShutdownRequest>(services_.session, services_.remote);
  return *request_;
}

std::vector<std::wstring> ConsoleWindow::History() const {
  std::vector<std::wstring> history;
  for (int i = 0; i < machine_.Count(); ++i) history.push_back(machine_.Item(i));
  return history;
}

void ConsoleWindow::ShowHistory(const std::vector<std::wstring>& history) {
  machine_.Clear();
  for (const auto& entry : history) machine_.AddItem(entry);
  if (!history.empty()) machine_.Select(0);
}

void ConsoleWindow::OnUnload() {
  // The store skips what fails and goes on: the window closes in any case.
  ConsoleState state;
  state.history = History();
  state.settings.message = message_.Text();
  state.settings.timeOut = timeOut_.Value();
  state.settings.forceClose = forceClose_.IsChecked();
  state.settings.restart = restart_.IsChecked();
  SaveConsoleState(services_.store, state);
}

}  // namespace remote
