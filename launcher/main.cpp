// VuriRivu: the docked strip of session-end buttons. One copy per user
// session; a second start ends at once without a word.
#include <windows.h>

#include <exception>
#include <string>

#include "launcher/ButtonStrip.h"
#include "ui/MessageBox.h"
#include "ui/MessageLoop.h"
#include "ui/SingleInstance.h"
#include "ui/Window.h"

namespace {

void ShowError(const std::exception& error) {
  const std::string text = error.what();
  std::wstring wide(text.size(), L'\0');
  wide.resize(static_cast<std::size_t>(MultiByteToWideChar(
      CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), static_cast<int>(wide.size()))));
  ui::ShowMessage(wide, MB_OK | MB_ICONSTOP);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const ui::SingleInstance instance(L"VuriRivu");
  if (instance.AnotherIsRunning()) return 0;

  // The program runs until its last window is unloaded.
  ui::EndProgramWithLastWindow();
  try {
    launcher::ButtonStrip::Default()->Show();
  } catch (const std::exception& error) {
    ShowError(error);
    ui::UnloadAllWindows(nullptr);
    return 1;
  }
  for (;;) {
    try {
      return ui::RunMessageLoop();
    } catch (const std::exception& error) {
      // A failure in one event is reported; the window stays in service.
      ShowError(error);
    }
  }
}
