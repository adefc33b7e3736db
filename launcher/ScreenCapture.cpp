#include "launcher/ScreenCapture.h"

namespace launcher {
namespace {

class Win32ScreenCapture : public ScreenCapture {
 public:
  std::optional<ScreenPicture> CaptureScreen() override {
    ScreenPicture picture;
    picture.place.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    picture.place.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    picture.place.right = picture.place.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    picture.place.bottom = picture.place.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    // The screen's DC spans every monitor, in virtual-screen coordinates.
    const ui::WindowDc screen(nullptr);
    if (!screen.get()) return std::nullopt;
    BITMAPINFO info{};
    info.bmiHeader = {
        sizeof(BITMAPINFOHEADER), picture.Width(), -picture.Height(), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    picture.bitmap.reset(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const ui::UniqueMemoryDc copy(CreateCompatibleDC(screen.get()));
    if (!picture.bitmap || !copy) return std::nullopt;
    picture.bits = static_cast<std::uint32_t*>(bits);
    {
      const ui::SelectedObject selected(copy.get(), picture.bitmap.get());
      // CAPTUREBLT: layered windows too, as the user sees them.
      BitBlt(copy.get(), 0, 0, picture.Width(), picture.Height(), screen.get(), picture.place.left,
             picture.place.top, SRCCOPY | CAPTUREBLT);
    }
    GdiFlush();
    return picture;
  }
};

}  // namespace

ScreenCapture& DesktopScreenCapture() {
  static Win32ScreenCapture capture;
  return capture;
}

}  // namespace launcher
