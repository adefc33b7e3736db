// A helper the end-to-end scripts run in the same Wine prefix as the program
// under test, acting as a user would.
//   probe witness <log> <ready>   a window that notes and refuses every
//                                 end-of-session query
//   probe box <title> <ms> <out>  waits for a message box with that title,
//                                 writes how many there are and the text of
//                                 the first (UTF-8), then presses its OK
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::wstring g_log;

void AppendUtf8(const std::wstring& path, const std::wstring& text, const wchar_t* mode) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string bytes(n, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), n, nullptr,
                      nullptr);
  if (FILE* f = _wfopen(path.c_str(), mode)) {
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
  }
}

LRESULT CALLBACK WitnessProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_QUERYENDSESSION) {
    AppendUtf8(g_log, L"WM_QUERYENDSESSION " + std::to_wstring(lp) + L"\n", L"ab");
    return FALSE;
  }
  if (msg == WM_ENDSESSION) return 0;
  return DefWindowProcW(hwnd, msg, wp, lp);
}

int Witness(const std::wstring& log, const std::wstring& ready) {
  g_log = log;
  WNDCLASSW wc{};
  wc.lpfnWndProc = WitnessProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"E2EWitness";
  RegisterClassW(&wc);
  CreateWindowExW(0, wc.lpszClassName, L"e2e witness", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                  wc.hInstance, nullptr);
  AppendUtf8(ready, L"ready\n", L"wb");
  MSG m;
  while (GetMessageW(&m, nullptr, 0, 0) > 0) DispatchMessageW(&m);
  return 0;
}

struct BoxSearch {
  std::wstring title;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectBoxes(HWND hwnd, LPARAM lp) {
  auto* search = reinterpret_cast<BoxSearch*>(lp);
  wchar_t cls[64] = {}, text[256] = {};
  GetClassNameW(hwnd, cls, 64);
  GetWindowTextW(hwnd, text, 256);
  if (std::wstring(cls) == L"#32770" && search->title == text && IsWindowVisible(hwnd))
    search->found.push_back(hwnd);
  return TRUE;
}

int Box(const std::wstring& title, DWORD waitMs, const std::wstring& out) {
  BoxSearch search{title, {}};
  const DWORD start = GetTickCount();
  for (;;) {
    search.found.clear();
    EnumWindows(CollectBoxes, reinterpret_cast<LPARAM>(&search));
    if (!search.found.empty() || GetTickCount() - start > waitMs) break;
    Sleep(100);
  }
  if (search.found.empty()) {
    AppendUtf8(out, L"0\n", L"wb");
    return 1;
  }
  HWND box = search.found.front();
  wchar_t text[4096] = {};
  GetDlgItemTextW(box, 0xFFFF, text, 4096);
  AppendUtf8(out, std::to_wstring(search.found.size()) + L"\n" + text, L"wb");
  SendMessageW(box, WM_COMMAND, IDOK, 0);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::vector<std::wstring> args(argv + 1, argv + argc);
  if (args.size() == 3 && args[0] == L"witness") return Witness(args[1], args[2]);
  if (args.size() == 4 && args[0] == L"box") return Box(args[1], wcstoul(args[2].c_str(), nullptr, 10), args[3]);
  fwprintf(stderr, L"usage: probe witness <log> <ready> | probe box <title> <ms> <out>\n");
  return 2;
}
