#pragma once
// The tooltips of a window's controls, shown while the pointer rests on one.
#include <windows.h>

#include <string>

namespace ui {

class ToolTip {
 public:
  ToolTip() = default;
  ~ToolTip();
  ToolTip(const ToolTip&) = delete;
  ToolTip& operator=(const ToolTip&) = delete;

  // The tips of <window>'s controls. The tooltip window is not owned by
  // <window>: a topmost window owned by it would keep it from being made
  // topmost itself (Wine files a window set topmost behind its own topmost
  // popups, where it stays below). It goes with this object instead.
  void Create(HWND window);
  void Add(HWND control, const std::wstring& text) const;
  // The text shown for a control, empty when it has none.
  std::wstring TextOf(HWND control) const;
  HWND Handle() const { return hwnd_; }

 private:
  HWND owner_ = nullptr;
  HWND hwnd_ = nullptr;
};

}  // namespace ui
