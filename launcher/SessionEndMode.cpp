#include "launcher/SessionEndMode.h"

namespace launcher {

std::optional<SessionEndMode> ModeOfButton(int buttonIndex, bool powerOff) {
  switch (buttonIndex) {
    case 0:
      return powerOff ? SessionEndMode::PowerOff : SessionEndMode::Shutdown;
    case 1:
      return SessionEndMode::Logoff;
    case 2:
      return SessionEndMode::Restart;
    case 3:
      return SessionEndMode::Standby;
    default:
      return std::nullopt;
  }
}

}  // namespace launcher
