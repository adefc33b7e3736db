#include "core/SystemLibrary.h"

#include <windows.h>

#include <cstddef>
#include <cwchar>

namespace core {
namespace {

// SetDefaultDllDirectories, where this Windows has it; LoadLibraryExW takes
// LOAD_LIBRARY_SEARCH_SYSTEM32 exactly there.
using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
SetDefaultDllDirectoriesFunction DefaultDirectoriesSetter() {
  return reinterpret_cast<SetDefaultDllDirectoriesFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
}

HMODULE LoadFromSystemDirectory(const wchar_t* fileName) {
  if (DefaultDirectoriesSetter() != nullptr)
    return LoadLibraryExW(fileName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  // Older: the full path, whose own imports are then looked for beside it.
  wchar_t path[MAX_PATH];
  const UINT directory = GetSystemDirectoryW(path, MAX_PATH);
  const std::size_t name = std::wcslen(fileName);
  if (directory == 0 || directory + 1 + name >= MAX_PATH) return nullptr;
  path[directory] = L'\\';
  std::wmemcpy(path + directory + 1, fileName, name + 1);
  return LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace

void SearchLibrariesInSystemDirectoryOnly() {
  if (const auto setDefaultDirectories = DefaultDirectoriesSetter())
    setDefaultDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  // Takes the current folder out of the search where the line above cannot.
  SetDllDirectoryW(L"");
}

SystemLibrary::SystemLibrary(const wchar_t* fileName) : module_(LoadFromSystemDirectory(fileName)) {}

void* SystemLibrary::ExportAddress(HMODULE module, const char* name) {
  if (module == nullptr) return nullptr;
  // GetProcAddress hands back a generic pointer; each caller names the documented signature.
  return reinterpret_cast<void*>(GetProcAddress(module, name));
}

}  // namespace core
