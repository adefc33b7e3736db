#pragma once
// Watches every message a window receives and tells a listener, leaving the
// window's own handling untouched. Windows build only.
#include <cstdint>
#include <functional>

#include "platform/WindowHandle.h"

namespace platform {

class MessageHook {
 public:
  // message, wParam, lParam, and the window that received it.
  using Listener = std::function<void(std::uint32_t, std::uintptr_t, std::intptr_t, WindowHandle)>;

  MessageHook() = default;
  ~MessageHook();
  MessageHook(const MessageHook&) = delete;
  MessageHook& operator=(const MessageHook&) = delete;

  // Starts watching window (stopping any earlier watch). The listener runs
  // inside the window procedure: what it throws is swallowed there.
  void Attach(WindowHandle window, Listener listener);
  // Stops watching; also done by the destructor and when the window is destroyed.
  void Detach();

 private:
  WindowHandle window_ = 0;
  Listener listener_;

  friend struct MessageHookProcedure;
};

}  // namespace platform
