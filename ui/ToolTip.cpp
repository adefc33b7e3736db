#include "ui/ToolTip.h"

#include <commctrl.h>

#include "core/CheckedCall.h"

namespace ui {

void ToolTip::Create(HWND window) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
  InitCommonControlsEx(&classes);
  owner_ = window;
  tips_.reset(core::CheckedCall(
      CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                      GetModuleHandleW(nullptr), nullptr),
      "CreateWindowExW"));
}

void ToolTip::Add(HWND control, const std::wstring& text) const {
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = owner_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<wchar_t*>(text.c_str());
  SendMessageW(tips_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

std::wstring ToolTip::TextOf(HWND control) const {
  wchar_t text[256] = {};
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = owner_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = text;
  SendMessageW(tips_.get(), TTM_GETTEXTW, static_cast<WPARAM>(std::size(text)),
               reinterpret_cast<LPARAM>(&tool));
  return text;
}

}  // namespace ui
