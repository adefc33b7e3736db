#include "ui/PendingError.h"

#include <utility>

namespace ui {
namespace {

thread_local std::exception_ptr pendingError;

}  // namespace

void KeepPendingError(std::exception_ptr error) {
  if (!pendingError) pendingError = std::move(error);
}

void RethrowPendingError() {
  if (pendingError) std::rethrow_exception(std::exchange(pendingError, nullptr));
}

}  // namespace ui
