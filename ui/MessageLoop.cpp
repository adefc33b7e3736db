#include "ui/MessageLoop.h"

#include "core/Win32Error.h"
#include "ui/PendingError.h"
#include "ui/Window.h"

namespace ui {
namespace {

bool IsKeyboardMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

}  // namespace

void DispatchOne(MSG& message) {
  bool used = false;
  if (IsKeyboardMessage(message.message) && message.hwnd) {
    if (Window* root = Window::FromHandle(GetAncestor(message.hwnd, GA_ROOT)))
      used = root->PreTranslateMessage(message);
  }
  if (!used) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  RethrowPendingError();
}

int RunMessageLoop() {
  MSG message;
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got == -1) return -1;
    DispatchOne(message);
  }
}

ModalScope::ModalScope(Window& modal) : modal_(modal), outer_(modal.modal_) {
  for (Window* window : LoadedWindows()) {
    if (window == &modal || !IsWindowEnabled(window->Handle())) continue;
    EnableWindow(window->Handle(), FALSE);
    disabled_.push_back(window->Handle());
  }
  modal_.modal_ = this;
}

ModalScope::~ModalScope() {
  GiveBackOtherWindows();
  modal_.modal_ = outer_;
}

void ModalScope::GiveBackOtherWindows() {
  for (const HWND hwnd : disabled_) {
    if (IsWindow(hwnd)) EnableWindow(hwnd, TRUE);
  }
  disabled_.clear();
}

void ShowModal(Window& window) {
  const HWND hwnd = window.Handle();
  if (!hwnd) throw core::Win32Error{"ShowWindow", ERROR_INVALID_WINDOW_HANDLE};
  ModalScope scope(window);
  ShowWindow(hwnd, SW_SHOW);
  try {
    MSG message;
    while (window.Handle() == hwnd) {
      const BOOL got = GetMessageW(&message, nullptr, 0, 0);
      if (got == 0) {
        PostQuitMessage(static_cast<int>(message.wParam));
        break;
      }
      if (got == -1) break;
      DispatchOne(message);
    }
  } catch (...) {
    if (window.Handle() == hwnd) DestroyWindow(hwnd);
    throw;
  }
}

}  // namespace ui
