#include "launcher/SessionEndRequest.h"

namespace launcher {

void RequestSessionEnd(platform::SystemServices& system, SessionEndMode mode) {
  switch (mode) {
    case SessionEndMode::Shutdown:
      system.DoShutdown();
      break;
    case SessionEndMode::Logoff:
      system.DoLogoff();
      break;
    case SessionEndMode::Restart:
      system.DoRestart();
      break;
    case SessionEndMode::PowerOff:
      system.DoPowerOff();
      break;
    case SessionEndMode::Standby:
      system.DoStandby();
      break;
  }
}

}  // namespace launcher
