#pragma once
// What the backdrop asks of the screen: where its monitors stand, and a
// picture of it as it is now. A test can say where the monitors stand, watch
// the capture and make it fail. Windows build only.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "ui/Handles.h"
#include "ui/ScreenGeometry.h"

namespace launcher {

// A place of the virtual screen, at its physical pixels. The bitmap is
// selected into a device context only for as long as one drawing takes, so
// it can go however and whenever its owner goes: a bitmap still selected
// into a DC cannot be deleted, and would stay for the rest of the run.
struct ScreenPicture {
  ui::ScreenRect place;           // may start left of or above 0
  ui::UniqueBitmap bitmap;        // a 32-bit top-down DIB section
  std::uint32_t* bits = nullptr;  // its pixels, 0x00RRGGBB, row by row

  int Width() const { return place.Width(); }
  int Height() const { return place.Height(); }
  std::span<std::uint32_t> Pixels() const {
    return {bits, static_cast<std::size_t>(Width()) * static_cast<std::size_t>(Height())};
  }
};

class ScreenCapture {
 public:
  virtual ~ScreenCapture() = default;
  // Every monitor, the primary first.
  virtual std::vector<ui::ScreenRect> Monitors() = 0;
  // The monitor a window stands on (most of it); the primary for none.
  virtual ui::ScreenRect MonitorHolding(HWND window) = 0;
  // That place of the screen, or nothing when it cannot be read or there is
  // no memory for a picture that size.
  virtual std::optional<ScreenPicture> CaptureScreen(const ui::ScreenRect& place) = 0;
};

// The real screen.
ScreenCapture& DesktopScreenCapture();

}  // namespace launcher
