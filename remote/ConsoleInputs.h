#pragma once
// The console window's stored inputs (section "frmDown"): how the stored text
// becomes a value and back. Values the program never writes still load: a
// text that is not a number gives the default, a time-out outside its range is
// clamped into it, and a check state other than 0 or 1 counts as checked.
#include <string>
#include <string_view>

namespace remote {

inline constexpr int kMinTimeOut = 0;
inline constexpr int kMaxTimeOut = 300;

struct ConsoleInputs {
  std::wstring message;  // "Msg"
  int timeOut = 0;       // "TimeOut", seconds
  int app = 0;           // "App": check state of the force-close box, 0 or 1
  int boot = 0;          // "Boot": check state of the restart box, 0 or 1
};

int TimeOutFromStored(std::wstring_view stored);
int CheckStateFromStored(std::wstring_view stored);

// The caption of the time-out label: the seconds followed by "秒".
std::wstring TimeOutCaption(int seconds);

}  // namespace remote
