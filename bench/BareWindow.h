#pragma once
// The window classes of the least programs the bench sets the launcher
// beside, which it looks for from outside: bare_window.cpp's window, and
// capture_popup.cpp's window, the button a click presses and the popup the
// click shows.

namespace bench {

inline constexpr wchar_t kBareWindowClass[] = L"BenchBareWindow";

inline constexpr wchar_t kCaptureWindowClass[] = L"BenchCaptureWindow";
inline constexpr wchar_t kCapturePopupClass[] = L"BenchCapturePopup";
inline constexpr int kCaptureButtonId = 100;

}  // namespace bench
