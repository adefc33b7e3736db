#pragma once
// The tooltips of a window's controls, shown while the pointer rests on one.
#include <windows.h>

#include <string>

namespace ui {

class ToolTip {
 public:
  // The tooltip window belongs to its owner and goes with it.
  void Create(HWND owner);
  void Add(HWND control, const std::wstring& text) const;
  // The text shown for a control, empty when it has none.
  std::wstring TextOf(HWND control) const;
  HWND Handle() const { return hwnd_; }

 private:
  HWND owner_ = nullptr;
  HWND hwnd_ = nullptr;
};

}  // namespace ui
