#pragma once
// A timer of the test's own thread, with no window: its action runs from inside
// whatever message loop the thread is in when it fires, a modal one included,
// so a test can look at and press a modal window while the call that showed it
// still waits. It fires every interval until stopped or destroyed.
// Windows build only.
#include <windows.h>

#include <functional>
#include <map>
#include <utility>

namespace testing_support {

class ThreadTimer {
 public:
  ThreadTimer(UINT intervalMs, std::function<void()> action) : action_(std::move(action)) {
    id_ = SetTimer(nullptr, 0, intervalMs, &ThreadTimer::Fired);
    Timers()[id_] = this;
  }
  ~ThreadTimer() { Stop(); }
  ThreadTimer(const ThreadTimer&) = delete;
  ThreadTimer& operator=(const ThreadTimer&) = delete;

  void Stop() {
    if (id_ == 0) return;
    KillTimer(nullptr, id_);
    Timers().erase(id_);
    id_ = 0;
  }

 private:
  static std::map<UINT_PTR, ThreadTimer*>& Timers() {
    static std::map<UINT_PTR, ThreadTimer*> timers;
    return timers;
  }
  static void CALLBACK Fired(HWND, UINT, UINT_PTR id, DWORD) {
    const auto found = Timers().find(id);
    if (found != Timers().end()) found->second->action_();
  }

  UINT_PTR id_ = 0;
  std::function<void()> action_;
};

}  // namespace testing_support
