#pragma once
#include <string>
#include <vector>

#include "remote/TaskbarProgress.h"

namespace testing_support {

// Records what the taskbar button was made to show: "3/10", "3/10 error" or
// "cleared".
class FakeTaskbarProgress : public remote::TaskbarProgress {
 public:
  std::vector<std::string> shown;

  void Show(HWND, std::size_t answered, std::size_t total, bool anyRefused) override {
    shown.push_back(std::to_string(answered) + "/" + std::to_string(total) + (anyRefused ? " error" : ""));
  }
  void Clear(HWND) override { shown.push_back("cleared"); }
};

}  // namespace testing_support
