#pragma once
// What a window's layout shows, read as a user would see it: where each
// control stands in the window, the font it draws its text in, whether that
// text fits it; and the user's text size, set for a test. Tests only;
// Windows build only.
#include <windows.h>

#include <string>
#include <vector>

#include "ui/Resolution.h"

namespace testing_support {

// The window's child controls, in z-order.
inline std::vector<HWND> ChildControls(HWND window) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  return children;
}

// Where a control stands in its parent's client area.
inline RECT ClientPlaceOf(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

inline LOGFONTW FontOf(HWND control) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font;
}

// The size of a text in a control's font, its access-key ampersands left
// out: its width, and the height of its characters (the font's height less
// the leading above them, which a control may clip and nobody sees).
inline SIZE TextExtent(HWND control, std::wstring text) {
  std::erase(text, L'&');
  const HDC dc = GetDC(control);
  const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  size.cy = metrics.tmHeight - metrics.tmInternalLeading;
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  return size;
}

inline std::wstring TextOf(HWND control) {
  wchar_t text[512] = {};
  GetWindowTextW(control, text, 512);
  return text;
}

inline std::wstring ClassOf(HWND control) {
  wchar_t name[64] = {};
  GetClassNameW(control, name, 64);
  return name;
}

// Whether a control's text fits it whole, with the room its kind draws
// around the text: a push button's edges, a check box's box, a frame's
// caption inset. A text of another size, given, is measured instead of the
// control's own (an owner-drawn button's caption).
inline bool TextFits(HWND control, const std::wstring& text) {
  if (text.empty()) return true;
  RECT client{};
  GetClientRect(control, &client);
  const SIZE needed = TextExtent(control, text);
  const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
  int room = client.right;
  int height = client.bottom;
  if (ClassOf(control) == L"Button") {
    switch (style & BS_TYPEMASK) {
      case BS_AUTOCHECKBOX:
      case BS_CHECKBOX:
        // The box, 13 pixels at 96 dpi, and the gap before the text.
        room -= MulDiv(13, ui::DpiWindowsGives(control), 96) + 4;
        break;
      case BS_GROUPBOX:
        room -= 2 * 8;
        height = needed.cy;
        break;
      default:
        room -= 2 * (GetSystemMetrics(SM_CXEDGE) + 2);
        height -= 2 * GetSystemMetrics(SM_CYEDGE);
    }
  }
  return needed.cx <= room && needed.cy <= height;
}

// The texts of a window's controls that do not fit their control.
inline std::vector<std::wstring> TextsCut(HWND window) {
  std::vector<std::wstring> cut;
  for (const HWND control : ChildControls(window)) {
    const std::wstring text = TextOf(control);
    if (!TextFits(control, text)) cut.push_back(text);
  }
  return cut;
}

// The user's text size for one test: the message font that tall, in pixels
// at the system's resolution, then the one before. Windows made afterwards
// take it; windows already there hear of it as Windows tells them
// (WM_SETTINGCHANGE with SPI_SETNONCLIENTMETRICS), which the test sends.
class TextSize {
 public:
  explicit TextSize(int percent) {
    before_.cbSize = sizeof before_;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof before_, &before_, 0);
    NONCLIENTMETRICSW metrics = before_;
    // 9 points, Windows' standard message font, at the text size.
    metrics.lfMessageFont.lfHeight = -MulDiv(9 * percent, ui::SystemDpi(), 72 * 100);
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  }
  ~TextSize() { SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof before_, &before_, 0); }
  TextSize(const TextSize&) = delete;
  TextSize& operator=(const TextSize&) = delete;

  // Tells a window, as Windows tells every top-level window.
  static void Announce(HWND window) { SendMessageW(window, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0); }

 private:
  NONCLIENTMETRICSW before_{};
};

}  // namespace testing_support
