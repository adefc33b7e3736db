#pragma once
// The message loops: the program's own and the nested one of a modal window.
// Both dispatch every message to every window of the thread, so timers, the
// system's setting broadcasts and the end-of-session messages reach all the
// program's windows while a modal window is up.
#include <windows.h>

#include <vector>

namespace ui {

class Window;

// Gives a message the keyboard handling of its top-level window, then its
// window procedure; rethrows what a handler raised meanwhile.
void DispatchOne(MSG& message);

// Runs until WM_QUIT and answers its exit code.
int RunMessageLoop();

// Shows a loaded window and returns once it is unloaded. Meanwhile the
// program's other windows are disabled, as under any modal window. A WM_QUIT
// ends the wait and is passed on to the loop outside. When something raises
// an error the window is unloaded and the error goes to the caller.
void ShowModal(Window& window);

// The program's other windows, disabled for the time of a modal window and
// enabled again before that window goes, so activation returns to them.
class ModalScope {
 public:
  explicit ModalScope(Window& modal);
  ~ModalScope();
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;
  void GiveBackOtherWindows();

 private:
  Window& modal_;
  ModalScope* outer_;
  std::vector<HWND> disabled_;
};

}  // namespace ui
