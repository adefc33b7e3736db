// A Windows program that only asks for the end of the session, as dovra /s
// does, and ends. Beside it, the bench shows which part of dovra's way to its
// end is Wine's ExitWindowsEx itself.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  ExitWindowsEx(EWX_SHUTDOWN, 0);
  return 0;
}
