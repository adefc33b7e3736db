#pragma once
// Velmar's console window: the machine name with its history, the message and
// its display time, the two shutdown options, and the Execute, Abort and
// Close buttons. It sends its requests through its one ShutdownRequest and
// keeps its inputs and the history in the settings store between runs.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/SessionApi.h"
#include "remote/ConsoleLayout.h"
#include "remote/ConsoleStore.h"
#include "remote/RemoteShutdownApi.h"
#include "remote/ShutdownRequest.h"
#include "ui/Controls.h"
#include "ui/Window.h"

namespace remote {

// A message box: owner, text, title and MB_ flags in, the button pressed out.
using MessageBoxFunction =
    std::function<int(HWND owner, const std::wstring& text, const std::wstring& title, UINT flags)>;

// What the window works with; tests hand in fakes.
struct ConsoleServices {
  core::SessionApi& session;
  RemoteShutdownApi& remote;
  ConsoleStore& store;
  MessageBoxFunction messageBox;  // empty: the system's message box
};

class ConsoleWindow : public ui::Window {
 public:
  explicit ConsoleWindow(ConsoleServices services);

  // Creates the window, centred and hidden, and restores its inputs.
  void Load();
  // A message box of the program over this window.
  int ShowMessage(const std::wstring& text, UINT flags);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnCreate() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnUnload() override;

 private:
  void cmdExec_Click();
  void cmdAbout_Click();
  void cmdClear_Click();
  void hsbMsgTime_Change();
  void SetButtonState(std::int16_t state);
  void MoveFocusPast(HWND control, bool backwards);

  ShutdownRequest& Request();
  std::vector<std::wstring> History() const;
  void ShowHistory(const std::vector<std::wstring>& history);
  ui::TwipsRect Place(ControlId id) const;

  ConsoleServices services_;
  std::unique_ptr<ShutdownRequest> request_;
  std::wstring abortTarget_;  // empty: the local machine

  ui::Label lblMachine_;
  ui::ComboBox cboMachine_;
  ui::Button cmdClear_;
  ui::Frame fraMsg_;
  ui::Label lblMsg_;
  ui::TextBox txtMsg_;
  ui::Label lblTime_;
  ui::ScrollBar hsbMsgTime_;
  ui::Label lblMsgTime_;
  ui::Frame frmShutDown_;
  ui::CheckBox chkApp_;
  ui::CheckBox chkBoot_;
  ui::Button cmdAbout_;
  ui::Button cmdExec_;
  ui::Button cmdCandel_;
};

}  // namespace remote
