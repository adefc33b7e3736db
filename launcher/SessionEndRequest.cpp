#include "launcher/SessionEndRequest.h"

namespace launcher {

void RequestSessionEnd(platform::SystemServices& helper, std::int32_t mode) {
  switch (mode) {
    case 0:
      helper.DoShutdown();
      break;
    case 1:
      helper.DoLogoff();
      break;
    case 2:
      helper.DoRestart();
      break;
    case 3:
      helper.DoPowerOff();
      break;
    case 4:
      helper.DoStandby();
      break;
    default:
      break;
  }
}

}  // namespace launcher
