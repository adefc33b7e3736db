// The backdrop's picture: the screen as it was, every pixel screen AND NOT
// background colour, painted again whenever the window needs it.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "launcher/Backdrop.h"
#include "launcher/CountdownDialog.h"
#include "launcher/CountdownDialogProbe.h"
#include "launcher/FakeVolumeApi.h"
#include "platform/FakeSystemServices.h"
#include "settings/FakeWindowSettings.h"
#include "ui/Handles.h"

namespace {

using launcher::Backdrop;
using Mode = launcher::SessionEndMode;
using launcher::CountdownDialog;

// 0x00RRGGBB, as a 32-bit top-down DIB holds it.
using Pixel = std::uint32_t;

Pixel PixelOf(COLORREF colour) {
  return (static_cast<Pixel>(GetRValue(colour)) << 16) | (static_cast<Pixel>(GetGValue(colour)) << 8) |
         GetBValue(colour);
}

constexpr COLORREF kOrange = RGB(200, 120, 40);

// Three patches of known colour, each 80 x 80 pixels, at the top left of the screen.
class ColourPatches {
 public:
  static constexpr int kLeft = 40;
  static constexpr int kTop = 40;
  static constexpr int kSize = 80;
  static constexpr COLORREF kColours[3] = {RGB(255, 255, 255), RGB(0, 0, 0), kOrange};

  ColourPatches() {
    static const ATOM windowClass = [] {
      WNDCLASSW wc{};
      wc.lpfnWndProc = &ColourPatches::Procedure;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = L"confirm.test.ColourPatches";
      return RegisterClassW(&wc);
    }();
    window_ = CreateWindowExW(0, MAKEINTATOM(windowClass), L"", WS_POPUP | WS_VISIBLE, kLeft, kTop, 3 * kSize,
                              kSize, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    UpdateWindow(window_);
  }
  ~ColourPatches() { DestroyWindow(window_); }
  ColourPatches(const ColourPatches&) = delete;
  ColourPatches& operator=(const ColourPatches&) = delete;

  static POINT Centre(int patch) { return {kLeft + patch * kSize + kSize / 2, kTop + kSize / 2}; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(window, &paint);
      for (int i = 0; i < 3; ++i) {
        const RECT patch{i * kSize, 0, (i + 1) * kSize, kSize};
        const ui::UniqueBrush brush(CreateSolidBrush(kColours[i]));
        FillRect(dc, &patch, brush.get());
      }
      EndPaint(window, &paint);
      return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }

  HWND window_ = nullptr;
};

struct Screen {
  int width = 0;
  int height = 0;
  std::vector<Pixel> pixels;
  Pixel At(POINT p) const { return pixels[static_cast<std::size_t>(p.y) * width + p.x]; }
};

Screen ReadScreen() {
  Screen screen;
  screen.width = GetSystemMetrics(SM_CXSCREEN);
  screen.height = GetSystemMetrics(SM_CYSCREEN);
  screen.pixels.resize(static_cast<std::size_t>(screen.width) * screen.height);
  const ui::WindowDc source(nullptr);
  const ui::UniqueMemoryDc copy(CreateCompatibleDC(source.get()));
  const ui::UniqueBitmap bitmap(CreateCompatibleBitmap(source.get(), screen.width, screen.height));
  {
    const ui::SelectedObject selected(copy.get(), bitmap.get());
    BitBlt(copy.get(), 0, 0, screen.width, screen.height, source.get(), 0, 0, SRCCOPY);
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = screen.width;
  info.bmiHeader.biHeight = -screen.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  GetDIBits(copy.get(), bitmap.get(), 0, screen.height, screen.pixels.data(), &info, DIB_RGB_COLORS);
  for (Pixel& p : screen.pixels) p &= 0x00FFFFFF;
  return screen;
}

class DesktopPictureTest : public ::testing::Test {
 protected:
  testing_support::FakeSystemServices system;
  testing_support::FakeVolumeApi volumes;
  launcher::LauncherServices services{system, volumes, launcher::DesktopScreenCapture(),
                                      testing_support::FakeWindowSettings::Factory(
                                          std::make_shared<testing_support::FakeWindowSettings::State>())};
};

TEST_F(DesktopPictureTest, ThePictureIsTheScreenDarkenedByTheButtonFaceColourAndIsPaintedAgainOnDemand) {
  const ColourPatches patches;
  const Screen before = ReadScreen();
  Screen during, repainted;
  RECT dialogPlace{};
  launcher_test::CountdownWatcher watcher([&](HWND dialog) {
    GetWindowRect(dialog, &dialogPlace);
    const HWND backdrop = FindWindowW(Backdrop::kClassName, nullptr);
    UpdateWindow(backdrop);
    during = ReadScreen();
    // Lost and drawn again: the picture comes back from the window's own copy.
    InvalidateRect(backdrop, nullptr, TRUE);
    UpdateWindow(backdrop);
    repainted = ReadScreen();
    SendMessageW(GetDlgItem(dialog, CountdownDialog::kCancelId), BM_CLICK, 0, 0);
  });
  EXPECT_FALSE(std::make_shared<Backdrop>(services)->Run(Mode::Shutdown, false));
  ASSERT_TRUE(watcher.ShownAt());

  const Pixel notBackground = ~PixelOf(GetSysColor(COLOR_BTNFACE)) & 0x00FFFFFF;
  EXPECT_EQ(during.At(ColourPatches::Centre(0)), notBackground);
  EXPECT_EQ(during.At(ColourPatches::Centre(1)), 0u);
  EXPECT_EQ(during.At(ColourPatches::Centre(2)), PixelOf(kOrange) & notBackground);

  // Everywhere the dialog does not cover.
  int wrong = 0, brighter = 0, notRepainted = 0;
  for (int y = 0; y < before.height; ++y) {
    for (int x = 0; x < before.width; ++x) {
      const POINT p{x, y};
      if (PtInRect(&dialogPlace, p)) continue;
      const Pixel screen = before.At(p);
      const Pixel picture = during.At(p);
      wrong += picture != (screen & notBackground);
      for (int shift : {0, 8, 16}) brighter += ((picture >> shift) & 0xFF) > ((screen >> shift) & 0xFF);
      notRepainted += repainted.At(p) != picture;
    }
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(brighter, 0);
  EXPECT_EQ(notRepainted, 0);
}

}  // namespace
