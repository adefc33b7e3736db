// The least a Windows program does for the launcher's click, the floor the
// bench sets it beside: a small window with one button, whose click captures
// the virtual screen into a 32-bit DIB section, halves each colour channel of
// it and shows it in a topmost popup over the whole virtual screen, painted
// from the DIB section. Built with the launcher's flags and manifest.
#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "bench/BareWindow.h"

namespace {

// The halved picture, selected into a memory DC the popup paints from.
HDC picture = nullptr;

LRESULT CALLBACK PopupProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(hwnd, &paint);
      const RECT& r = paint.rcPaint;
      BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, picture, r.left, r.top, SRCCOPY);
      EndPaint(hwnd, &paint);
      return 0;
    }
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void ShowHalvedScreen(HINSTANCE instance) {
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  const HDC screen = GetDC(nullptr);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  picture = CreateCompatibleDC(screen);
  SelectObject(picture, bitmap);
  BitBlt(picture, 0, 0, width, height, screen, left, top, SRCCOPY | CAPTUREBLT);
  GdiFlush();
  ReleaseDC(nullptr, screen);
  auto* pixels = static_cast<std::uint32_t*>(bits);
  const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  for (std::size_t i = 0; i < count; ++i) pixels[i] = (pixels[i] >> 1) & 0x7F7F7F;
  CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, bench::kCapturePopupClass, L"", WS_POPUP | WS_VISIBLE, left,
                  top, width, height, nullptr, nullptr, instance, nullptr);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == bench::kCaptureButtonId && HIWORD(wParam) == BN_CLICKED) {
        ShowHalvedScreen(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd, GWLP_HINSTANCE)));
        return 0;
      }
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = bench::kCaptureWindowClass;
  if (!RegisterClassW(&wc)) return 1;
  WNDCLASSW popup{};
  popup.lpfnWndProc = PopupProc;
  popup.hInstance = instance;
  popup.lpszClassName = bench::kCapturePopupClass;
  if (!RegisterClassW(&popup)) return 1;
  const HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"capture", WS_POPUP | WS_DLGFRAME, 0,
                                      0, 100, 40, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  CreateWindowW(L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 28, 28, window,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(bench::kCaptureButtonId)), instance, nullptr);
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
