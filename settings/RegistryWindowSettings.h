#pragma once
// The real per-window settings: kept in the per-user registry under the
// program's and the window's names. Windows build only.
#include <memory>

#include "settings/WindowSettings.h"

namespace settings {

std::unique_ptr<WindowSettings> NewRegistryWindowSettings();

}  // namespace settings
