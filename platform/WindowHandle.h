#pragma once
// An HWND carried as an integer, so headers that logic shares with the host
// build stay free of <windows.h>.
#include <cstdint>

namespace platform {

using WindowHandle = std::uintptr_t;

}  // namespace platform
