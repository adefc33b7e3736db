#include "ui/BusyCursor.h"

#include <windows.h>

namespace ui {
namespace {

int busyScopes = 0;

// Windows asks for the cursor only when the pointer moves; a synthetic
// WM_SETCURSOR to the program's window under the pointer shows the change
// at once. Over other programs' windows their own cursor stays.
void RefreshCursor() {
  POINT point;
  if (!GetCursorPos(&point)) return;
  const HWND under = WindowFromPoint(point);
  if (!under || GetWindowThreadProcessId(under, nullptr) != GetCurrentThreadId()) return;
  const auto hit = static_cast<WORD>(SendMessageW(under, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y)));
  SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(hit, WM_MOUSEMOVE));
}

}  // namespace

BusyCursor::BusyCursor() {
  if (++busyScopes == 1) RefreshCursor();
}

BusyCursor::~BusyCursor() {
  if (--busyScopes == 0) RefreshCursor();
}

bool BusyCursor::Active() { return busyScopes > 0; }

}  // namespace ui
