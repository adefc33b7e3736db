#pragma once
// The session-end mode of each launcher button.
#include <optional>

#include "core/SessionEnd.h"

namespace launcher {

using core::SessionEndMode;

// Button 0 powers off instead when powerOff is set; the others ignore it.
// Nothing for an index that is not one of the four buttons.
std::optional<SessionEndMode> ModeOfButton(int buttonIndex, bool powerOff);

}  // namespace launcher
