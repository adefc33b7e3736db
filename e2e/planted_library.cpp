// A DLL as a web page might drop it into the Downloads folder, copied there
// as version.dll and as powrprof.dll. When the program loads it, it leaves
// <its own path>.loaded beside itself: at any time through LoadLibrary, or at
// start because the program's own import table names it. Wine's user32.dll
// imports version.dll, which Windows' user32.dll does not, so a load at start
// that only Wine's own DLLs asked for leaves <its own path>.wine instead: the
// program cannot prevent it, and on Windows it does not happen.
//
// It exports the functions a program would take from either DLL, each
// failing harmlessly, so that a program that imports one of them still starts
// and the marker tells on it.
#include <windows.h>

#include <cwchar>

extern "C" {

__declspec(dllexport) DWORD WINAPI GetFileVersionInfoSizeW(LPCWSTR, LPDWORD) { return 0; }
__declspec(dllexport) BOOL WINAPI GetFileVersionInfoW(LPCWSTR, DWORD, DWORD, LPVOID) { return FALSE; }
__declspec(dllexport) BOOL WINAPI VerQueryValueW(LPCVOID, LPCWSTR, LPVOID*, PUINT) { return FALSE; }
__declspec(dllexport) BOOLEAN WINAPI SetSuspendState(BOOLEAN, BOOLEAN, BOOLEAN) { return FALSE; }
__declspec(dllexport) BOOLEAN WINAPI GetPwrCapabilities(void*) { return FALSE; }

}  // extern "C"

namespace {

// Whether the program's own import table names a DLL of this file name.
bool ProgramImports(const wchar_t* fileName) {
  auto* base = reinterpret_cast<const BYTE*>(GetModuleHandleW(nullptr));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (!imports.VirtualAddress) return false;
  for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); d->Name; ++d) {
    const char* name = reinterpret_cast<const char*>(base + d->Name);
    std::size_t i = 0;
    while (name[i] && fileName[i] && towlower(static_cast<unsigned char>(name[i])) == towlower(fileName[i])) ++i;
    if (!name[i] && !fileName[i]) return true;
  }
  return false;
}

void LeaveMarker(const wchar_t* path, const wchar_t* suffix) {
  wchar_t marker[MAX_PATH + 8];
  lstrcpyW(marker, path);
  lstrcatW(marker, suffix);
  const HANDLE file = CreateFileW(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

}  // namespace

// reserved is null for a load through LoadLibrary, not null for one at start.
extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return TRUE;
  const wchar_t* slash = std::wcsrchr(path, L'\\');
  const bool byProgram = reserved == nullptr || ProgramImports(slash ? slash + 1 : path);
  LeaveMarker(path, byProgram ? L".loaded" : L".wine");
  return TRUE;
}
