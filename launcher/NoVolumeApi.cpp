#include <stdexcept>

#include "launcher/VolumeApi.h"

// The host build has no volumes: code that gets here in a host test forgot to
// install its fake, and the ejection passes the drive over.
namespace launcher {

VolumeApi& SystemVolumeApi() { throw std::logic_error("no volume calls in the host build: install a fake"); }

}  // namespace launcher
