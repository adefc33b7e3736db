// The backdrop's picture: the screen as it was with each colour channel at
// half its brightness, whatever the colour scheme, painted again whenever the
// window needs it.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "launcher/Backdrop.h"
#include "ui/Handles.h"

namespace {

using launcher::Backdrop;

// 0x00RRGGBB, as a 32-bit top-down DIB holds it.
using Pixel = std::uint32_t;

Pixel PixelOf(COLORREF colour) {
  return (static_cast<Pixel>(GetRValue(colour)) << 16) | (static_cast<Pixel>(GetGValue(colour)) << 8) |
         GetBValue(colour);
}

// Three patches of known colour, each 80 x 80 pixels, at the top left of the screen.
class ColourPatches {
 public:
  static constexpr int kLeft = 40;
  static constexpr int kTop = 40;
  static constexpr int kSize = 80;
  static constexpr COLORREF kColours[3] = {RGB(255, 255, 255), RGB(0, 0, 0), RGB(200, 120, 40)};

  ColourPatches() {
    static const ATOM windowClass = [] {
      WNDCLASSW wc{};
      wc.lpfnWndProc = &ColourPatches::Procedure;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = L"confirm.test.ColourPatches";
      return RegisterClassW(&wc);
    }();
    window_.reset(CreateWindowExW(0, MAKEINTATOM(windowClass), L"", WS_POPUP | WS_VISIBLE, kLeft, kTop,
                                  3 * kSize, kSize, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    UpdateWindow(window_.get());
  }

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

  ui::UniqueWindow window_;
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
  const ui::UniqueWindowDc screenDc = ui::WindowDc(nullptr);
  const HDC source = screenDc.get().dc;
  const ui::UniqueMemoryDc copy(CreateCompatibleDC(source));
  const ui::UniqueBitmap bitmap(CreateCompatibleBitmap(source, screen.width, screen.height));
  {
    const auto selected = ui::SelectedObject(copy.get(), bitmap.get());
    BitBlt(copy.get(), 0, 0, screen.width, screen.height, source, 0, 0, SRCCOPY);
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

// The screen before, and while the backdrop stands (before and after it was
// painted again).
struct BackdropShots {
  Screen before, during, repainted;
};

BackdropShots Shots() {
  BackdropShots shots;
  shots.before = ReadScreen();
  Backdrop backdrop(launcher::DesktopScreenCapture());
  EXPECT_TRUE(backdrop.Cover(nullptr));
  UpdateWindow(backdrop.Handle());
  shots.during = ReadScreen();
  // Lost and drawn again: the picture comes back from the window's own copy.
  InvalidateRect(backdrop.Handle(), nullptr, TRUE);
  UpdateWindow(backdrop.Handle());
  shots.repainted = ReadScreen();
  return shots;
}

// Each channel halved, as the backdrop darkens.
Pixel Halved(Pixel p) { return (p >> 1) & 0x7F7F7F; }

void ExpectHalfAsBright(const BackdropShots& shots) {
  ASSERT_FALSE(shots.during.pixels.empty());
  // White keeps half its brightness (within 3 %), black stays black, and
  // orange stays orange.
  const Pixel white = shots.during.At(ColourPatches::Centre(0));
  for (int shift : {0, 8, 16}) EXPECT_NEAR(static_cast<int>(white >> shift & 0xFF), 128, 8);
  EXPECT_EQ(shots.during.At(ColourPatches::Centre(1)), 0u);
  EXPECT_EQ(shots.during.At(ColourPatches::Centre(2)), PixelOf(RGB(100, 60, 20)));

  // Everywhere.
  int wrong = 0, notRepainted = 0;
  for (int y = 0; y < shots.before.height; ++y) {
    for (int x = 0; x < shots.before.width; ++x) {
      const POINT p{x, y};
      wrong += shots.during.At(p) != Halved(shots.before.At(p));
      notRepainted += shots.repainted.At(p) != shots.during.At(p);
    }
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(notRepainted, 0);
}

TEST(BackdropPicture, ThePictureIsTheScreenAtHalfItsBrightnessAndIsPaintedAgainOnDemand) {
  const ColourPatches patches;
  ExpectHalfAsBright(Shots());
}

// A high-contrast black scheme (button face black) darkens alike: the
// picture owes nothing to the scheme's colours.
TEST(BackdropPicture, AHighContrastBlackSchemeDarkensAlike) {
  const int element = COLOR_BTNFACE;
  const COLORREF face = GetSysColor(element);
  const COLORREF black = RGB(0, 0, 0);
  SetSysColors(1, &element, &black);
  const ColourPatches patches;
  const BackdropShots shots = Shots();
  SetSysColors(1, &element, &face);
  ExpectHalfAsBright(shots);
}

}  // namespace
