#pragma once
// A graphical push button: a picture whose pure blue (0, 0, 255) pixels are
// transparent, centred, with the caption below it when there is one and it is
// shown. The caption is the button's window text either way, so a screen
// reader names a picture-only button too. The button is owner-drawn: its
// window passes its WM_DRAWITEM on to Draw.
#include <windows.h>
// commctrl.h after windows.h: it needs its types.
#include <commctrl.h>

#include <functional>

#include "ui/Controls.h"
#include "ui/Handles.h"

namespace ui {

// The mouse button a press or a release was made with.
enum class MouseButton { Left, Right, Middle };

class PictureButton : public Control {
 public:
  using MouseHandler = std::function<void(MouseButton button, POINT where)>;

  PictureButton() = default;
  ~PictureButton();
  PictureButton(const PictureButton&) = delete;
  PictureButton& operator=(const PictureButton&) = delete;

  void Create(HWND parent, int id, const TwipsRect& bounds);
  // The picture from one of the program's bitmap resources, as drawn for the
  // display's scale (see PictureScale.h).
  void SetPicture(int bitmapResource);
  int Picture() const { return pictureResource_; }
  // Whether the caption is painted below the picture.
  void ShowCaption(bool shown);
  bool CaptionShown() const { return captionShown_; }
  void Draw(const DRAWITEMSTRUCT& item) const;
  // The picture drawn for the window's new resolution too.
  void Refit() override;

  // Mouse down runs before the button reacts; mouse up after it, so a click
  // has been delivered by then.
  void OnMouseDown(MouseHandler handler) { mouseDown_ = std::move(handler); }
  void OnMouseUp(MouseHandler handler) { mouseUp_ = std::move(handler); }

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR self);
  LRESULT HandleMouse(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  UniqueImageList pictures_;
  int pictureResource_ = 0;
  int loadedResource_ = 0;  // the resource of the scale shown
  SIZE pictureSize_{};
  bool captionShown_ = true;
  MouseHandler mouseDown_;
  MouseHandler mouseUp_;
};

}  // namespace ui
