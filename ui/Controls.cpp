#include "ui/Controls.h"

#include <commctrl.h>

#include "core/CheckedCall.h"
#include "ui/Handles.h"
#include "ui/PictureScale.h"
#include "ui/Resolution.h"
#include "ui/ScrollStep.h"
#include "ui/Window.h"

namespace ui {
namespace {

ScrollRequest RequestOf(WORD code) {
  switch (code) {
    case SB_LINELEFT:
      return ScrollRequest::LineBack;
    case SB_LINERIGHT:
      return ScrollRequest::LineForward;
    case SB_PAGELEFT:
      return ScrollRequest::PageBack;
    case SB_PAGERIGHT:
      return ScrollRequest::PageForward;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      return ScrollRequest::Thumb;
    case SB_LEFT:
      return ScrollRequest::First;
    case SB_RIGHT:
      return ScrollRequest::Last;
    default:
      return ScrollRequest::None;
  }
}

}  // namespace

Control::~Control() {
  if (window_) window_->Forget(*this);
}

void Control::CreateChild(HWND parent, const wchar_t* className, const std::wstring& text, DWORD style,
                          DWORD exStyle, int id, const TwipsRect& bounds) {
  // One object, one control: a second would be out of the window's reach.
  if (hwnd_) core::ThrowWin32Error("CreateWindowExW", ERROR_ALREADY_INITIALIZED);
  window_ = Window::FromHandle(GetAncestor(parent, GA_ROOT));
  place_ = bounds;
  const RECT r = PixelPlace(bounds);
  // Controls may overlap; each paints only where no sibling lies in front.
  hwnd_ = core::CheckedCall(
      CreateWindowExW(exStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
                      r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr),
      "CreateWindowExW");
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(HostFont()), FALSE);
  if (window_) window_->Adopt(*this);
}

RECT Control::PixelPlace(const TwipsRect& place) const {
  if (window_) return window_->Pixels(place);
  const PixelRect r = TwipsToPixels(place, SystemDpi(), TextScale{});
  return {r.left, r.top, r.right, r.bottom};
}

HFONT Control::HostFont() const {
  return window_ ? window_->Font() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void Control::Refit() {
  const RECT r = PixelPlace(place_);
  MoveWindow(hwnd_, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(HostFont()), TRUE);
}

int Control::Id() const { return GetDlgCtrlID(hwnd_); }

void Control::SetText(const std::wstring& text) const { SetWindowTextW(hwnd_, text.c_str()); }

std::wstring Control::Text() const {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
  return text;
}

void Control::SetEnabled(bool enabled) const { EnableWindow(hwnd_, enabled); }
bool Control::IsEnabled() const { return IsWindowEnabled(hwnd_); }
void Control::SetVisible(bool visible) const { ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE); }

void Control::Move(const TwipsRect& bounds) {
  place_ = bounds;
  const RECT r = PixelPlace(bounds);
  MoveWindow(hwnd_, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

void Control::Focus() const { SetFocus(hwnd_); }

SIZE Control::MeasureText(const std::wstring& text) const {
  SIZE size{0, 0};
  const UniqueWindowDc dc = WindowDc(hwnd_);
  if (!dc) return size;
  const auto font = SelectedObject(dc.get().dc, HostFont());
  GetTextExtentPoint32W(dc.get().dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

void Control::BringToFront() const {
  SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Label::Create(HWND parent, int id, const std::wstring& caption, const TwipsRect& bounds) {
  CreateChild(parent, WC_STATICW, caption, SS_LEFT, 0, id, bounds);
}

void Button::Create(HWND parent, int id, const std::wstring& caption, const TwipsRect& bounds,
                    bool isDefault) {
  CreateChild(parent, WC_BUTTONW, caption, WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0, id,
              bounds);
}

void CheckBox::Create(HWND parent, int id, const std::wstring& caption, const TwipsRect& bounds) {
  CreateChild(parent, WC_BUTTONW, caption, WS_TABSTOP | BS_AUTOCHECKBOX, 0, id, bounds);
}

bool CheckBox::IsChecked() const { return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void CheckBox::SetChecked(bool checked) const {
  SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Frame::Create(HWND parent, int id, const std::wstring& caption, const TwipsRect& bounds) {
  // The frame lies in front of the controls it holds; transparent, it takes
  // nothing from their clipped painting.
  CreateChild(parent, WC_BUTTONW, caption, BS_GROUPBOX, WS_EX_TRANSPARENT, id, bounds);
}

void TextBox::Create(HWND parent, int id, const std::wstring& text, const TwipsRect& bounds) {
  CreateChild(parent, WC_EDITW, text, WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE, id, bounds);
}

void ComboBox::Create(HWND parent, int id, const std::wstring& text, const TwipsRect& bounds) {
  // The height given to a drop-down combo box is that of the open list.
  TwipsRect withList = bounds;
  withList.height += 3000;
  CreateChild(parent, WC_COMBOBOXW, L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0, id,
              withList);
  SetText(text);
}

int ComboBox::Count() const { return static_cast<int>(SendMessageW(Handle(), CB_GETCOUNT, 0, 0)); }

std::wstring ComboBox::Item(int index) const {
  const LRESULT length = SendMessageW(Handle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied =
      SendMessageW(Handle(), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
  return text;
}

void ComboBox::AddItem(const std::wstring& text) const { InsertItem(-1, text); }

void ComboBox::InsertItem(int index, const std::wstring& text) const {
  SendMessageW(Handle(), CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
}

void ComboBox::Clear() const {
  // CB_RESETCONTENT would empty the text field as well; only the list goes.
  const std::wstring text = Text();
  SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
  SetText(text);
}

void ComboBox::Select(int index) const {
  SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void ScrollBar::Create(HWND parent, int id, const TwipsRect& bounds) {
  CreateChild(parent, WC_SCROLLBARW, L"", WS_TABSTOP | SBS_HORZ, 0, id, bounds);
}

void ScrollBar::SetRange(int minimum, int maximum) const {
  SetScrollRange(Handle(), SB_CTL, minimum, maximum, TRUE);
}

void ScrollBar::SetSteps(int smallChange, int largeChange) {
  smallChange_ = smallChange;
  largeChange_ = largeChange;
}

int ScrollBar::Value() const { return GetScrollPos(Handle(), SB_CTL); }

void ScrollBar::SetValue(int value) const {
  int minimum = 0;
  int maximum = 0;
  GetScrollRange(Handle(), SB_CTL, &minimum, &maximum);
  SetScrollPos(Handle(), SB_CTL, NextScrollValue(value, ScrollRequest::None, 0, {minimum, maximum, 0, 0}),
               TRUE);
}

bool ScrollBar::Scroll(WPARAM request) const {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_POS | SIF_TRACKPOS;
  if (!GetScrollInfo(Handle(), SB_CTL, &info)) return false;
  const int next = NextScrollValue(info.nPos, RequestOf(LOWORD(request)), info.nTrackPos,
                                   {info.nMin, info.nMax, smallChange_, largeChange_});
  if (next == info.nPos) return false;
  SetScrollPos(Handle(), SB_CTL, next, TRUE);
  return true;
}

void Image::Create(HWND parent, int id, int iconResource, const TwipsRect& bounds) {
  // Kept at the size of its place and centred in it: a place that grew with
  // the text size shows the icon drawn for the resolution, not a stretched one.
  CreateChild(parent, WC_STATICW, L"", SS_ICON | SS_REALSIZECONTROL | SS_CENTERIMAGE, 0, id, bounds);
  iconResource_ = iconResource;
  LoadIcon();
}

void Image::Refit() {
  Control::Refit();
  LoadIcon();
}

void Image::LoadIcon() {
  const int dpi = HostWindow() ? HostWindow()->Dpi() : SystemDpi();
  const int side = IconSideFitting(TwipsToPixels(Place().width, dpi));
  // Not shared: Windows would hand back the first size loaded whatever size is asked.
  UniqueIcon icon(core::CheckedCall(
      static_cast<HICON>(
          LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconResource_), IMAGE_ICON, side, side, 0)),
      "LoadImageW"));
  SendMessageW(Handle(), STM_SETICON, reinterpret_cast<WPARAM>(icon.get()), 0);
  icon_ = std::move(icon);
}

void PictureBox::Create(HWND parent, int id, const TwipsRect& bounds) {
  CreateChild(parent, WC_STATICW, L"", WS_TABSTOP | SS_NOTIFY, 0, id, bounds);
}

}  // namespace ui
