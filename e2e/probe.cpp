// A helper the end-to-end scripts run in the same Wine prefix as the program
// under test, acting as a user would.
//   probe witness <log> <ready>   a window that notes and refuses every
//                                 end-of-session query
//   probe box <title> <ms> <out>  waits for a message box with that title,
//                                 writes how many there are and the text of
//                                 the first (UTF-8), then presses its OK
//   probe raw <key> <name> <type> hex <bytes...> | fill <count> <byte>
//                                 writes a value under HKCU\<key> as another
//                                 program may leave it: any registry type,
//                                 any bytes (hex pairs, or <count> times one
//                                 byte)
//   probe answers <class> <ms>    waits for a shown window of that class and
//                                 sends it a message: "answers <ms>", the
//                                 time from the call to the window, or
//                                 "answers none" when it is not there or does
//                                 not answer within a second
//   probe unseen <ms> <program> [arguments...]
//                                 runs the program on a window station of
//                                 its own that no user sees, as a scheduled
//                                 task or a service runs, and prints
//                                 "exit <code>", or "exit none" when it has
//                                 not ended within <ms>
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

int Raw(const std::vector<std::wstring>& args) {
  // args: key name type hex <bytes...> | key name type fill <count> <byte>
  std::vector<BYTE> bytes;
  if (args[3] == L"hex") {
    for (std::size_t i = 4; i < args.size(); ++i) bytes.push_back(static_cast<BYTE>(wcstoul(args[i].c_str(), nullptr, 16)));
  } else if (args[3] == L"fill" && args.size() == 6) {
    bytes.assign(wcstoul(args[4].c_str(), nullptr, 10), static_cast<BYTE>(wcstoul(args[5].c_str(), nullptr, 16)));
  } else {
    return 2;
  }
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, args[0].c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return 1;
  const LONG written = RegSetValueExW(key, args[1].c_str(), 0, wcstoul(args[2].c_str(), nullptr, 10),
                                      bytes.data(), static_cast<DWORD>(bytes.size()));
  RegCloseKey(key);
  return written == ERROR_SUCCESS ? 0 : 1;
}

int Answers(const std::wstring& className, DWORD waitMs) {
  const DWORD start = GetTickCount();
  HWND window = nullptr;
  while (!(window = FindWindowW(className.c_str(), nullptr)) || !IsWindowVisible(window)) {
    if (GetTickCount() - start > waitMs) {
      wprintf(L"answers none\n");
      return 1;
    }
    Sleep(20);
  }
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result)) {
    wprintf(L"answers none\n");
    return 1;
  }
  wprintf(L"answers %lu\n", GetTickCount() - start);
  return 0;
}

int Unseen(DWORD waitMs, const std::vector<std::wstring>& command) {
  // Made without WSF_VISIBLE, with a desktop of its own for the program.
  const HWINSTA station = CreateWindowStationW(L"e2e-unseen", 0, WINSTA_ALL_ACCESS, nullptr);
  if (!station) return 1;
  const HWINSTA own = GetProcessWindowStation();
  SetProcessWindowStation(station);
  const HDESK desktop = CreateDesktopW(L"Default", nullptr, nullptr, 0, GENERIC_ALL, nullptr);
  SetProcessWindowStation(own);
  if (!desktop) return 1;

  std::wstring commandLine;
  for (const std::wstring& part : command) commandLine += (commandLine.empty() ? L"\"" : L" \"") + part + L"\"";
  wchar_t where[] = L"e2e-unseen\\Default";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.lpDesktop = where;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return 1;
  DWORD code = 0;
  if (WaitForSingleObject(process.hProcess, waitMs) == WAIT_OBJECT_0 && GetExitCodeProcess(process.hProcess, &code)) {
    wprintf(L"exit %lu\n", code);
  } else {
    TerminateProcess(process.hProcess, 1);
    wprintf(L"exit none\n");
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  CloseDesktop(desktop);
  CloseWindowStation(station);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::vector<std::wstring> args(argv + 1, argv + argc);
  if (args.size() == 3 && args[0] == L"witness") return Witness(args[1], args[2]);
  if (args.size() == 4 && args[0] == L"box") return Box(args[1], wcstoul(args[2].c_str(), nullptr, 10), args[3]);
  if (args.size() >= 5 && args[0] == L"raw") return Raw({args.begin() + 1, args.end()});
  if (args.size() == 3 && args[0] == L"answers") return Answers(args[1], wcstoul(args[2].c_str(), nullptr, 10));
  if (args.size() >= 3 && args[0] == L"unseen")
    return Unseen(wcstoul(args[1].c_str(), nullptr, 10), {args.begin() + 2, args.end()});
  fwprintf(stderr,
           L"usage: probe witness <log> <ready> | probe box <title> <ms> <out>"
           L" | probe raw <key> <name> <type> hex <bytes...>|fill <count> <byte> | probe answers <class> <ms>"
           L" | probe unseen <ms> <program> [arguments...]\n");
  return 2;
}
