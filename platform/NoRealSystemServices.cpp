#include <stdexcept>

#include "platform/RealSystemServices.h"

// The host build has no desktop: code that gets here in a host test forgot to
// install its fake, and should hear so plainly.
namespace platform {

SystemServices& RealSystemServices() {
  throw std::logic_error("no real SystemServices in the host build: install one first");
}

}  // namespace platform
