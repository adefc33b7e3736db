#pragma once
// An error raised inside a window procedure waits here, because it must not
// cross into Windows; the message loop, or the call that sent the message,
// rethrows it to the nearest caller outside.
#include <windows.h>

#include <exception>

namespace ui {

// Keeps the first error that no caller has seen yet.
void KeepPendingError(std::exception_ptr error);
void RethrowPendingError();

// The one guard of every window procedure and subclass procedure of the
// toolkit: runs the handler, and when it raises, keeps the error and
// answers <afterError> to Windows instead.
template <typename Handler>
LRESULT Guarded(Handler&& handler, LRESULT afterError) noexcept {
  try {
    return handler();
  } catch (...) {
    KeepPendingError(std::current_exception());
    return afterError;
  }
}

}  // namespace ui
