#pragma once
// The standard controls the programs' windows are made of: thin, non-owning
// handles on child windows (a child dies with its parent). Places and sizes
// are twips in the parent's client area; notifications reach the parent's
// OnCommand, WM_HSCROLL and WM_DRAWITEM as usual. Each control keeps its
// place in twips, and its window places it again at every change of
// resolution or text size (ui/Window.h), with its font, picture and icon.
#include <windows.h>

#include <string>

#include "ui/Handles.h"
#include "ui/Twips.h"

namespace ui {

class Window;

class Control {
 public:
  Control() = default;
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  HWND Handle() const { return hwnd_; }
  int Id() const;
  void SetText(const std::wstring& text) const;
  std::wstring Text() const;
  void SetEnabled(bool enabled) const;
  bool IsEnabled() const;
  void SetVisible(bool visible) const;
  // Its place from now on, at the window's resolution and text scale.
  void Move(const TwipsRect& bounds);
  const TwipsRect& Place() const { return place_; }
  void Focus() const;
  // Puts the control above its siblings, where it covers what it overlaps.
  void BringToFront() const;
  // How large a text is in the control's font, in pixels.
  SIZE MeasureText(const std::wstring& text) const;

  // At the window's resolution and text size of now: its place, its font
  // and, for a control that shows one, its picture or icon.
  virtual void Refit();
  // The window went, and the control with it.
  void LoseWindow() { window_ = nullptr; }

 protected:
  void CreateChild(HWND parent, const wchar_t* className, const std::wstring& text, DWORD style,
                   DWORD exStyle, int id, const TwipsRect& bounds);
  // The window the control is on, or null when it is on none of the toolkit's.
  const Window* HostWindow() const { return window_; }
  // The place in pixels at the window's resolution and text scale.
  RECT PixelPlace(const TwipsRect& place) const;
  HFONT HostFont() const;

 private:
  HWND hwnd_ = nullptr;
  Window* window_ = nullptr;
  TwipsRect place_;
};

class Label : public Control {
 public:
  void Create(HWND parent, int id, const std::wstring& caption, const TwipsRect& bounds);
};

class Button : public Control {
 public:
  // The default button answers Enter through the dialog keys.
  void Create(HWND parent, int id, const std::wstring& caption, const TwipsRect& bounds,
              bool isDefault = false);
};

class CheckBox : public Control {
 public:
  void Create(HWND parent, int id, const std::wstring& caption, const TwipsRect& bounds);
  bool IsChecked() const;
  void SetChecked(bool checked) const;
};

// A frame around a group of controls. The controls stay children of the
// window (so the dialog keys and notifications work as for any other) and
// are placed in the window's client area.
class Frame : public Control {
 public:
  void Create(HWND parent, int id, const std::wstring& caption, const TwipsRect& bounds);
};

class TextBox : public Control {
 public:
  void Create(HWND parent, int id, const std::wstring& text, const TwipsRect& bounds);
};

// A combo box with an editable text field and a drop-down list.
class ComboBox : public Control {
 public:
  void Create(HWND parent, int id, const std::wstring& text, const TwipsRect& bounds);
  int Count() const;
  std::wstring Item(int index) const;
  void AddItem(const std::wstring& text) const;
  void InsertItem(int index, const std::wstring& text) const;
  void Clear() const;
  // Selects an entry, which also shows it in the text field.
  void Select(int index) const;
};

// A horizontal scroll bar; the window passes its WM_HSCROLL on to Scroll.
class ScrollBar : public Control {
 public:
  void Create(HWND parent, int id, const TwipsRect& bounds);
  void SetRange(int minimum, int maximum) const;
  void SetSteps(int smallChange, int largeChange);
  int Value() const;
  void SetValue(int value) const;
  // Applies a WM_HSCROLL request; true when the value changed.
  bool Scroll(WPARAM request) const;

 private:
  int smallChange_ = 1;
  int largeChange_ = 1;
};

// An icon from one of the program's resources, in the middle of its place:
// the image drawn for the window's resolution, never stretched. The icon is
// the control's, loaded anew at a change of resolution.
class Image : public Control {
 public:
  void Create(HWND parent, int id, int iconResource, const TwipsRect& bounds);
  HICON Icon() const { return icon_.get(); }
  void Refit() override;

 private:
  void LoadIcon();
  int iconResource_ = 0;
  UniqueIcon icon_;
};

// A plain box that can hold the keyboard focus.
class PictureBox : public Control {
 public:
  void Create(HWND parent, int id, const TwipsRect& bounds);
};

}  // namespace ui
