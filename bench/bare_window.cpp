// The least a Windows program does to show a window: register a class, create
// the window, show and paint it, run the message loop. The bench compares the
// launcher's start with this one's. Built with BENCH_WITH_CONTROLS, it also
// has the launcher's manifest and children: a label and four Common Controls 6
// buttons, the least a strip in the launcher's visual style needs. Built with
// BENCH_WITH_HISTORY, it reads Velmar's history before its window comes and
// writes it back as the window goes: the floor of Velmar's start and close.
#include <windows.h>

#include "bench/BareWindow.h"
#ifdef BENCH_WITH_HISTORY
#include "bench/StoredHistory.h"
#endif

namespace {

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
#ifdef BENCH_WITH_HISTORY
    bench::WriteHistory();
#endif
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
#ifdef BENCH_WITH_HISTORY
  bench::ReadHistory();
#endif
  WNDCLASSW wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = bench::kBareWindowClass;
  if (!RegisterClassW(&wc)) return 1;
  const HWND window =
      CreateWindowW(wc.lpszClassName, L"bare window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
#ifdef BENCH_WITH_CONTROLS
  CreateWindowW(L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 200, 8, window, nullptr, instance, nullptr);
  for (int button = 0; button < 4; ++button) {
    CreateWindowW(L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 50 * button, 8, 50, 50, window,
                  nullptr, instance, nullptr);
  }
#endif
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
