#pragma once
// The check for an already running copy of a program: a named mutex in the
// user's session, held for as long as this object lives.
#include <string>

#include "core/WindowsHandles.h"

namespace ui {

class SingleInstance {
 public:
  explicit SingleInstance(const std::wstring& programName);
  // True when another copy held the name first.
  bool AnotherIsRunning() const { return anotherIsRunning_; }

 private:
  core::UniqueHandle mutex_;
  bool anotherIsRunning_ = false;
};

}  // namespace ui
