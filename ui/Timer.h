#pragma once
// A timer of a window: its ticks arrive as OnTimer(id) of that window,
// through whatever message loop runs, modal ones included.
#include <windows.h>

namespace ui {

class Window;

class Timer {
 public:
  Timer(const Window& owner, UINT_PTR id, UINT intervalMs) : owner_(owner), id_(id), interval_(intervalMs) {}
  ~Timer() { Stop(); }
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  UINT_PTR Id() const { return id_; }
  // The next tick comes one interval after this call, also when it runs already.
  void Start();
  void Stop();
  bool IsRunning() const { return running_; }

 private:
  const Window& owner_;
  UINT_PTR id_;
  UINT interval_;
  bool running_ = false;
};

}  // namespace ui
