#include <utility>

#include "brevok/FormHelper.h"
#include "brevok/RealHelpers.h"
#include "brevok/SystemHelper.h"

namespace brevok {
namespace {
// One thread per program, so plain globals serve; tests swap them in and out.
SystemHelper* installedSystemHelper = nullptr;
FormHelperFactory& InstalledFactory() {
  static FormHelperFactory factory;
  return factory;
}
}  // namespace

std::unique_ptr<FormHelper> NewFormHelper() {
  const auto& factory = InstalledFactory();
  return factory ? factory() : NewRealFormHelper();
}

void SetFormHelperFactory(FormHelperFactory factory) { InstalledFactory() = std::move(factory); }

SystemHelper& TheSystemHelper() {
  return installedSystemHelper ? *installedSystemHelper : RealSystemHelper();
}

void SetSystemHelper(SystemHelper* helper) { installedSystemHelper = helper; }

}  // namespace brevok
