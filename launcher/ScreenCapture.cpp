#include "launcher/ScreenCapture.h"

namespace launcher {
namespace {

ui::ScreenRect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// A named function: only it has the calling convention EnumDisplayMonitors
// needs on 32-bit Windows.
BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM found) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(monitor, &info)) return TRUE;
  auto& monitors = *reinterpret_cast<std::vector<ui::ScreenRect>*>(found);
  const ui::ScreenRect place = FromRect(info.rcMonitor);
  if (info.dwFlags & MONITORINFOF_PRIMARY) {
    monitors.insert(monitors.begin(), place);
  } else {
    monitors.push_back(place);
  }
  return TRUE;
}

class Win32ScreenCapture : public ScreenCapture {
 public:
  std::vector<ui::ScreenRect> Monitors() override {
    std::vector<ui::ScreenRect> monitors;
    EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
  }

  ui::ScreenRect MonitorHolding(HWND window) override {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &info);
    return FromRect(info.rcMonitor);
  }

  std::optional<ScreenPicture> CaptureScreen(const ui::ScreenRect& place) override {
    ScreenPicture picture;
    picture.place = place;
    // The screen's DC spans every monitor, in virtual-screen coordinates.
    const ui::UniqueWindowDc screenDc = ui::WindowDc(nullptr);
    if (!screenDc) return std::nullopt;
    const HDC screen = screenDc.get().dc;
    BITMAPINFO info{};
    info.bmiHeader = {
        sizeof(BITMAPINFOHEADER), picture.Width(), -picture.Height(), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    picture.bitmap.reset(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const ui::UniqueMemoryDc memory(CreateCompatibleDC(screen));
    if (!picture.bitmap || !memory) return std::nullopt;
    picture.bits = static_cast<std::uint32_t*>(bits);
    {
      const auto into = ui::SelectedObject(memory.get(), picture.bitmap.get());
      // CAPTUREBLT: layered windows too, as the user sees them.
      BitBlt(memory.get(), 0, 0, picture.Width(), picture.Height(), screen, picture.place.left,
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
