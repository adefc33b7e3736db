#include "launcher/Backdrop.h"

#include "launcher/CountdownDialog.h"
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
// What task lists call the backdrop; it has always been named so.
// Never shown (the window has no title bar), but what a screen reader names
// the frozen screen by.
constexpr const wchar_t* kCaption = L"VuriRivu 終了の確認";

// Gives the desktop's device context back when the capture is done, also when
// loading the form failed on the way.
class DesktopDcRelease {
 public:
  DesktopDcRelease(ScreenCapture& capture, HWND desktop, HDC dc)
      : capture_(capture), desktop_(desktop), dc_(dc) {}
  ~DesktopDcRelease() { capture_.ReleaseDC(desktop_, dc_); }
  DesktopDcRelease(const DesktopDcRelease&) = delete;
  DesktopDcRelease& operator=(const DesktopDcRelease&) = delete;

 private:
  ScreenCapture& capture_;
  HWND desktop_;
  HDC dc_;
};

}  // namespace

bool Backdrop::Run(SessionEndMode mode, bool autoEject) {
  if (used_) return false;
  ScreenCapture& capture = services_.capture;
  const HWND desktop = capture.GetDesktopWindow();
  const HDC desktopDc = capture.GetDC(desktop);
  if (!desktopDc) return false;
  used_ = true;
  {
    const DesktopDcRelease release(capture, desktop, desktopDc);
    if (!Load(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN))) return false;
    RECT client{};
    GetClientRect(Handle(), &client);
    // Each pixel becomes screen AND NOT background: darker, never brighter.
    capture.BitBlt(imageDC_.get(), 0, 0, client.right, client.bottom, desktopDc, 0, 0, kCaptureOperation);
  }
  mode_ = mode;
  autoEject_ = autoEject;
  waitTimer_.Start();
  cancelled_ = true;
  ui::ShowModal(*this);
  return !cancelled_;
}

// Loads the form hidden over the whole primary screen with its picture filled
// with the background colour. False, with nothing left loaded, when there is
// no memory for a picture that size.
bool Backdrop::Load(int width, int height) {
  ui::WindowParams params;
  params.className = kClassName;
  params.caption = kCaption;
  params.style = kStyle;
  params.exStyle = kExStyle;
  params.left = 0;
  params.top = 0;
  params.width = width;
  params.height = height;
  Create(params);

  try {
    const ui::WindowDc screen(Handle());
    imageBitmap_.reset(CreateCompatibleBitmap(screen.get(), width, height));
    imageDC_.reset(CreateCompatibleDC(screen.get()));
    if (!imageBitmap_ || !imageDC_) {
      Unload();
      return false;
    }
    SelectObject(imageDC_.get(), imageBitmap_.get());
    const RECT all{0, 0, width, height};
    const ui::UniqueBrush background(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
    FillRect(imageDC_.get(), &all, background.get());

    // The load step.
    if (!windowSettings_) windowSettings_ = services_.newSettings();
    windowSettings_->Attach(reinterpret_cast<settings::WindowHandle>(Handle()), L"frmDesktop");
    windowSettings_->AlwaysOnTop(true);
  } catch (...) {
    Unload();
    throw;
  }
  return true;
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
  CountdownDialog dialog(services_.newSettings);
  const bool goAhead = dialog.Ask(mode_);
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
  imageBitmap_.reset();
}

}  // namespace launcher
