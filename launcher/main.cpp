// VuriRivu: the docked strip of session-end buttons. One copy per user
// session; a second start ends at once without a word.
#include <windows.h>

#include "core/ErrorReport.h"
#include "core/SessionApi.h"
#include "core/SystemLibrary.h"
#include "launcher/ButtonStrip.h"
#include "platform/PowerApi.h"
#include "platform/SystemServices.h"
#include "settings/RegistrySettingsStore.h"
#include "ui/FailFast.h"
#include "ui/MessageBox.h"
#include "ui/MessageLoop.h"
#include "ui/SingleInstance.h"
#include "ui/Window.h"

namespace {

// The edge of the program: what a step raised becomes a message box here.
// Call it only inside a catch block.
void ShowCurrentError() { ui::ShowMessage(core::ReportCurrentException().description, MB_OK | MB_ICONSTOP); }

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  core::SearchLibrariesInSystemDirectoryOnly();
  ui::EndAtOnceOnTerminate();
  const ui::SingleInstance instance(L"VuriRivu");
  if (instance.AnotherIsRunning()) return 0;
  // Where the user lets Windows restart programs, an installer's or an
  // update's restart brings the strip back: started afresh, with no command
  // line, and not after a crash or a hang.
  RegisterApplicationRestart(nullptr, RESTART_NO_CRASH | RESTART_NO_HANG);

  settings::RegistrySettingsStore store(ui::ProgramTitle());
  launcher::ButtonStrip strip(launcher::LauncherServices{
      platform::DesktopSystemServices(), core::SystemSessionApi(), platform::SystemPowerApi(),
      launcher::SystemVolumeApi(), launcher::DesktopScreenCapture(), store});
  // The program runs until the strip closes, whichever way.
  strip.MakeMainWindow();
  try {
    strip.Show();
  } catch (...) {
    ShowCurrentError();
    strip.Close();
    return 1;
  }
  for (;;) {
    try {
      return ui::RunMessageLoop();
    } catch (...) {
      // A failure in one event is reported; the window stays in service.
      ShowCurrentError();
    }
  }
}
