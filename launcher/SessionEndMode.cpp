#include "launcher/SessionEndMode.h"

namespace launcher {

std::optional<std::int32_t> SessionEndMode(int buttonIndex, bool powerdown) {
  switch (buttonIndex) {
    case 0:
      return powerdown ? kModePowerOff : kModeShutdown;
    case 1:
      return kModeLogoff;
    case 2:
      return kModeRestart;
    case 3:
      return kModeStandby;
    default:
      return std::nullopt;
  }
}

}  // namespace launcher
