#include "launcher/SessionEndMode.h"

#include "launcher/StripLayout.h"

namespace launcher {

std::optional<SessionEndMode> ModeOfButton(int buttonIndex, bool powerOff) {
  switch (buttonIndex) {
    case kShutdownButton:
      return powerOff ? SessionEndMode::PowerOff : SessionEndMode::Shutdown;
    case kLogoffButton:
      return SessionEndMode::Logoff;
    case kRestartButton:
      return SessionEndMode::Restart;
    case kStandbyButton:
      return SessionEndMode::Standby;
    default:
      return std::nullopt;
  }
}

}  // namespace launcher
