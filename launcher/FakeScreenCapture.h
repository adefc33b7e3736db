#pragma once
// The backdrop's screen capture, counted and passed on to the real one, so
// the picture a test gets is the real screen's. It can be scripted to fail.
// Windows build only.
#include "launcher/ScreenCapture.h"

namespace testing_support {

class FakeScreenCapture : public launcher::ScreenCapture {
 public:
  int captures = 0;
  bool fails = false;

  std::optional<launcher::ScreenPicture> CaptureScreen() override {
    ++captures;
    if (fails) return std::nullopt;
    return launcher::DesktopScreenCapture().CaptureScreen();
  }
};

}  // namespace testing_support
