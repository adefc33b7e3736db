#include "ui/MessageLoop.h"

#include "core/CheckedCall.h"
#include "ui/PendingError.h"
#include "ui/Window.h"

namespace ui {
namespace {

bool IsKeyboardMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

// A timer of the thread, not of a window: its tick reaches no window
// procedure, only the loop that waits for it.
class WaitTimer {
 public:
  explicit WaitTimer(UINT milliseconds)
      : id_(core::CheckedCall(SetTimer(nullptr, 0, milliseconds, nullptr), "SetTimer")) {}
  ~WaitTimer() { KillTimer(nullptr, id_); }
  WaitTimer(const WaitTimer&) = delete;
  WaitTimer& operator=(const WaitTimer&) = delete;

  bool Ticked(const MSG& message) const {
    return message.message == WM_TIMER && message.hwnd == nullptr && message.wParam == id_;
  }

 private:
  UINT_PTR id_;
};

// The modal loop: the thread's messages while the window stands. It ends
// with the window, with a WM_QUIT (posted again for the loop outside), or
// with the tick of <timer> when one is given; true only for that tick.
bool RunWhileShown(const Window& window, const WaitTimer* timer) {
  const HWND hwnd = window.Handle();
  MSG message;
  while (window.Handle() == hwnd) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
    if (got == -1) return false;
    if (timer && timer->Ticked(message)) return true;
    DispatchOne(message);
  }
  return false;
}

}  // namespace

void DispatchOne(MSG& message) {
  bool used = false;
  if (IsKeyboardMessage(message.message) && message.hwnd) {
    if (Window* root = Window::FromHandle(GetAncestor(message.hwnd, GA_ROOT)))
      used = root->PreTranslateMessage(message);
  }
  if (!used) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  RethrowPendingError();
}

int RunMessageLoop() {
  MSG message;
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got == -1) return -1;
    DispatchOne(message);
  }
}

void RunModal(Window& window) {
  window.ShowModal();
  const HWND hwnd = window.Handle();
  try {
    RunWhileShown(window, nullptr);
  } catch (...) {
    if (window.Handle() == hwnd) DestroyWindow(hwnd);
    throw;
  }
}

bool RunModalFor(const Window& window, UINT milliseconds) {
  const WaitTimer timer(milliseconds);
  return RunWhileShown(window, &timer);
}

}  // namespace ui
