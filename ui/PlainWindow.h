#pragma once
// A plain popup window of the programs' own toolkit, for tests that need one
// more window of the program beside the one under test: hidden until shown.
// Windows build only.
#include "ui/Window.h"

namespace testing_support {

class PlainWindow : public ui::Window {
 public:
  void Open(int width = 400, int height = 300) {
    ui::WindowParams params;
    params.className = L"testing.PlainWindow";
    params.style = WS_POPUP;
    params.width = width;
    params.height = height;
    Create(params);
  }
};

}  // namespace testing_support
