#pragma once
// The texts Velmar shows for failures.
#include <cstdint>
#include <string>
#include <string_view>

namespace remote {

// The text of a failed request: the system's text for the code directly
// followed by the code in parentheses, or the "unknown error" text when the
// code is 0 or the system has no text for it.
std::wstring ErrorText(std::int32_t code, std::wstring_view systemText);

// The text of an unexpected error in a button handler: the handler's name,
// the error's description and its number, with nothing between them.
std::wstring HandlerErrorText(std::wstring_view handler, std::wstring_view description, std::int32_t number);

}  // namespace remote
