// dovra: ends the Windows session at once in the way its one option names.
// Its exit code says whether Windows took the request (DovraCommand.h).
#include <windows.h>

#include "core/SessionEnd.h"
#include "core/SystemLibrary.h"
#include "core/VersionInfo.h"
#include "dovra/DovraCommand.h"

namespace {

// Whether a user can see a box of this program: not where it runs as a
// scheduled task without the user signed in, or as a service, on a window
// station without a display, where a box would wait for ever.
bool SeenByAUser() {
  USEROBJECTFLAGS flags{};
  if (!GetUserObjectInformationW(GetProcessWindowStation(), UOI_FLAGS, &flags, sizeof flags, nullptr))
    return true;
  return (flags.dwFlags & WSF_VISIBLE) != 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  core::SearchLibrariesInSystemDirectoryOnly();
  if (const auto flags = dovra::OptionFlags(dovra::ArgumentText(GetCommandLineW())))
    return static_cast<int>(dovra::ExitCodeOf(core::EndSession(core::SystemSessionApi(), *flags)));
  if (SeenByAUser()) {
    const core::OwnVersion version;
    MessageBoxW(nullptr, dovra::UsageText(version.Values()).CStr(), L"dovra", MB_OK | MB_ICONINFORMATION);
  }
  return static_cast<int>(dovra::kUsageExitCode);
}
