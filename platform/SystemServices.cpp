#include "platform/SystemServices.h"

#include "platform/RealSystemServices.h"

namespace platform {

namespace {

// One thread per program, so a plain global serves; tests swap it in and out.
SystemServices* installedSystemServices = nullptr;

}  // namespace

SystemServices& TheSystemServices() {
  return installedSystemServices ? *installedSystemServices : RealSystemServices();
}

void SetSystemServices(SystemServices* services) { installedSystemServices = services; }

}  // namespace platform
