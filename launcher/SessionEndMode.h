#pragma once
// The ways a launcher button can end the session.
#include <optional>

namespace launcher {

enum class SessionEndMode { Shutdown, Logoff, Restart, PowerOff, Standby };

// Button 0 powers off instead when powerOff is set; the others ignore it.
// Nothing for an index that is not one of the four buttons.
std::optional<SessionEndMode> ModeOfButton(int buttonIndex, bool powerOff);

}  // namespace launcher
