#pragma once
// Velmar's console window: the machine name with its history, the message and
// its display time, the two shutdown options, and the Execute, Abort and
// Close buttons. It sends its requests through its one ShutdownRequest, on a
// thread of their own so that the window keeps answering while Windows
// contacts the machine, and keeps its inputs and the history in the settings
// store between runs.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/SessionApi.h"
#include "remote/BackgroundRequest.h"
#include "remote/ConsoleLayout.h"
#include "remote/MachineHistory.h"
#include "remote/RemoteShutdownApi.h"
#include "remote/RoomRequests.h"
#include "remote/ShutdownRequest.h"
#include "remote/TaskbarProgress.h"
#include "settings/SettingsStore.h"
#include "ui/BusyCursor.h"
#include "ui/Controls.h"
#include "ui/DialogWindow.h"

namespace remote {

// A message box: owner, text, title and MB_ flags in, the button pressed out.
using MessageBoxFunction =
    std::function<int(HWND owner, const std::wstring& text, const std::wstring& title, UINT flags)>;

// What the window works with; tests hand in fakes.
struct ConsoleServices {
  core::SessionApi& session;
  RemoteShutdownApi& remote;
  settings::SettingsStore& store;
  MessageBoxFunction messageBox;       // empty: the system's message box
  TaskbarProgress* taskbar = nullptr;  // null: the system's taskbar
};

class ConsoleWindow : public ui::DialogWindow {
 public:
  explicit ConsoleWindow(ConsoleServices services);

  // Creates the window, centred and hidden, and restores its inputs.
  void Open();
  // A message box of the program over this window.
  int ShowMessage(const std::wstring& text, UINT flags);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnCreate() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnCloseRequest(ui::CloseReason reason) override;
  void OnDestroy() override;

 private:
  void OnExecute();
  void OnAbort();
  // The request's thread has ended; its outcome is handled here, on the
  // window's thread, as the buttons' handlers would have handled it.
  void OnRequestEnded();
  void FinishExecute(const BackgroundRequest::Outcome& outcome);
  void FinishAbort(const BackgroundRequest::Outcome& outcome);
  void ExecuteFailed();
  void AbortFailed();
  void KeepAccepted();
  // A list of machines, or a file of them, in the machine box: a room,
  // asked side by side.
  struct Room {
    std::vector<MachineChoice> machines;
    std::wstring historyEntry;  // the names joined, or the file's "@path"
  };
  void OnExecuteRoom(const std::wstring& typed);
  void OnAbortRoom();
  // The room named by the box, or nothing after a box that says why not.
  std::optional<Room> ReadRoom(const std::wstring& typed);
  void StartRoom(RoomAction action, std::vector<MachineChoice> machines);
  void OnRoomAnswered(std::size_t index);
  // The taskbar shows how far the room is; once every machine has answered,
  // the summary follows.
  void RoomProgressed();
  void FinishRoom();
  void OnDropFiles(HANDLE drop);
  void OnClear();
  void ShowTimeOut();
  // Ready: every button works. Busy: a request is under way. Requested: it
  // was accepted, and only its abort or closing the window remain.
  enum class ButtonState { Ready, Busy, Requested };
  void SetButtonState(ButtonState state);

  std::shared_ptr<ShutdownRequest> Request();
  void StartRequest(std::function<bool()> request);
  void ShowHistory();

  ConsoleServices services_;
  // Shared with the request's thread, which may outlive the window when the
  // session ends under it.
  std::shared_ptr<ShutdownRequest> request_;
  std::wstring abortTarget_;  // empty: the local machine
  // When the abort target is a room: the machines that accepted its last
  // Execute, or all of them when it was never executed.
  std::optional<std::vector<MachineChoice>> abortRoom_;
  // The room whose requests are under way, and its history entry.
  std::optional<RoomRequests> room_;
  std::wstring roomEntry_;
  BackgroundRequest background_;
  // What the request under way is: an Execute for this display name, or an
  // Abort (nothing).
  std::optional<std::wstring> executing_;
  std::optional<ui::BusyCursor> busy_;
  // A close asked for while a request runs, carried out once it has ended.
  std::optional<ui::CloseReason> closeWhenEnded_;
  // The list of the machine box, kept here as well: reading thousands of
  // entries back out of the box costs more than keeping them.
  std::vector<std::wstring> history_;

  ui::Label machineLabel_;
  ui::ComboBox machine_;
  ui::Button clear_;
  ui::Frame messageFrame_;
  ui::Label messageLabel_;
  ui::TextBox message_;
  ui::Label timeLabel_;
  ui::ScrollBar timeOut_;
  ui::Label timeOutLabel_;
  ui::Frame optionsFrame_;
  ui::CheckBox forceClose_;
  ui::CheckBox restart_;
  ui::Button abort_;
  ui::Button execute_;
  ui::Button close_;
};

}  // namespace remote
