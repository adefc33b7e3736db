// The least a program does with Velmar's machine history: read keys "1", "2",
// ... of HKCU\Software\Velmar\Machine up to the first missing one, show a bare
// window, and on its close delete the section and write the history back. The
// bench sets Velmar's start and close beside this one's, in the same prefix
// over the same history.
#include <windows.h>

#include <string>
#include <vector>

#include "bench/BareWindow.h"

namespace {

constexpr wchar_t kApplicationKey[] = L"Software\\Velmar";
constexpr wchar_t kSection[] = L"Machine";
constexpr wchar_t kSectionKey[] = L"Software\\Velmar\\Machine";

std::vector<std::wstring> history;

void ReadHistory() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kSectionKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return;
  wchar_t text[1024];
  for (int n = 1;; ++n) {
    DWORD bytes = sizeof text - sizeof(wchar_t);
    if (RegQueryValueExW(key, std::to_wstring(n).c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(text),
                         &bytes) != ERROR_SUCCESS)
      break;
    text[bytes / sizeof(wchar_t)] = L'\0';
    if (text[0] == L'\0') break;
    history.emplace_back(text);
  }
  RegCloseKey(key);
}

void WriteHistory() {
  HKEY application = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kApplicationKey, 0, KEY_ALL_ACCESS, &application) == ERROR_SUCCESS) {
    RegDeleteTreeW(application, kSection);
    RegCloseKey(application);
  }
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kSectionKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return;
  for (std::size_t i = 0; i < history.size(); ++i) {
    RegSetValueExW(key, std::to_wstring(i + 1).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(history[i].c_str()),
                   static_cast<DWORD>((history[i].size() + 1) * sizeof(wchar_t)));
  }
  RegCloseKey(key);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    WriteHistory();
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  ReadHistory();
  WNDCLASSW wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = bench::kHistoryWindowClass;
  if (!RegisterClassW(&wc)) return 1;
  const HWND window = CreateWindowW(wc.lpszClassName, L"history window", WS_OVERLAPPEDWINDOW, 100, 100, 400, 200,
                                    nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
