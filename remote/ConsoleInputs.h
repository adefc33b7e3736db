#pragma once
// The console window's stored inputs (section "frmDown"): how the stored text
// becomes a value and back. Values the program never writes still load: a
// text that is not a number gives the default, a time-out outside its range is
// clamped into it, and a stored check state other than 0 or 1 counts as
// checked.
#include <string>
#include <string_view>

namespace remote {

inline constexpr int kMinTimeOut = 0;
inline constexpr int kMaxTimeOut = 300;

struct ConsoleInputs {
  std::wstring message;  // "Msg"
  int timeOut = 0;       // "TimeOut", seconds
  bool forceClose = false;  // "App": the force-close box, stored as 1 or 0
  bool restart = false;     // "Boot": the restart box, stored as 1 or 0
};

int TimeOutFromStored(std::wstring_view stored);
bool CheckedFromStored(std::wstring_view stored);
std::wstring CheckedToStored(bool checked);

// The caption of the time-out label: the seconds followed by "秒".
std::wstring TimeOutCaption(int seconds);

}  // namespace remote
