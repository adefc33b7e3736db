#include "launcher/Backdrop.h"

#include "core/Win32Error.h"
#include "launcher/CountdownDialog.h"
#include "launcher/Darken.h"
#include "launcher/MediaEjector.h"
#include "launcher/ScreenCapture.h"
#include "launcher/SessionEndRequest.h"
#include "platform/SystemServices.h"
#include "ui/MessageLoop.h"

namespace launcher {
namespace {

// No border, no title bar, no taskbar button: the window is the screen.
constexpr DWORD kStyle = WS_POPUP;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;
// Never shown (the window has no title bar), but what a screen reader names
// the frozen screen by.
constexpr const wchar_t* kCaption = L"VuriRivu 終了の確認";

}  // namespace

bool Backdrop::Run(SessionEndMode mode, bool autoEject, HWND launcher) {
  if (used_) return false;
  ScreenCapture& screen = services_.capture;
  const std::vector<ScreenRect> monitors = screen.Monitors();
  std::optional<ScreenPicture> picture = screen.CaptureScreen(BoundingRect(monitors));
  if (!picture) return false;
  used_ = true;
  Darken(picture->Pixels());
  Load(std::move(*picture), launcher);
  dialogMonitor_ = screen.MonitorHolding(launcher);
  mode_ = mode;
  autoEject_ = autoEject;
  waitTimer_.Start();
  cancelled_ = true;
  ui::RunModal(*this);
  return !cancelled_;
}

// Loads the form hidden over the whole virtual screen, every monitor, with
// the darkened picture of it to paint itself from.
void Backdrop::Load(ScreenPicture picture, HWND owner) {
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

  try {
    const ui::WindowDc screen(Handle());
    imageDC_.reset(CreateCompatibleDC(screen.get()));
    if (!imageDC_) throw core::Win32Error{"CreateCompatibleDC", GetLastError()};
    picture_ = std::move(picture);
    SelectObject(imageDC_.get(), picture_.bitmap.get());

    // Over every window that is not on top itself, taskbar included.
    StayOnTop(true);
  } catch (...) {
    Unload();
    throw;
  }
}

void Backdrop::Unload() { Close(ui::CloseReason::Code); }

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
  if (dc && imageDC_) {
    const RECT& r = paint.rcPaint;
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, imageDC_.get(), r.left, r.top, SRCCOPY);
  }
  EndPaint(Handle(), &paint);
}

void Backdrop::OnTimer(UINT_PTR id) {
  if (id == waitTimer_.Id()) OnWaitOver();
}

// Runs once, 100 ms after the backdrop went up, inside its modal wait: the
// countdown, the ejection and the request all happen while it covers the screen.
void Backdrop::OnWaitOver() {
  waitTimer_.Stop();
  CountdownDialog dialog;
  const bool goAhead = dialog.Ask(mode_, Handle(), dialogMonitor_);
  // A backdrop closed while the countdown ran (the session ending under it)
  // goes no further.
  if (goAhead && IsLoaded()) {
    cancelled_ = false;
    if (autoEject_) EjectRemovableMedia(services_.system, services_.volumes);
    RequestSessionEnd(services_.system, mode_);
  }
  Unload();
}

void Backdrop::OnUnload() {
  waitTimer_.Stop();
  imageDC_.reset();
  picture_ = ScreenPicture{};
}

}  // namespace launcher
