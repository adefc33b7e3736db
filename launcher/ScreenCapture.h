#pragma once
// What the backdrop asks of the screen: a picture of it as it is now. A test
// can watch the request and make it fail. Windows build only.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>

#include "ui/Handles.h"

namespace launcher {

// Every monitor of the virtual screen, at its physical pixels.
struct ScreenPicture {
  RECT place{};                   // on the virtual screen, which may start left of or above 0
  ui::UniqueBitmap bitmap;        // a 32-bit top-down DIB section
  std::uint32_t* bits = nullptr;  // its pixels, 0x00RRGGBB, row by row

  int Width() const { return place.right - place.left; }
  int Height() const { return place.bottom - place.top; }
  std::span<std::uint32_t> Pixels() const {
    return {bits, static_cast<std::size_t>(Width()) * static_cast<std::size_t>(Height())};
  }
};

class ScreenCapture {
 public:
  virtual ~ScreenCapture() = default;
  // The whole virtual screen, or nothing when it cannot be read or there is
  // no memory for a picture that size.
  virtual std::optional<ScreenPicture> CaptureScreen() = 0;
};

// The real capture, from the screen's device context.
ScreenCapture& DesktopScreenCapture();

}  // namespace launcher
