#include "ui/PictureButton.h"

#include <optional>

#include "core/CheckedCall.h"
#include "ui/PendingError.h"
#include "ui/PictureScale.h"
#include "ui/ScreenTwips.h"
#include "ui/Window.h"

namespace ui {
namespace {

constexpr COLORREF kTransparent = RGB(0, 0, 255);
constexpr UINT_PTR kSubclassId = 1;
constexpr int kCaptionGap = 2;

// The mouse button of a press or a release; nothing for any other message.
std::optional<MouseButton> ButtonOf(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
      return MouseButton::Left;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_RBUTTONUP:
      return MouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_MBUTTONUP:
      return MouseButton::Middle;
    default:
      return std::nullopt;
  }
}

bool IsPress(UINT message) {
  return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
         message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDBLCLK;
}

}  // namespace

PictureButton::~PictureButton() {
  if (Handle()) RemoveWindowSubclass(Handle(), &PictureButton::SubclassProc, kSubclassId);
}

void PictureButton::Create(HWND parent, int id, const TwipsRect& bounds) {
  CreateChild(parent, WC_BUTTONW, L"", WS_TABSTOP | BS_OWNERDRAW, 0, id, bounds);
  SetWindowSubclass(Handle(), &PictureButton::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void PictureButton::SetPicture(int bitmapResource) {
  const int scaled =
      ScaledPictureResource(bitmapResource, HostWindow() ? HostWindow()->Dpi() : DpiOf(Handle()));
  if (bitmapResource == pictureResource_ && scaled == loadedResource_ && pictures_) return;
  const UniqueBitmap bitmap(
      core::CheckedCall(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(scaled),
                                                        IMAGE_BITMAP, 0, 0, 0)),
                        "LoadImageW"));
  BITMAP info{};
  GetObjectW(bitmap.get(), sizeof info, &info);
  UniqueImageList list(core::CheckedCall(
      ImageList_Create(info.bmWidth, info.bmHeight, ILC_COLOR24 | ILC_MASK, 1, 0), "ImageList_Create"));
  core::CheckedCall(ImageList_AddMasked(list.get(), bitmap.get(), kTransparent) >= 0, "ImageList_AddMasked");
  pictures_ = std::move(list);
  pictureResource_ = bitmapResource;
  loadedResource_ = scaled;
  pictureSize_ = {info.bmWidth, info.bmHeight};
  InvalidateRect(Handle(), nullptr, TRUE);
}

void PictureButton::Refit() {
  Control::Refit();
  if (pictureResource_) SetPicture(pictureResource_);
}

void PictureButton::ShowCaption(bool shown) {
  if (shown == captionShown_) return;
  captionShown_ = shown;
  InvalidateRect(Handle(), nullptr, TRUE);
}

void PictureButton::Draw(const DRAWITEMSTRUCT& item) const {
  const HDC dc = item.hDC;
  RECT face = item.rcItem;
  const bool pushed = item.itemState & ODS_SELECTED;
  const bool disabled = item.itemState & ODS_DISABLED;
  DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pushed ? DFCS_PUSHED : 0));
  // A pressed button's face moves one pixel down and right.
  if (pushed) OffsetRect(&face, 1, 1);

  const std::wstring caption = captionShown_ ? Text() : std::wstring();
  RECT textBox{0, 0, 0, 0};
  const auto font = SelectedObject(dc, HostFont());
  if (!caption.empty()) DrawTextW(dc, caption.c_str(), -1, &textBox, DT_CALCRECT | DT_SINGLELINE);
  const int textHeight = caption.empty() ? 0 : textBox.bottom - textBox.top;
  const int blockHeight = pictureSize_.cy + (caption.empty() ? 0 : kCaptionGap + textHeight);
  const int top = face.top + (face.bottom - face.top - blockHeight) / 2;

  if (pictures_) {
    const int left = face.left + (face.right - face.left - pictureSize_.cx) / 2;
    ImageList_DrawEx(pictures_.get(), 0, dc, left, top, 0, 0, CLR_NONE, CLR_NONE,
                     disabled ? ILD_TRANSPARENT | ILD_BLEND50 : ILD_TRANSPARENT);
  }
  if (!caption.empty()) {
    RECT line{face.left, top + pictureSize_.cy + kCaptionGap, face.right, top + blockHeight};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    DrawTextW(dc, caption.c_str(), -1, &line, DT_CENTER | DT_SINGLELINE | DT_TOP);
  }
  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
}

LRESULT CALLBACK PictureButton::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR self) {
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, &PictureButton::SubclassProc, kSubclassId);
    return DefSubclassProc(hwnd, message, wParam, lParam);
  }
  if (!ButtonOf(message)) return DefSubclassProc(hwnd, message, wParam, lParam);
  return Guarded(
      [&] { return reinterpret_cast<PictureButton*>(self)->HandleMouse(hwnd, message, wParam, lParam); }, 0);
}

LRESULT PictureButton::HandleMouse(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const POINT where{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  const MouseButton button = *ButtonOf(message);
  // An owner-drawn button takes the second press of a double click for a
  // double click and does not push; every press here is a press.
  if (message == WM_LBUTTONDBLCLK) message = WM_LBUTTONDOWN;
  if (IsPress(message)) {
    if (mouseDown_) mouseDown_(button, where);
    return IsWindow(hwnd) ? DefSubclassProc(hwnd, message, wParam, lParam) : 0;
  }
  const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
  if (mouseUp_ && IsWindow(hwnd)) mouseUp_(button, where);
  return result;
}
}  // namespace ui
