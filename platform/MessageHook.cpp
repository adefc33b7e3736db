#include "platform/MessageHook.h"

#include <windows.h>
// commctrl.h after windows.h: it needs its types.
#include <commctrl.h>

namespace platform {

// Subclassing through comctl32 chains politely with any other subclass of the
// same window and survives windows that are subclassed after us. The hook's own
// address is the subclass id, so two hooks on one window do not replace each other.
struct MessageHookProcedure {
  static LRESULT CALLBACK Run(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR data) {
    auto* hook = reinterpret_cast<MessageHook*>(data);
    // A copy, because the listener may re-attach or even destroy its own hook;
    // after the call nothing of the hook is touched.
    try {
      const MessageHook::Listener listener = hook->listener_;
      if (message == WM_NCDESTROY) hook->Detach();
      if (listener) listener(message, wParam, lParam, reinterpret_cast<WindowHandle>(window));
    } catch (...) {
      // A listener's failure must not change how the window handles the message.
    }
    return DefSubclassProc(window, message, wParam, lParam);
  }
};

MessageHook::~MessageHook() { Detach(); }

void MessageHook::Attach(WindowHandle window, Listener listener) {
  Detach();
  listener_ = std::move(listener);
  if (SetWindowSubclass(reinterpret_cast<HWND>(window), &MessageHookProcedure::Run,
                        reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this))) {
    window_ = window;
  }
}

void MessageHook::Detach() {
  if (window_ != 0) {
    RemoveWindowSubclass(reinterpret_cast<HWND>(window_), &MessageHookProcedure::Run,
                         reinterpret_cast<UINT_PTR>(this));
    window_ = 0;
  }
}

}  // namespace platform
