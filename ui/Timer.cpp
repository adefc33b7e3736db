#include "ui/Timer.h"

#include "core/Win32Error.h"
#include "ui/Window.h"

namespace ui {

void Timer::Start() {
  if (!owner_.IsLoaded()) throw core::Win32Error{"SetTimer", ERROR_INVALID_WINDOW_HANDLE};
  running_ = SetTimer(owner_.Handle(), Id(), interval_, nullptr) != 0;
}

void Timer::Stop() {
  if (running_ && owner_.IsLoaded()) KillTimer(owner_.Handle(), Id());
  running_ = false;
}

}  // namespace ui
