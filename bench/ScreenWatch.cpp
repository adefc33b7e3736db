#include "bench/ScreenWatch.h"

namespace bench {
namespace {

constexpr DWORD kPollMs = 2;
constexpr UINT kAnswerMs = 5000;

bool OnScreen(HWND window) {
  RECT r;
  return GetWindowRect(window, &r) && r.left >= 0 && r.top >= 0 && r.right <= GetSystemMetrics(SM_CXSCREEN) &&
         r.bottom <= GetSystemMetrics(SM_CYSCREEN);
}

// A named function: only it has the calling convention EnumChildWindows needs
// on 32-bit Windows.
BOOL CALLBACK FindUnpainted(HWND child, LPARAM found) {
  if (!IsWindowVisible(child) || !GetUpdateRect(child, nullptr, FALSE)) return TRUE;
  *reinterpret_cast<bool*>(found) = true;
  return FALSE;
}

bool NothingToPaint(HWND window) {
  if (GetUpdateRect(window, nullptr, FALSE)) return false;
  bool unpainted = false;
  EnumChildWindows(window, FindUnpainted, reinterpret_cast<LPARAM>(&unpainted));
  return !unpainted;
}

}  // namespace

double NowMs() {
  static const double ticksPerMs = [] {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / ticksPerMs;
}

std::optional<double> Until(const std::function<bool()>& done, double limitMs) {
  const double start = NowMs();
  for (;;) {
    if (done()) return NowMs();
    if (NowMs() - start > limitMs) return std::nullopt;
    Sleep(kPollMs);
  }
}

HWND ShownWindow(const wchar_t* className, DWORD processId) {
  for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, className, nullptr)) != nullptr;) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if ((processId == 0 || owner == processId) && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

bool OnScreenAndPainted(HWND window) {
  if (!OnScreen(window) || !NothingToPaint(window)) return false;
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerMs, &answer)) return false;
  return IsWindowVisible(window) && OnScreen(window) && NothingToPaint(window);
}

}  // namespace bench
