#pragma once
// The share of a room's machines that have answered, on the window's taskbar
// button, in the taskbar's error colour once any machine refused. Where the
// taskbar offers no progress (before Windows 7, or no taskbar at all),
// nothing is shown and nothing else changes. Windows build only.
#include <windows.h>

#include <cstddef>

namespace remote {

class TaskbarProgress {
 public:
  virtual ~TaskbarProgress() = default;
  virtual void Show(HWND window, std::size_t answered, std::size_t total, bool anyRefused) = 0;
  virtual void Clear(HWND window) = 0;
};

// The process-wide real one: the taskbar's ITaskbarList3, asked for at the
// first use, so that a start of the program loads no COM.
TaskbarProgress& SystemTaskbarProgress();

}  // namespace remote
