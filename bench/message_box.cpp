// The least a Windows program does to show a message box: dovra's usage box
// is set beside this one, built with the same flags and the same manifest (so
// the same visual style), holding a text of about the same size.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  MessageBoxW(nullptr,
              L"使い方:\r\n  /S  終了\r\n  /R  再起動\r\n  /L  ログオフ\r\n  /P  電源を切る\r\n\r\n"
              L"この箱はベンチの比較用です。",
              L"bench", MB_OK | MB_ICONINFORMATION);
  return 0;
}
