#include <stdexcept>

#include "brevok/RealHelpers.h"

// The host build has no registry and no desktop: code that gets here in a host
// test forgot to install its fakes, and should hear so plainly.
namespace brevok {

std::unique_ptr<FormHelper> NewRealFormHelper() {
  throw std::logic_error("no real FormHelper in the host build: set a factory first");
}

SystemHelper& RealSystemHelper() {
  throw std::logic_error("no real SystemHelper in the host build: install one first");
}

}  // namespace brevok
