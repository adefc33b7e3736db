#pragma once
// Move-only owners of Windows handles and GDI objects: each closes its handle
// exactly once, in its destructor, with the call that matches how it was made.
#include <windows.h>

#include <utility>

namespace ui {

template <typename T, typename Closer>
class Unique {
 public:
  Unique() = default;
  explicit Unique(T value) : value_(value) {}
  ~Unique() { reset(); }
  Unique(Unique&& other) noexcept : value_(std::exchange(other.value_, T{})) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) reset(std::exchange(other.value_, T{}));
    return *this;
  }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;

  T get() const { return value_; }
  explicit operator bool() const { return value_ != T{}; }
  void reset(T value = T{}) {
    if (value_ != T{}) Closer{}(value_);
    value_ = value;
  }

 private:
  T value_{};
};

struct KernelHandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct GdiObjectCloser {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct MenuCloser {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct MemoryDcCloser {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
struct IconCloser {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};

using UniqueKernelHandle = Unique<HANDLE, KernelHandleCloser>;
using UniqueBitmap = Unique<HBITMAP, GdiObjectCloser>;
using UniqueFont = Unique<HFONT, GdiObjectCloser>;
using UniqueBrush = Unique<HBRUSH, GdiObjectCloser>;
using UniqueMenu = Unique<HMENU, MenuCloser>;
using UniqueMemoryDc = Unique<HDC, MemoryDcCloser>;
using UniqueIcon = Unique<HICON, IconCloser>;

// A window's device context from GetDC, given back with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects a GDI object into a DC for one scope and puts the previous one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() { SelectObject(dc_, previous_); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace ui
