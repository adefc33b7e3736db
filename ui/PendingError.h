#pragma once
// An error raised inside a window procedure waits here, because it must not
// cross into Windows; the message loop, or the call that sent the message,
// rethrows it to the nearest caller outside.
#include <exception>

namespace ui {

// Keeps the first error that no caller has seen yet.
void KeepPendingError(std::exception_ptr error);
void RethrowPendingError();

}  // namespace ui
