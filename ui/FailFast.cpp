#include "ui/FailFast.h"

#include <windows.h>

#include <exception>

namespace ui {
namespace {

[[noreturn]] void FailFast() {
  RaiseFailFastException(nullptr, nullptr, 0);
  __builtin_unreachable();
}

}  // namespace

void EndAtOnceOnTerminate() { std::set_terminate(FailFast); }

}  // namespace ui
