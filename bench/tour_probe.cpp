// The tour's hands, run by scripts/tour in the tour's own Wine prefix. Each
// command does one thing a user would do, or looks at the screen:
//   tour_probe desktop                 a plain desktop under every window, which
//                                      also refuses every end-of-session query;
//                                      runs until it is closed
//   tour_probe settings <Name=Value>...  the launcher's stored settings: only
//                                      these, under HKCU\Software\VuriRivu\frmShutDown
//   tour_probe window <class> <ms>     waits for a window of the class on screen
//                                      and painted; prints "left top right bottom"
//   tour_probe gone <class> <ms>       waits until no window of the class is shown
//   tour_probe click <class> <id>      clicks the button with that id in the window
//   tour_probe rclick <class> <id>     moves the pointer onto that control and
//                                      presses and releases the right button
//   tour_probe escape                  presses Escape
//   tour_probe close <class>           asks the window to close
//   tour_probe textsize <percent>      the user's text size: the message font
//                                      at that size of its standard 9 points,
//                                      kept in the prefix
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/ScreenWatch.h"

namespace {

constexpr wchar_t kDesktopClass[] = L"TourDesktop";
// The teal of a freshly installed Windows desktop.
constexpr COLORREF kDesktopColour = RGB(0, 128, 128);
constexpr wchar_t kSettingsKey[] = L"Software\\VuriRivu";
constexpr wchar_t kLauncherSection[] = L"Software\\VuriRivu\\frmShutDown";

LRESULT CALLBACK DesktopProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_WINDOWPOSCHANGING: {
      // Always the lowest window, as the desktop is.
      auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
      pos->hwndInsertAfter = HWND_BOTTOM;
      pos->flags &= ~SWP_NOZORDER;
      return 0;
    }
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_QUERYENDSESSION:
      return FALSE;
    case WM_ENDSESSION:
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

int Desktop() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = DesktopProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = CreateSolidBrush(kDesktopColour);
  wc.lpszClassName = kDesktopClass;
  if (!RegisterClassW(&wc)) return 1;
  const HWND desktop = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kDesktopClass, L"", WS_POPUP, 0,
                                       0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                       nullptr, nullptr, wc.hInstance, nullptr);
  if (!desktop) return 1;
  ShowWindow(desktop, SW_SHOWNOACTIVATE);
  UpdateWindow(desktop);
  MSG m;
  while (GetMessageW(&m, nullptr, 0, 0) > 0) DispatchMessageW(&m);
  return 0;
}

int Settings(const std::vector<std::wstring>& pairs) {
  const LSTATUS removed = RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
  if (removed != ERROR_SUCCESS && removed != ERROR_FILE_NOT_FOUND) return 1;
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kLauncherSection, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return 1;
  int status = 0;
  for (const std::wstring& pair : pairs) {
    const std::size_t equals = pair.find(L'=');
    const std::wstring name = pair.substr(0, equals);
    const std::wstring value = equals == std::wstring::npos ? L"" : pair.substr(equals + 1);
    if (equals == std::wstring::npos ||
        RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) != ERROR_SUCCESS)
      status = 1;
  }
  RegCloseKey(key);
  return status;
}

int Window(const wchar_t* className, double waitMs) {
  HWND window = nullptr;
  const auto shown = bench::Until(
      [&] {
        window = bench::ShownWindow(className);
        return window && bench::OnScreenAndPainted(window);
      },
      waitMs);
  if (!shown) return 1;
  RECT r;
  GetWindowRect(window, &r);
  printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
  return 0;
}

int Gone(const wchar_t* className, double waitMs) {
  return bench::Until([&] { return !bench::ShownWindow(className); }, waitMs) ? 0 : 1;
}

HWND Control(const wchar_t* className, int id) {
  const HWND window = bench::ShownWindow(className);
  return window ? GetDlgItem(window, id) : nullptr;
}

int Click(const wchar_t* className, int id) {
  const HWND button = Control(className, id);
  // Posted: a click may run a modal loop, which would hold a sent one.
  return button && PostMessageW(button, BM_CLICK, 0, 0) ? 0 : 1;
}

int Send(std::vector<INPUT> inputs) {
  return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size() ? 0 : 1;
}

int RightClick(const wchar_t* className, int id) {
  const HWND control = Control(className, id);
  RECT r;
  if (!control || !GetWindowRect(control, &r)) return 1;
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  INPUT press{};
  press.type = INPUT_MOUSE;
  press.mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
  INPUT release = press;
  release.mi.dwFlags = MOUSEEVENTF_RIGHTUP;
  return Send({press, release});
}

int Escape() {
  INPUT press{};
  press.type = INPUT_KEYBOARD;
  press.ki.wVk = VK_ESCAPE;
  INPUT release = press;
  release.ki.dwFlags = KEYEVENTF_KEYUP;
  return Send({press, release});
}

int Close(const wchar_t* className) {
  const HWND window = bench::ShownWindow(className);
  return window && PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
}

int TextSize(int percent) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return 1;
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  metrics.lfMessageFont.lfHeight = -MulDiv(9 * percent, dpi, 72 * 100);
  return SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof metrics, &metrics,
                               SPIF_UPDATEINIFILE | SPIF_SENDCHANGE)
             ? 0
             : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  // Lines end in "\n" alone, as the script reads numbers off them.
  _setmode(_fileno(stdout), _O_BINARY);
  const std::vector<std::wstring> args(argv + 1, argv + argc);
  const std::wstring command = args.empty() ? L"" : args[0];
  const auto number = [&](std::size_t i) { return _wtoi(args[i].c_str()); };
  if (command == L"desktop" && args.size() == 1) return Desktop();
  if (command == L"settings") return Settings(std::vector<std::wstring>(args.begin() + 1, args.end()));
  if (command == L"window" && args.size() == 3) return Window(args[1].c_str(), number(2));
  if (command == L"gone" && args.size() == 3) return Gone(args[1].c_str(), number(2));
  if (command == L"click" && args.size() == 3) return Click(args[1].c_str(), number(2));
  if (command == L"rclick" && args.size() == 3) return RightClick(args[1].c_str(), number(2));
  if (command == L"escape" && args.size() == 1) return Escape();
  if (command == L"close" && args.size() == 2) return Close(args[1].c_str());
  if (command == L"textsize" && args.size() == 2) return TextSize(number(1));
  fwprintf(stderr, L"usage: see the head of tour_probe.cpp\n");
  return 2;
}
