#include "ui/Timer.h"

#include "core/CheckedCall.h"
#include "ui/Window.h"

namespace ui {

void Timer::Start() {
  // A timer without its window could only fail: it is not asked for.
  if (!owner_.IsOpen()) core::ThrowWin32Error("SetTimer", ERROR_INVALID_WINDOW_HANDLE);
  // A timer that did not start would leave a count waiting for ever.
  core::CheckedCall(SetTimer(owner_.Handle(), Id(), interval_, nullptr), "SetTimer");
  running_ = true;
}

void Timer::Stop() {
  if (running_ && owner_.IsOpen()) KillTimer(owner_.Handle(), Id());
  running_ = false;
}

}  // namespace ui
