#include "remote/ConsoleWindow.h"

#include <optional>

#include "remote/ConsoleState.h"
#include "remote/ConsoleTexts.h"
#include "remote/ErrorReport.h"
#include "remote/ErrorText.h"
#include "remote/MachineHistory.h"
#include "ui/BusyCursor.h"
#include "ui/ScreenGeometry.h"
#include "ui/ScreenTwips.h"

namespace remote {
namespace {

// No WS_CLIPCHILDREN: the frames are children too, and the window must paint
// the background inside them.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_APPWINDOW;

constexpr UINT kConfirmFlags = MB_OKCANCEL | MB_ICONINFORMATION | MB_DEFBUTTON2;  // 0x141

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
  ui::WindowParams params;
  params.className = L"VelmarFrmDown";
  params.style = kStyle;
  params.exStyle = kExStyle;
  params.width = width;
  params.height = height;
  // Centred on the primary screen in twips, as the window has always been placed.
  const ui::ScreenRect screen{0, 0, ui::PixelsToTwipsX(GetSystemMetrics(SM_CXSCREEN)),
                              ui::PixelsToTwipsY(GetSystemMetrics(SM_CYSCREEN))};
  const ui::ScreenRect place = ui::CentredIn(screen, ui::PixelsToTwipsX(width), ui::PixelsToTwipsY(height));
  params.left = ui::TwipsToPixelsX(place.left);
  params.top = ui::TwipsToPixelsY(place.top);
  Create(params);

  machine_.SetText(L"");
  ConsoleState state = LoadConsoleState(services_.store);
  history_ = std::move(state.history);
  ShowHistory();
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

void ConsoleWindow::OnDpiChanged(const RECT& suggested) {
  ui::Window::OnDpiChanged(suggested);
  const std::pair<const ui::Control*, ControlId> controls[] = {{&machineLabel_, kMachineLabelId},
                                                               {&machine_, kMachineId},
                                                               {&clear_, kClearId},
                                                               {&messageFrame_, kMessageFrameId},
                                                               {&messageLabel_, kMessageLabelId},
                                                               {&message_, kMessageId},
                                                               {&timeLabel_, kTimeLabelId},
                                                               {&timeOut_, kTimeOutId},
                                                               {&timeOutLabel_, kTimeOutLabelId},
                                                               {&optionsFrame_, kOptionsFrameId},
                                                               {&forceClose_, kForceCloseId},
                                                               {&restart_, kRestartId},
                                                               {&abort_, kAbortId},
                                                               {&execute_, kExecuteId},
                                                               {&close_, kCloseId}};
  for (const auto& [control, id] : controls) control->Rescale(Place(id));
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
    // The dialog keys ask these of the window, as they would ask a dialog:
    // the default button (Enter does nothing while Execute is disabled)...
    case DM_GETDEFID:
      return MAKELRESULT(kExecuteId, DC_HASDEFID);
    // ...and the focus moves, including the one of a label's or a frame's
    // access key, which goes on to the next control that takes the focus.
    case WM_ACTIVATE:
      // The first control in the tab order that takes the focus: the machine
      // box (the label before it takes none).
      KeepFocusAcrossActivation(wParam, GetNextDlgTabItem(Handle(), nullptr, FALSE));
      return 0;
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
      MoveToTop(history_, choice.displayName);
      ShowHistory();
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

void ConsoleWindow::OnClear() {
  history_.clear();
  machine_.Clear();
}

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

void ConsoleWindow::ShowHistory() {
  machine_.Clear();
  const HWND box = machine_.Handle();
  // Room for the whole list at once, and no drawing until it stands: item by
  // item, a list of thousands is grown and redrawn thousands of times.
  std::size_t characters = 0;
  for (const auto& entry : history_) characters += entry.size() + 1;
  SendMessageW(box, CB_INITSTORAGE, history_.size(), characters * sizeof(wchar_t));
  SendMessageW(box, WM_SETREDRAW, FALSE, 0);
  for (const auto& entry : history_) machine_.AddItem(entry);
  SendMessageW(box, WM_SETREDRAW, TRUE, 0);
  if (!history_.empty()) machine_.Select(0);
  InvalidateRect(box, nullptr, TRUE);
}

void ConsoleWindow::OnUnload() {
  // The store skips what fails and goes on: the window closes in any case.
  ConsoleState state;
  state.history = history_;
  state.settings.message = message_.Text();
  state.settings.timeOut = timeOut_.Value();
  state.settings.forceClose = forceClose_.IsChecked();
  state.settings.restart = restart_.IsChecked();
  SaveConsoleState(services_.store, state);
}

}  // namespace remote
