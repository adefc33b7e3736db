#pragma once
// The window class of bare_window.cpp, which the bench looks for.

namespace bench {

inline constexpr wchar_t kBareWindowClass[] = L"BenchBareWindow";

}  // namespace bench
