#pragma once
// The owners of the toolkit's GDI objects, menus, image lists, icons and
// windows (core/Unique.h), and the scopes of the pairs of calls around a
// drawing: a window's device context got and given back, an object
// selected into a device context and the one before put back.
#include <windows.h>
// commctrl.h after windows.h: it needs its types.
#include <commctrl.h>

#include "core/Unique.h"

namespace ui {

using UniqueBitmap = core::Unique<core::NullIsEmpty<HBITMAP, &DeleteObject>>;
using UniqueFont = core::Unique<core::NullIsEmpty<HFONT, &DeleteObject>>;
using UniqueBrush = core::Unique<core::NullIsEmpty<HBRUSH, &DeleteObject>>;
using UniqueMenu = core::Unique<core::NullIsEmpty<HMENU, &DestroyMenu>>;
using UniqueMemoryDc = core::Unique<core::NullIsEmpty<HDC, &DeleteDC>>;
using UniqueIcon = core::Unique<core::NullIsEmpty<HICON, &DestroyIcon>>;
using UniqueImageList = core::Unique<core::NullIsEmpty<HIMAGELIST, &ImageList_Destroy>>;
// A window the object made and that goes with it (one that is no ui::Window).
using UniqueWindow = core::Unique<core::NullIsEmpty<HWND, &DestroyWindow>>;

// A window's device context from GetDC, given back with ReleaseDC to the
// same window.
struct WindowDcHandle {
  HWND window = nullptr;
  HDC dc = nullptr;
  friend bool operator==(const WindowDcHandle&, const WindowDcHandle&) = default;
};
struct WindowDcTraits {
  using Type = WindowDcHandle;
  static constexpr Type Empty() { return {}; }
  static void Close(Type handle) { ReleaseDC(handle.window, handle.dc); }
};
using UniqueWindowDc = core::Unique<WindowDcTraits>;

// The device context of a window, or of the whole screen for none.
inline UniqueWindowDc WindowDc(HWND window) {
  const HDC dc = GetDC(window);
  return UniqueWindowDc(dc ? WindowDcHandle{window, dc} : WindowDcHandle{});
}

// Selects a GDI object into a DC for one scope and puts the previous one back.
inline auto SelectedObject(HDC dc, HGDIOBJ object) {
  const HGDIOBJ previous = SelectObject(dc, object);
  return core::ScopeExit([dc, previous] { SelectObject(dc, previous); });
}

}  // namespace ui
