#pragma once
// What the launcher's windows work with, handed to each through its
// constructor: the program passes the real ones, tests their fakes.
// Windows build only.
#include "core/SessionApi.h"
#include "launcher/ScreenCapture.h"
#include "launcher/VolumeApi.h"
#include "platform/PowerApi.h"
#include "platform/SystemServices.h"
#include "settings/SettingsStore.h"

namespace launcher {

struct LauncherServices {
  platform::SystemServices& system;
  // The session-end requests: the exit requests and the platform test, and
  // the suspend behind standby.
  core::SessionApi& session;
  platform::PowerApi& power;
  VolumeApi& volumes;
  ScreenCapture& capture;
  // The program's per-user settings.
  settings::SettingsStore& settings;
};

}  // namespace launcher
