#pragma once
// The text a refused request is shown with, in a message box of either
// windowed program.
#include <cstdint>
#include <string>
#include <string_view>

namespace core {

// The system's text for the code directly followed by the code in
// parentheses, or the "unknown error" text when the code is 0 or the system
// has no text for it.
std::wstring ErrorText(std::int32_t code, std::wstring_view systemText);

// The system's one-line text for an error code in the user's language; empty
// when the system has none (Windows builds only).
std::wstring SystemErrorText(std::uint32_t code);

}  // namespace core
