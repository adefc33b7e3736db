#include "launcher/Backdrop.h"

#include "core/Unique.h"
#include "launcher/Darken.h"

namespace launcher {
namespace {

// No border, no title bar, no taskbar button: the window is the screen, over
// every window that is not on top itself, taskbar included.
constexpr DWORD kStyle = WS_POPUP;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
// Never shown (the window has no title bar), but what a screen reader names
// the frozen screen by.
constexpr const wchar_t* kCaption = L"VuriRivu 終了の確認";

}  // namespace

bool Backdrop::Cover(HWND owner) {
  std::optional<ScreenPicture> picture = screen_.CaptureScreen(ui::BoundingRect(screen_.Monitors()));
  if (!picture) return false;
  Darken(picture->Pixels());
  Open(std::move(*picture), owner);
  ShowModal();
  return true;
}

// Loads the window hidden over the whole virtual screen, every monitor, with
// the darkened picture of it to paint itself from.
void Backdrop::Open(ScreenPicture picture, HWND owner) {
  ui::WindowParams params;
  params.className = kClassName;
  params.caption = kCaption;
  params.style = kStyle;
  params.exStyle = kExStyle;
  params.owner = owner;
  params.left = picture.place.left;
  params.top = picture.place.top;
  params.width = picture.Width();
  params.height = picture.Height();
  Create(params);
  picture_ = std::move(picture);
}

LRESULT Backdrop::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    // The picture covers every pixel; erasing first would only flicker.
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint();
      return 0;
  }
  return ui::Window::HandleMessage(message, wParam, lParam);
}

void Backdrop::Paint() {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(Handle(), &paint);
  const core::ScopeExit endPaint([this, &paint] { EndPaint(Handle(), &paint); });
  const ui::UniqueMemoryDc memory(dc && picture_.bitmap ? CreateCompatibleDC(dc) : nullptr);
  if (memory) {
    const auto from = ui::SelectedObject(memory.get(), picture_.bitmap.get());
    const RECT& r = paint.rcPaint;
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, memory.get(), r.left, r.top, SRCCOPY);
  }
}

// The picture, the size of every monitor, goes with the window, however it
// goes: its own close, another program's WM_CLOSE, the end of the session.
void Backdrop::OnDestroy() { picture_ = ScreenPicture{}; }

}  // namespace launcher
