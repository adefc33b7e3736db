#pragma once
// The tooltips of a window's controls, shown while the pointer rests on one.
#include <windows.h>

#include <string>

#include "ui/Handles.h"

namespace ui {

class ToolTip {
 public:
  // The tips of <window>'s controls. The tooltip window is not owned by
  // <window>: a topmost window owned by it would keep it from being made
  // topmost itself (Wine files a window set topmost behind its own topmost
  // popups, where it stays below). It goes with this object instead.
  void Create(HWND window);
  void Add(HWND control, const std::wstring& text) const;
  // The text shown for a control, empty when it has none.
  std::wstring TextOf(HWND control) const;
  HWND Handle() const { return tips_.get(); }

 private:
  HWND owner_ = nullptr;
  UniqueWindow tips_;
};

}  // namespace ui
