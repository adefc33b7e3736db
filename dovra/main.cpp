// dovra: ends the Windows session at once in the way its one option names.
#include <windows.h>

#include "core/SessionEnd.h"
#include "core/SystemLibrary.h"
#include "core/VersionInfo.h"
#include "dovra/DovraCommand.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  core::SearchLibrariesInSystemDirectoryOnly();
  if (const auto flags = dovra::OptionFlags(dovra::ArgumentText(GetCommandLineW()))) {
    core::EndSession(core::SystemSessionApi(), *flags);
  } else {
    const core::OwnVersion version;
    MessageBoxW(nullptr, dovra::UsageText(version.Values()).CStr(), L"dovra", MB_OK | MB_ICONINFORMATION);
  }
  return 0;
}
