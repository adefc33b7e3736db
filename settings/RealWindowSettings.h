#pragma once
// The real settings behind NewWindowSettings: defined by the registry-backed
// source, and by NoRealWindowSettings.cpp in the host build, which has none.
#include <memory>

#include "settings/WindowSettings.h"

namespace settings {

std::unique_ptr<WindowSettings> NewRealWindowSettings();

}  // namespace settings
