#pragma once
// The backdrop's screen: the real monitors unless a test says where its
// monitors stand; the capture counted and passed on to the real one, so the
// picture a test gets is the real screen's. It can be scripted to fail.
// Windows build only.
#include "launcher/ScreenCapture.h"

namespace testing_support {

class FakeScreenCapture : public launcher::ScreenCapture {
 public:
  int captures = 0;
  bool fails = false;
  // Where the monitors stand, the primary first; empty: the real ones.
  std::vector<ui::ScreenRect> monitors;
  // The monitor every window stands on, by its index in monitors.
  std::size_t holding = 0;
  std::vector<ui::ScreenRect> captured;
  std::vector<HBITMAP> pictures;  // each capture's bitmap, for as long as its owner keeps it

  std::vector<ui::ScreenRect> Monitors() override {
    return monitors.empty() ? launcher::DesktopScreenCapture().Monitors() : monitors;
  }
  ui::ScreenRect MonitorHolding(HWND window) override {
    return monitors.empty() ? launcher::DesktopScreenCapture().MonitorHolding(window) : monitors.at(holding);
  }
  std::optional<launcher::ScreenPicture> CaptureScreen(const ui::ScreenRect& place) override {
    ++captures;
    captured.push_back(place);
    if (fails) return std::nullopt;
    auto picture = launcher::DesktopScreenCapture().CaptureScreen(place);
    if (picture) pictures.push_back(picture->bitmap.get());
    return picture;
  }
};

}  // namespace testing_support
