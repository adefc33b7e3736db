// Starts a program with its calls recorded (see hooks.cpp):
//   record <script> <log> <program.exe> [arguments...]
// The program is created suspended; recorder_hooks.dll, from record.exe's own
// folder, is loaded into it by an asynchronous call that its first thread
// runs once the loader has bound the imports and before the program's entry
// point. The program runs only once its imports are redirected; record ends
// with the program's exit status (127 if it could not be started recorded).
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::wstring Quote(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
  std::wstring quoted = L"\"";
  for (wchar_t c : argument) quoted += c == L'"' ? std::wstring(L"\\\"") : std::wstring(1, c);
  return quoted + L"\"";
}

int Fail(const char* what, HANDLE process = nullptr) {
  fprintf(stderr, "record: %s (error %lu)\n", what, GetLastError());
  if (process) TerminateProcess(process, 127);
  return 127;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) {
    fprintf(stderr, "usage: record <script> <log> <program.exe> [arguments...]\n");
    return 2;
  }
  // A fresh log: lines from an earlier run must not pass for this one's.
  const HANDLE log = CreateFileW(argv[2], GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (log == INVALID_HANDLE_VALUE) return Fail("cannot create the log");
  CloseHandle(log);

  const std::wstring readyName = L"recorder-ready-" + std::to_wstring(GetCurrentProcessId());
  const HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, readyName.c_str());
  SetEnvironmentVariableW(L"RECORDER_SCRIPT", argv[1]);
  SetEnvironmentVariableW(L"RECORDER_LOG", argv[2]);
  SetEnvironmentVariableW(L"RECORDER_READY", readyName.c_str());

  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring dll = self;
  dll = dll.substr(0, dll.find_last_of(L"\\/") + 1) + L"recorder_hooks.dll";

  std::wstring commandLine = Quote(argv[3]);
  for (int i = 4; i < argc; ++i) commandLine += L" " + Quote(argv[i]);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child = {};
  if (!CreateProcessW(argv[3], commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr,
                      &startup, &child))
    return Fail("cannot start the program");

  const SIZE_T bytes = (dll.size() + 1) * sizeof(wchar_t);
  void* remote = VirtualAllocEx(child.hProcess, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (!remote || !WriteProcessMemory(child.hProcess, remote, dll.c_str(), bytes, nullptr))
    return Fail("cannot hand the program the library's name", child.hProcess);
  // kernel32 lies at the same address in every process of the prefix.
  const auto load = reinterpret_cast<PAPCFUNC>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "LoadLibraryW")));
  if (!QueueUserAPC(load, child.hThread, reinterpret_cast<ULONG_PTR>(remote)))
    return Fail("cannot queue the library's loading", child.hProcess);
  ResumeThread(child.hThread);
  if (WaitForSingleObject(ready, 15000) != WAIT_OBJECT_0)
    return Fail("the program started without the recording library", child.hProcess);

  WaitForSingleObject(child.hProcess, INFINITE);
  DWORD status = 127;
  GetExitCodeProcess(child.hProcess, &status);
  return static_cast<int>(status);
}
