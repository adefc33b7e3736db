#include "brevok/MsgHook.h"

#include <windows.h>
// commctrl.h after windows.h: it needs its types.
#include <commctrl.h>

namespace brevok {

// Subclassing through comctl32 chains politely with any other subclass of the
// same window and survives windows that are subclassed after us. The hook's own
// address is the subclass id, so two hooks on one window do not replace each other.
struct MsgHookProcedure {
  static LRESULT CALLBACK Run(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR data) {
    auto* hook = reinterpret_cast<MsgHook*>(data);
    // A copy, because the listener may re-attach or even destroy its own hook;
    // after the call nothing of the hook is touched.
    try {
      const MsgHook::Listener listener = hook->listener_;
      if (message == WM_NCDESTROY) hook->Detach();
      if (listener) listener(message, wParam, lParam, reinterpret_cast<WindowHandle>(window));
    } catch (...) {
      // A listener's failure must not change how the window handles the message.
    }
    return DefSubclassProc(window, message, wParam, lParam);
  }
};

MsgHook::~MsgHook() { Detach(); }

void MsgHook::Attach(WindowHandle window, Listener listener) {
  Detach();
  listener_ = std::move(listener);
  if (SetWindowSubclass(reinterpret_cast<HWND>(window), &MsgHookProcedure::Run,
                        reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this))) {
    window_ = window;
  }
}

void MsgHook::Detach() {
  if (window_ != 0) {
    RemoveWindowSubclass(reinterpret_cast<HWND>(window_), &MsgHookProcedure::Run,
                         reinterpret_cast<UINT_PTR>(this));
    window_ = 0;
  }
}

}  // namespace brevok
