#include "ui/ToolTip.h"

#include <commctrl.h>

#include "core/Win32Error.h"

namespace ui {

ToolTip::~ToolTip() {
  if (hwnd_) DestroyWindow(hwnd_);
}

void ToolTip::Create(HWND window) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
  InitCommonControlsEx(&classes);
  if (hwnd_) DestroyWindow(hwnd_);
  owner_ = window;
  hwnd_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                          GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) throw core::Win32Error{"CreateWindowExW", GetLastError()};
}

void ToolTip::Add(HWND control, const std::wstring& text) const {
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = owner_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<wchar_t*>(text.c_str());
  SendMessageW(hwnd_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

std::wstring ToolTip::TextOf(HWND control) const {
  wchar_t text[256] = {};
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = owner_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = text;
  SendMessageW(hwnd_, TTM_GETTEXTW, static_cast<WPARAM>(std::size(text)), reinterpret_cast<LPARAM>(&tool));
  return text;
}

}  // namespace ui
