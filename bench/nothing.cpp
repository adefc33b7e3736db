// A Windows program that calls nothing: it starts and ends. The bench sets
// dovra's way from start to its request beside this start and end.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return 0; }
