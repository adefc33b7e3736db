#pragma once
// A plain top-level window for Windows-side tests: hidden unless shown, counts
// the messages its own procedure handled, answers kEchoMessage with its wParam.
// Windows build only.
#include <windows.h>

#include <map>

namespace testing_support {

class TestWindow {
 public:
  static constexpr UINT kEchoMessage = WM_APP + 1;

  explicit TestWindow(DWORD style = WS_OVERLAPPEDWINDOW, DWORD exStyle = 0) {
    static const ATOM windowClass = [] {
      WNDCLASSW wc{};
      wc.lpfnWndProc = &TestWindow::Procedure;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = L"TestingSupportWindow";
      return RegisterClassW(&wc);
    }();
    window_ = CreateWindowExW(exStyle, MAKEINTATOM(windowClass), L"", style, 100, 80, 200, 120, nullptr,
                              nullptr, GetModuleHandleW(nullptr), this);
  }
  ~TestWindow() {
    if (window_ != nullptr) DestroyWindow(window_);
  }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND get() const { return window_; }
  // How many times the window's own procedure saw message.
  int Handled(UINT message) const {
    const auto found = handled_.find(message);
    return found == handled_.end() ? 0 : found->second;
  }
  // Destroys the window now, ahead of the object.
  void Destroy() {
    DestroyWindow(window_);
    window_ = nullptr;
  }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    if (auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
      ++self->handled_[message];
      if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    }
    if (message == kEchoMessage) return static_cast<LRESULT>(wParam);
    return DefWindowProcW(window, message, wParam, lParam);
  }

  HWND window_ = nullptr;
  std::map<UINT, int> handled_;
};

}  // namespace testing_support
