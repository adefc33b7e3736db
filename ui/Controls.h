#pragma once
// The standard controls the programs' windows are made of: thin, non-owning
// handles on child windows (a child dies with its parent). Places and sizes
// are twips in the parent's client area; notifications reach the parent's
// OnCommand, WM_HSCROLL and WM_DRAWITEM as usual.
#include <windows.h>

#include <string>

#include "ui/Twips.h"

namespace ui {

// The font of the programs' controls: the system's message font, at the
// given resolution (the screen's when none is given).
HFONT DefaultFont(int pixelsPerInch = 0);

class Control {
 public:
  HWND Handle() const { return hwnd_; }
  int Id() const;
  void SetText(const std::wstring& text) const;
  std::wstring Text() const;
  void SetEnabled(bool enabled) const;
  bool IsEnabled() const;
  void SetVisible(bool visible) const;
  // Places are converted at the resolution the control's window is shown at.
  void Move(const TwipsRect& bounds) const;
  // After the window moved to a screen of another resolution: the place and
  // the font at the new one.
  void Rescale(const TwipsRect& bounds) const;
  void Focus() const;
  // Puts the control above its siblings, where it covers what it overlaps.
  void BringToFront() const;

 protected:
  void CreateChild(HWND parent, const wchar_t* className, const std::wstring& text, DWORD style,
                   DWORD exStyle, int id, const TwipsRect& bounds);

 private:
  HWND hwnd_ = nullptr;
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
// window (so the dialog keys and notifications work as for any other);
// Place turns a place given inside the frame into one in the window.
class Frame : public Control {
 public:
  void Create(HWND parent, int id, const std::wstring& caption, const TwipsRect& bounds);
  TwipsRect Place(const TwipsRect& inside) const;

 private:
  TwipsRect bounds_;
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

// An icon shown at its place.
class Image : public Control {
 public:
  void Create(HWND parent, int id, HICON icon, const TwipsRect& bounds);
  void SetIcon(HICON icon) const;
};

// A plain box that can hold the keyboard focus.
class PictureBox : public Control {
 public:
  void Create(HWND parent, int id, const TwipsRect& bounds);
};

}  // namespace ui
