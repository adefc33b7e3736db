#include "remote/ConsoleWindow.h"

#include <exception>
#include <utility>

#include "core/ErrorReport.h"
#include "core/ErrorText.h"
#include "core/SystemLibrary.h"
#include "remote/ConsoleState.h"
#include "remote/ConsoleTexts.h"
#include "remote/ErrorText.h"
#include "remote/ListFile.h"
#include "remote/MachineList.h"
#include "ui/ScreenGeometry.h"

namespace remote {
namespace {

// No WS_CLIPCHILDREN: the frames are children too, and the window must paint
// the background inside them. A file dropped on the window names a room.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_APPWINDOW | WS_EX_ACCEPTFILES;

constexpr UINT kConfirmFlags = MB_OKCANCEL | MB_ICONINFORMATION | MB_DEFBUTTON2;  // 0x141

// The box of an unexpected error names the button's handler, as the window
// always has: these are texts the user reads, not names in this code.
constexpr wchar_t kExecuteHandlerName[] = L"cmdExec_Click";
constexpr wchar_t kAbortHandlerName[] = L"cmdAbout_Click";

// Posted by the request's thread once its request has ended.
constexpr UINT kRequestEnded = WM_APP + 1;
// Posted by a room's request thread once its machine (the wParam) has answered.
constexpr UINT kRoomAnswered = WM_APP + 2;

}  // namespace

ConsoleWindow::ConsoleWindow(ConsoleServices services)
    : DialogWindow(IdOf(ControlId::Execute)), services_(std::move(services)) {
  if (!services_.messageBox) {
    services_.messageBox = [](HWND owner, const std::wstring& text, const std::wstring& title, UINT flags) {
      return MessageBoxW(owner, text.c_str(), title.c_str(), flags);
    };
  }
  if (!services_.taskbar) services_.taskbar = &SystemTaskbarProgress();
}

void ConsoleWindow::Open() {
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

void ConsoleWindow::OnCreate() {
  // Created in tab order: the dialog keys follow the order of the children.
  const HWND window = Handle();
  // Each from its line of the layout: identifier, caption and place.
  const auto make = [window](auto& control, ControlId id) {
    control.Create(window, IdOf(id), LayoutOf(id).caption, PlaceInWindow(id));
  };
  make(machineLabel_, ControlId::MachineLabel);
  make(machine_, ControlId::Machine);
  make(clear_, ControlId::Clear);
  make(messageFrame_, ControlId::MessageFrame);
  make(messageLabel_, ControlId::MessageLabel);
  make(message_, ControlId::Message);
  make(timeLabel_, ControlId::TimeLabel);
  timeOut_.Create(window, IdOf(ControlId::TimeOut), PlaceInWindow(ControlId::TimeOut));
  timeOut_.SetRange(kMinTimeOut, kMaxTimeOut);
  timeOut_.SetSteps(kTimeOutArrowStep, kTimeOutPageStep);
  make(timeOutLabel_, ControlId::TimeOutLabel);
  make(optionsFrame_, ControlId::OptionsFrame);
  make(forceClose_, ControlId::ForceClose);
  make(restart_, ControlId::Restart);
  make(abort_, ControlId::Abort);
  // The default button: Enter presses it.
  execute_.Create(window, IdOf(ControlId::Execute), LayoutOf(ControlId::Execute).caption,
                  PlaceInWindow(ControlId::Execute), true);
  make(close_, ControlId::Close);
}

LRESULT ConsoleWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kRequestEnded:
      OnRequestEnded();
      return 0;
    case kRoomAnswered:
      OnRoomAnswered(static_cast<std::size_t>(wParam));
      return 0;
    case WM_DROPFILES:
      OnDropFiles(reinterpret_cast<HANDLE>(wParam));
      return 0;
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
  switch (static_cast<ControlId>(id)) {
    case ControlId::Execute:
      // Enter reaches here too; a disabled Execute sends nothing.
      if (execute_.IsEnabled()) OnExecute();
      return true;
    case ControlId::Abort:
      // A disabled Abort sends nothing: a request is under way.
      if (abort_.IsEnabled()) OnAbort();
      return true;
    case ControlId::Close:
      // Esc reaches here too; a disabled Close keeps the window.
      if (close_.IsEnabled()) Close(ui::CloseReason::Code);
      return true;
    case ControlId::Clear:
      OnClear();
      return true;
    default:
      // The other controls' clicks are theirs: a check box checks itself.
      return false;
  }
}

void ConsoleWindow::OnExecute() {
  try {
    const std::wstring typed = machine_.Text();
    if (NamesAList(typed)) {
      OnExecuteRoom(typed);
      return;
    }
    const MachineChoice choice = ChooseMachine(typed);
    // Abort addresses this machine from now on, even if the user cancels.
    abortTarget_ = choice.target;
    abortRoom_.reset();
    if (ShowMessage(ConfirmationText(choice.displayName), kConfirmFlags) == IDCANCEL) return;

    busy_.emplace();
    SetButtonState(ButtonState::Busy);
    // The busy state on screen before the request leaves.
    UpdateWindow(Handle());

    const std::shared_ptr<ShutdownRequest> request = Request();
    request->Message(message_.Text());
    request->TimeOut(timeOut_.Value());
    request->ForceAppsClosed(forceClose_.IsChecked());
    request->RebootAfterShutdown(restart_.IsChecked());
    executing_ = choice.displayName;
    StartRequest([request, target = choice.target] { return request->Send(target); });
  } catch (...) {
    ExecuteFailed();
  }
}

void ConsoleWindow::OnAbort() {
  try {
    if (abortRoom_) {
      OnAbortRoom();
      return;
    }
    const std::shared_ptr<ShutdownRequest> request = Request();
    // No second request while this one runs; no hourglass either, as Abort
    // has never shown one.
    SetButtonState(ButtonState::Busy);
    executing_.reset();
    StartRequest([request, target = abortTarget_] { return request->Abort(target); });
  } catch (...) {
    AbortFailed();
  }
}

void ConsoleWindow::StartRequest(std::function<bool()> request) {
  background_.Start(std::move(request), [window = Handle()] { PostMessageW(window, kRequestEnded, 0, 0); });
}

void ConsoleWindow::OnRequestEnded() {
  // Another window's, or one handled already at the end of the session.
  const std::optional<BackgroundRequest::Outcome> outcome = background_.Take();
  if (!outcome) return;
  if (executing_) {
    FinishExecute(*outcome);
  } else {
    FinishAbort(*outcome);
  }
  if (const auto reason = std::exchange(closeWhenEnded_, std::nullopt)) Close(*reason);
}

void ConsoleWindow::FinishExecute(const BackgroundRequest::Outcome& outcome) {
  try {
    if (outcome.error) std::rethrow_exception(outcome.error);
    if (outcome.accepted) {
      SetButtonState(ButtonState::Requested);
      KeepAccepted();
    } else {
      ShowMessage(request_->LastError(), MB_ICONEXCLAMATION);
      SetButtonState(ButtonState::Ready);
    }
    busy_.reset();
  } catch (...) {
    ExecuteFailed();
  }
}

void ConsoleWindow::FinishAbort(const BackgroundRequest::Outcome& outcome) {
  try {
    if (outcome.error) std::rethrow_exception(outcome.error);
    if (!outcome.accepted) ShowMessage(request_->LastError(), MB_ICONSTOP);
    SetButtonState(ButtonState::Ready);
  } catch (...) {
    AbortFailed();
  }
}

void ConsoleWindow::ExecuteFailed() {
  const core::ErrorReport error = core::ReportCurrentException();
  ShowMessage(HandlerErrorText(kExecuteHandlerName, error.description, error.number), MB_OK);
  busy_.reset();
  SetButtonState(ButtonState::Requested);
}

void ConsoleWindow::AbortFailed() {
  const core::ErrorReport error = core::ReportCurrentException();
  ShowMessage(HandlerErrorText(kAbortHandlerName, error.description, error.number), MB_OK);
  SetButtonState(ButtonState::Ready);
}

// The accepted machine goes to the top of the history, which is stored at
// once: a Velmar ended from outside keeps every machine it reached.
void ConsoleWindow::KeepAccepted() {
  MoveToTop(history_, *executing_);
  ShowHistory();
  SaveHistory(services_.store, history_);
}

void ConsoleWindow::OnExecuteRoom(const std::wstring& typed) {
  std::optional<Room> room = ReadRoom(typed);
  if (!room) return;
  // Abort addresses the whole room from now on, even if the user cancels.
  abortRoom_ = room->machines;
  if (ShowMessage(RoomConfirmationText(room->machines), kConfirmFlags) == IDCANCEL) return;

  busy_.emplace();
  SetButtonState(ButtonState::Busy);
  UpdateWindow(Handle());
  roomEntry_ = std::move(room->historyEntry);
  StartRoom(RoomAction::ShutDown, std::move(room->machines));
}

void ConsoleWindow::OnAbortRoom() {
  // As for one machine: no hourglass, and no second request meanwhile.
  SetButtonState(ButtonState::Busy);
  StartRoom(RoomAction::Abort, *abortRoom_);
}

std::optional<ConsoleWindow::Room> ConsoleWindow::ReadRoom(const std::wstring& typed) {
  const std::optional<std::wstring> file = ListFilePath(typed);
  std::wstring text = typed;
  if (file) {
    const ListFileBytes read = ReadListFileBytes(*file);
    if (read.tooLarge) {
      ShowMessage(ListFileTooLargeText(*file), MB_ICONEXCLAMATION);
      return std::nullopt;
    }
    if (read.errorCode != 0) {
      const std::wstring error = core::ErrorText(static_cast<std::int32_t>(read.errorCode),
                                                 services_.remote.SystemText(read.errorCode));
      ShowMessage(ListFileUnreadableText(*file, error), MB_ICONEXCLAMATION);
      return std::nullopt;
    }
    text = DecodeListFile(read.bytes, [](std::string_view bytes) { return FromAnsiCodePage(bytes); });
  }
  MachineList list = ReadMachineList(text, file.has_value());
  if (list.problem != ListProblem::None) {
    ShowMessage(ListProblemText(list.problem, file.value_or(L"")), MB_ICONEXCLAMATION);
    return std::nullopt;
  }
  std::wstring entry = file ? L"@" + *file : JoinedNames(list.machines);
  return Room{std::move(list.machines), std::move(entry)};
}

void ConsoleWindow::StartRoom(RoomAction action, std::vector<MachineChoice> machines) {
  ShutdownRequest parameters(services_.session, services_.remote);
  parameters.Message(message_.Text());
  parameters.ForceAppsClosed(forceClose_.IsChecked());
  parameters.RebootAfterShutdown(restart_.IsChecked());
  room_.emplace(action, std::move(machines), parameters, static_cast<std::uint32_t>(timeOut_.Value()),
                Handle(), kRoomAnswered);
  room_->Start();
  RoomProgressed();
}

void ConsoleWindow::RoomProgressed() {
  const RoomSchedule& answers = room_->Answers();
  services_.taskbar->Show(Handle(), answers.AnsweredCount(), answers.Machines().size(), answers.AnyRefused());
  if (answers.Done()) FinishRoom();
}

void ConsoleWindow::OnRoomAnswered(std::size_t index) {
  // Another window's, or one taken already at the end of the session.
  if (!room_) return;
  const RoomAction action = room_->Action();
  try {
    if (room_->TakeAnswer(index)) RoomProgressed();
  } catch (...) {
    // The room is given up: its threads finish on their own.
    room_.reset();
    services_.taskbar->Clear(Handle());
    if (action == RoomAction::ShutDown) {
      ExecuteFailed();
    } else {
      AbortFailed();
    }
  }
}

void ConsoleWindow::FinishRoom() {
  services_.taskbar->Clear(Handle());
  const RoomAction action = room_->Action();
  const RoomSchedule& answers = room_->Answers();
  const std::wstring summary = RoomSummaryText(action, answers);
  const bool anyRefused = answers.AnyRefused();
  const bool anyAccepted = answers.AcceptedCount() > 0;
  // Abort addresses the machines that accepted, and only those.
  if (action == RoomAction::ShutDown) abortRoom_ = answers.Accepted();
  // Done before the summary's box, whose wait runs the window's messages.
  room_.reset();
  if (action == RoomAction::ShutDown) {
    if (anyAccepted) {
      SetButtonState(ButtonState::Requested);
      MoveToTop(history_, roomEntry_);
      ShowHistory();
      SaveHistory(services_.store, history_);
    } else {
      SetButtonState(ButtonState::Ready);
    }
    busy_.reset();
    ShowMessage(summary, anyRefused ? MB_ICONEXCLAMATION : MB_ICONINFORMATION);
  } else {
    SetButtonState(ButtonState::Ready);
    if (anyRefused) ShowMessage(summary, MB_ICONSTOP);
  }
  if (const auto reason = std::exchange(closeWhenEnded_, std::nullopt)) Close(*reason);
}

void ConsoleWindow::OnDropFiles(HANDLE drop) {
  // The shell's drop functions, from the system directory, only when a file
  // is dropped: a start of the program loads no shell.
  const core::SystemLibrary shell(L"shell32.dll");
  const auto query = shell.Find<UINT(WINAPI*)(HANDLE, UINT, LPWSTR, UINT)>("DragQueryFileW");
  const auto finish = shell.Find<void(WINAPI*)(HANDLE)>("DragFinish");
  if (query) {
    std::wstring path(query(drop, 0, nullptr, 0), L'\0');
    if (!path.empty() && query(drop, 0, path.data(), static_cast<UINT>(path.size() + 1)) == path.size())
      machine_.SetText(L"@" + path);
  }
  if (finish) finish(drop);
}

bool ConsoleWindow::OnCloseRequest(ui::CloseReason reason) {
  if (room_) {
    if (reason == ui::CloseReason::User || reason == ui::CloseReason::Code) {
      closeWhenEnded_ = reason;
      return false;
    }
    // The session ends: the room counts as reached if any machine accepted.
    room_->TakeAnswersInNow();
    if (room_->Action() == RoomAction::ShutDown && room_->Answers().AcceptedCount() > 0)
      MoveToTop(history_, roomEntry_);
    return true;
  }
  if (!background_.UnderWay()) return true;
  if (reason == ui::CloseReason::User || reason == ui::CloseReason::Code) {
    // The close waits for the request, and the window keeps answering.
    closeWhenEnded_ = reason;
    return false;
  }
  // Windows waits only so long for a program at the end of the session: the
  // window goes now, its unload writing the history, and the request is left
  // to its thread. One that has just been accepted still counts.
  if (const auto outcome = background_.Take(); outcome && outcome->accepted && !outcome->error && executing_)
    MoveToTop(history_, *executing_);
  return true;
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

std::shared_ptr<ShutdownRequest> ConsoleWindow::Request() {
  if (!request_) request_ = std::make_shared<ShutdownRequest>(services_.session, services_.remote);
  return request_;
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

void ConsoleWindow::OnDestroy() {
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
