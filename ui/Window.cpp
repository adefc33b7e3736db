#include "ui/Window.h"

#include <algorithm>
#include <set>
#include <utility>

#include "core/CheckedCall.h"
#include "ui/BusyCursor.h"
#include "ui/Controls.h"
#include "ui/PendingError.h"
#include "ui/Resolution.h"

namespace ui {
namespace {

void RegisterClassOnce(const wchar_t* className, WNDPROC procedure) {
  static std::set<std::wstring> registered;
  if (registered.contains(className)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  // Resource 1 is the program's own icon; a test executable has none.
  wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = className;
  // Another module of the process may have registered the name first.
  if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    core::ThrowLastError("RegisterClassExW");
  registered.insert(className);
}

// What a message answers when its handler failed: creation fails, every
// other message counts as handled.
LRESULT AnswerAfterError(UINT message) { return message == WM_CREATE ? -1 : 0; }

bool IsUsableTabStop(HWND control) { return IsWindowVisible(control) && IsWindowEnabled(control); }

// WM_GETDPISCALEDSIZE, which Windows 10 sends (1703 on); newer than the
// headers' Windows.
constexpr UINT kGetDpiScaledSize = 0x02E4;

TextScale TextScaleAt(int dpi, bool scalesWithText) {
  return scalesWithText ? TextScaleFor(MessageFontAtDpi(dpi).lfHeight, dpi) : TextScale{};
}

}  // namespace

Window::~Window() {
  // The object can go before its window: on an error path the window may
  // still be up. The window is cut loose first, so no message reaches a half
  // torn-down object; then it goes with its owner (window_), unless it is
  // on its way out already.
  if (!window_) return;
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
  GiveOwnerBack();
  if (destroying_) static_cast<void>(window_.release());
  ForgetWindow();
}

void Window::Create(const WindowParams& params) {
  // One object, one window: a second would leave the first without its object.
  if (window_.get()) core::ThrowWin32Error("CreateWindowExW", ERROR_ALREADY_INITIALIZED);
  RegisterClassOnce(params.className, &Window::WindowProc);
  owner_ = params.owner;
  style_ = params.style;
  exStyle_ = params.exStyle;
  clientTwips_ = params.clientTwips;
  scalesWithText_ = params.scalesWithText;
  // A window with its client area in twips is made small where it is to
  // stand, so that it is made at that monitor's resolution, then takes its
  // size at that resolution.
  const bool sizedByTwips = clientTwips_ && params.width == CW_USEDEFAULT;
  const HWND hwnd =
      CreateWindowExW(params.exStyle, params.className, params.caption.c_str(), params.style, params.left,
                      params.top, sizedByTwips ? 1 : params.width, sizedByTwips ? 1 : params.height,
                      params.owner, nullptr, GetModuleHandleW(nullptr), this);
  const DWORD error = GetLastError();
  RethrowPendingError();
  if (!hwnd) core::ThrowWin32Error("CreateWindowExW", error);
  if (clientTwips_) FitClientTwips([&params](SIZE) { return POINT{params.left, params.top}; });
}

TextScale Window::CurrentTextScale() const {
  if (!scalesWithText_) return {};
  MakeFont();
  return TextScaleFor(fontHeight_, dpi_);
}

HFONT Window::Font() const {
  MakeFont();
  return font_ ? font_.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// Made on first use: a window without text (the backdrop) never asks for one.
void Window::MakeFont() const {
  if (font_) return;
  const LOGFONTW message = MessageFontAtDpi(dpi_);
  font_.reset(CreateFontIndirectW(&message));
  fontHeight_ = message.lfHeight;
}

RECT Window::Pixels(const TwipsRect& place) const {
  const PixelRect r = TwipsToPixels(place, dpi_, CurrentTextScale());
  return {r.left, r.top, r.right, r.bottom};
}

void Window::ScaleWithText(bool on) {
  if (on == scalesWithText_) return;
  scalesWithText_ = on;
  for (Control* control : controls_) control->Refit();
}

void Window::Adopt(Control& control) { controls_.push_back(&control); }

void Window::Forget(const Control& control) { std::erase(controls_, &control); }

void Window::Refit() {
  // No font yet, and so no control: the first use makes it as it is now.
  if (!font_) return;
  // The controls hold the old font until each has the new one.
  const UniqueFont previous = std::exchange(font_, UniqueFont{});
  MakeFont();
  for (Control* control : controls_) control->Refit();
}

SIZE Window::OuterSizeAt(int dpi, TextScale scale) const {
  if (!clientTwips_) return {0, 0};
  const PixelRect client = TwipsToPixels({0, 0, clientTwips_->width, clientTwips_->height}, dpi, scale);
  return OuterSizeAtDpi({client.right, client.bottom}, style_, exStyle_, dpi);
}

SIZE Window::ClientTwipsInPixels() const {
  if (!clientTwips_) return {0, 0};
  const RECT client = Pixels({0, 0, clientTwips_->width, clientTwips_->height});
  return {client.right, client.bottom};
}

SIZE Window::FitClientTwips(const std::function<POINT(SIZE outer)>& place) {
  return FitClient(ClientTwipsInPixels(), place);
}

SIZE Window::FitClient(SIZE client, const std::function<POINT(SIZE outer)>& place) {
  SIZE outer = OuterSizeAtDpi(client, style_, exStyle_, dpi_);
  POINT at = place(outer);
  SetWindowPos(window_.get(), nullptr, at.x, at.y, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  RECT got{};
  GetClientRect(window_.get(), &got);
  if (got.right != client.cx || got.bottom != client.cy) {
    outer.cx += client.cx - got.right;
    outer.cy += client.cy - got.bottom;
    at = place(outer);
    SetWindowPos(window_.get(), nullptr, at.x, at.y, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return outer;
}

bool Window::Close(CloseReason reason) {
  if (!window_.get()) return true;
  if (!OnCloseRequest(reason)) return false;
  if (window_.get()) {
    GiveOwnerBack();
    DestroyWindow(window_.get());
  }
  return true;
}

void Window::StayOnTop(bool on) {
  SetWindowPos(window_.get(), on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Window::ShowModal() {
  // A window not made yet cannot be shown.
  if (!window_.get()) core::ThrowWin32Error("ShowWindow", ERROR_INVALID_WINDOW_HANDLE);
  // An owner under a modal window of its own is disabled already, and stays so.
  if (owner_ && IsWindowEnabled(owner_)) {
    EnableWindow(owner_, FALSE);
    disabledOwner_ = owner_;
  }
  ShowWindow(window_.get(), SW_SHOW);
}

void Window::GiveOwnerBack() {
  if (const HWND owner = std::exchange(disabledOwner_, nullptr); owner && IsWindow(owner))
    EnableWindow(owner, TRUE);
}

void Window::RegisterClassAhead(const wchar_t* className) {
  RegisterClassOnce(className, &Window::WindowProc);
}

Window* Window::FromHandle(HWND hwnd) {
  // Only the windows of this procedure hold a Window in GWLP_USERDATA.
  if (!hwnd || reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC)) != &Window::WindowProc)
    return nullptr;
  return reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* self = nullptr;
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    self = static_cast<Window*>(create->lpCreateParams);
    self->window_.reset(hwnd);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    // The resolution of the monitor the window is made on, for the controls
    // its creation makes.
    self->dpi_ = DpiWindowsGives(hwnd);
  } else {
    self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_DESTROY) {
    self->destroying_ = true;
    self->GiveOwnerBack();
  }

  const LRESULT result =
      Guarded([&] { return self->HandleMessage(message, wParam, lParam); }, AnswerAfterError(message));
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->Detach();
  }
  return result;
}

void Window::Detach() {
  // Windows destroys it: the owner lets it go.
  static_cast<void>(window_.release());
  ForgetWindow();
}

void Window::ForgetWindow() {
  destroying_ = false;
  controlCursors_.clear();
  tabOrder_.clear();
  // The controls died with the window.
  for (Control* control : controls_) control->LoseWindow();
  controls_.clear();
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_COMMAND:
      if (OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) return 0;
      break;
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_SETCURSOR: {
      if (BusyCursor::Active()) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      const auto found = controlCursors_.find(reinterpret_cast<HWND>(wParam));
      if (found != controlCursors_.end() && LOWORD(lParam) == HTCLIENT) {
        SetCursor(found->second);
        return TRUE;
      }
      break;
    }
    case WM_CLOSE:
      Close(CloseReason::User);
      return 0;
    case WM_QUERYENDSESSION:
      // The programs never stand in the way of the end of the session.
      return TRUE;
    case WM_ENDSESSION:
      if (!wParam) {
        OnSessionEndCancelled();
      } else {
        Close((lParam & ENDSESSION_CLOSEAPP) ? CloseReason::RestartManager : CloseReason::SessionEnding);
      }
      return 0;
    case WM_DPICHANGED:
      dpi_ = LOWORD(wParam);
      Refit();
      OnDpiChanged(*reinterpret_cast<const RECT*>(lParam));
      return 0;
    // Asked before the move, where Windows has it: the size at the new
    // resolution, so that the place it suggests is the window's own.
    case kGetDpiScaledSize:
      if (clientTwips_) {
        const int dpi = static_cast<int>(wParam);
        *reinterpret_cast<SIZE*>(lParam) = OuterSizeAt(dpi, TextScaleAt(dpi, scalesWithText_));
        return TRUE;
      }
      break;
    // The user's text size changes the message font.
    case WM_SETTINGCHANGE:
      if (wParam == SPI_SETNONCLIENTMETRICS) {
        Refit();
        OnTextSizeChanged();
      }
      break;
    case WM_DESTROY:
      if (mainWindow_) PostQuitMessage(0);
      OnDestroy();
      return 0;
  }
  return DefWindowProcW(window_.get(), message, wParam, lParam);
}

bool Window::PreTranslateMessage(MSG& message) {
  if (!tabOrder_.empty() && message.message == WM_KEYDOWN && message.wParam == VK_TAB)
    return MoveFocusInTabOrder(GetKeyState(VK_SHIFT) < 0);
  return IsDialogMessageW(window_.get(), &message);
}

void Window::OnDpiChanged(const RECT& suggested) {
  if (!clientTwips_) {
    SetWindowPos(window_.get(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  FitClientTwips([&suggested](SIZE) { return POINT{suggested.left, suggested.top}; });
}

void Window::OnTextSizeChanged() {
  if (!clientTwips_) return;
  RECT outer{};
  GetWindowRect(window_.get(), &outer);
  FitClientTwips([&outer](SIZE) { return POINT{outer.left, outer.top}; });
}

bool Window::MoveFocusInTabOrder(bool backwards) {
  const auto count = static_cast<std::ptrdiff_t>(tabOrder_.size());
  const auto current = std::find(tabOrder_.begin(), tabOrder_.end(), GetFocus()) - tabOrder_.begin();
  for (std::ptrdiff_t step = 1; step <= count; ++step) {
    const std::ptrdiff_t start = current == count ? (backwards ? 0 : -1) : current;
    const std::ptrdiff_t next = ((start + (backwards ? -step : step)) % count + count) % count;
    if (IsUsableTabStop(tabOrder_[next])) {
      SetFocus(tabOrder_[next]);
      return true;
    }
  }
  return true;
}

}  // namespace ui
