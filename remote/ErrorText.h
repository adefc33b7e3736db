#pragma once
// The text Velmar shows for an unexpected error in a button handler; a
// refused request is shown with core::ErrorText.
#include <cstdint>
#include <string>
#include <string_view>

namespace remote {

// The text of an unexpected error in a button handler: the handler's name,
// the error's description and its number, with nothing between them.
std::wstring HandlerErrorText(std::wstring_view handler, std::wstring_view description, std::int32_t number);

}  // namespace remote
