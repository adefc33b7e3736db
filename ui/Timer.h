#pragma once
// A timer of a window: its ticks arrive as OnTimer(Id()) of that window,
// through whatever message loop runs, modal ones included. Each timer is told
// apart by its own address, so a window's timers need no numbers.
#include <windows.h>

namespace ui {

class Window;

class Timer {
 public:
  Timer(const Window& owner, UINT intervalMs) : owner_(owner), interval_(intervalMs) {}
  ~Timer() { Stop(); }
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  UINT_PTR Id() const { return reinterpret_cast<UINT_PTR>(this); }
  // The next tick comes one interval after this call, also when it runs already.
  void Start();
  void Stop();

 private:
  const Window& owner_;
  UINT interval_;
  bool running_ = false;
};

}  // namespace ui
