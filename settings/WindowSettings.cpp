#include "settings/WindowSettings.h"

#include <utility>

#include "settings/RealWindowSettings.h"

namespace settings {

namespace {

// One thread per program, so a plain global serves; tests swap it in and out.
WindowSettingsFactory& InstalledFactory() {
  static WindowSettingsFactory factory;
  return factory;
}

}  // namespace

std::unique_ptr<WindowSettings> NewWindowSettings() {
  const auto& factory = InstalledFactory();
  return factory ? factory() : NewRealWindowSettings();
}

void SetWindowSettingsFactory(WindowSettingsFactory factory) { InstalledFactory() = std::move(factory); }

}  // namespace settings
