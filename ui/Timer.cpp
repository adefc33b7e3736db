#include "ui/Timer.h"

#include <stdexcept>

#include "ui/Window.h"

namespace ui {

void Timer::Start() {
  if (!owner_.IsLoaded()) throw std::logic_error("a timer needs its window loaded");
  running_ = SetTimer(owner_.Handle(), id_, interval_, nullptr) != 0;
}

void Timer::Stop() {
  if (running_ && owner_.IsLoaded()) KillTimer(owner_.Handle(), id_);
  running_ = false;
}

}  // namespace ui
