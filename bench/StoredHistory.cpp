#include "bench/StoredHistory.h"

#include <windows.h>

#include <string>
#include <vector>

namespace bench {
namespace {

constexpr wchar_t kApplicationKey[] = L"Software\\Velmar";
constexpr wchar_t kSection[] = L"Machine";
constexpr wchar_t kSectionKey[] = L"Software\\Velmar\\Machine";

std::vector<std::wstring> history;

}  // namespace

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

}  // namespace bench
