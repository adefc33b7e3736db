// Velmar: asks a named or the local Windows NT machine to shut down or
// restart, and aborts such a request.
#include <windows.h>

#include "core/ErrorReport.h"
#include "core/SessionEnd.h"
#include "core/SystemLibrary.h"
#include "core/VersionInfo.h"
#include "remote/ConsoleTexts.h"
#include "remote/ErrorText.h"
#include "remote/RemoteShutdownApi.h"
#include "remote/VelmarStart.h"
#include "settings/RegistrySettingsStore.h"
#include "ui/FailFast.h"
#include "ui/MessageLoop.h"
#include "ui/SingleInstance.h"
#include "ui/Window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  core::SearchLibrariesInSystemDirectoryOnly();
  ui::EndAtOnceOnTerminate();
  // A second start leaves the running copy alone and shows nothing.
  const ui::SingleInstance instance(remote::kProgramTitle);
  if (instance.AnotherIsRunning()) return 0;
  try {
    const core::OwnVersion ownVersion;
    const core::VersionValues& version = ownVersion.Values();
    settings::RegistrySettingsStore store(std::wstring(version.fileName));
    const auto console = remote::StartVelmar(
        {core::SystemSessionApi(), remote::SystemRemoteShutdownApi(), store, {}},
        remote::WindowCaption(version.comments, version.major, version.minor, version.revision));
    // Off Windows NT the window has gone already, after its refusal.
    if (!console->IsOpen()) return 0;
    // The program runs until the console closes.
    console->MakeMainWindow();
    return ui::RunMessageLoop();
  } catch (...) {
    const core::ErrorReport error = core::ReportCurrentException();
    MessageBoxW(nullptr, remote::HandlerErrorText(L"", error.description, error.number).c_str(),
                remote::kProgramTitle, MB_ICONSTOP);
    return 1;
  }
}
