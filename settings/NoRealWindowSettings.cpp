#include <stdexcept>

#include "settings/RealWindowSettings.h"

// The host build has no registry: code that gets here in a host test forgot to
// set its factory, and should hear so plainly.
namespace settings {

std::unique_ptr<WindowSettings> NewRealWindowSettings() {
  throw std::logic_error("no real WindowSettings in the host build: set a factory first");
}

}  // namespace settings
