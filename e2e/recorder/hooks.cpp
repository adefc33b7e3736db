// Loaded into a program by record.exe before the program's own code runs.
// It points the program's import table entries for the session-ending, power,
// device, platform and remote-shutdown calls at the stand-ins below, which
// write one line per call to the log and answer as the script says. None of
// them reaches the system, so a recorded program ends no session and touches
// no drive. Calls the program makes through GetProcAddress are caught there.
//
// Script lines (RECORDER_SCRIPT), each optional:
//   platform <n>          dwPlatformId that GetVersionExA reports (default 2)
//   removable <letter>    that drive is removable, C: is fixed, no other exists
//   lock-fails <n>        the volume lock fails this many times, then succeeds
//   write-protected yes   the removable drive refuses to open for writing
//   exit-error <n>        ExitWindowsEx fails with this error code
//   shutdown-error <n>    InitiateSystemShutdownEx fails with this error code
//   abort-error <n>       AbortSystemShutdown fails with this error code
//   remote-wait <ms>      InitiateSystemShutdownEx and AbortSystemShutdown answer
//                         only after this long, as for a machine that is off
//   machine <prefix> <ms> <error>
//                         a machine whose name starts with prefix answers both
//                         after ms, refusing with error (0: accepting); the
//                         first such line that fits wins, over the two above
//   most-at-once yes      the log's last line, as the program ends, says how
//                         many remote requests were under way at most at once
//   sleep <kind>          what GetPwrCapabilities reports: classic (S3, the
//                         default), modern (Modern Standby, no S1-S3),
//                         modern-hibernate (the same with hibernation), none
//                         (neither), unreadable (the call fails)
#include <windows.h>
#include <winioctl.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Script {
  DWORD platform = VER_PLATFORM_WIN32_NT;
  char removable = 0;
  int lockFails = 0;
  bool writeProtected = false;
  DWORD exitError = 0;
  DWORD shutdownError = 0;
  DWORD abortError = 0;
  DWORD remoteWait = 0;
  std::string sleep = "classic";
  struct Machine {
    std::wstring prefix;
    DWORD wait;
    DWORD error;
  };
  std::vector<Machine> machines;
  bool mostAtOnce = false;
};

Script script;
HANDLE logFile = INVALID_HANDLE_VALUE;
CRITICAL_SECTION logLock;
int lockAttempts = 0;
LONG remoteUnderWay = 0;
LONG remoteMostAtOnce = 0;

// Handles the stand-ins give out: never real, never passed to the system.
constexpr ULONG_PTR kTokenBase = 0x7E500000;
constexpr ULONG_PTR kVolumeBase = 0x7E600000;
ULONG_PTR nextToken = kTokenBase;
ULONG_PTR nextVolume = kVolumeBase;

bool IsToken(HANDLE h) {
  const auto v = reinterpret_cast<ULONG_PTR>(h);
  return v > kTokenBase && v <= nextToken;
}
bool IsVolume(HANDLE h) {
  const auto v = reinterpret_cast<ULONG_PTR>(h);
  return v > kVolumeBase && v <= nextVolume;
}

std::string HandleName(HANDLE h) {
  const auto v = reinterpret_cast<ULONG_PTR>(h);
  if (IsToken(h)) return "token" + std::to_string(v - kTokenBase);
  if (IsVolume(h)) return "volume" + std::to_string(v - kVolumeBase);
  return "handle?";
}

std::string Utf8(const wchar_t* text) {
  if (!text) return "null";
  const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(n > 0 ? n - 1 : 0, '\0');
  if (n > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), n, nullptr, nullptr);
  return "\"" + bytes + "\"";
}

std::string Quoted(const char* text) { return text ? "\"" + std::string(text) + "\"" : "null"; }

std::string Hex(ULONG_PTR value) {
  char text[24];
  snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
  return text;
}

std::string Bytes(const void* data, DWORD size) {
  if (!data) return "null";
  std::string text = "[";
  for (DWORD i = 0; i < size; ++i) {
    char byte[4];
    snprintf(byte, sizeof byte, "%s%02X", i ? " " : "", static_cast<const unsigned char*>(data)[i]);
    text += byte;
  }
  return text + "]";
}

std::string Pointer(const void* p) { return p ? "ptr" : "null"; }

void Log(const std::string& line) {
  EnterCriticalSection(&logLock);
  const std::string text = line + "\n";
  DWORD written = 0;
  WriteFile(logFile, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  LeaveCriticalSection(&logLock);
}

BOOL Answer(const std::string& call, BOOL result, DWORD error = 0) {
  Log(call + " = " + (result ? "TRUE" : "FALSE" + (error ? " error " + std::to_string(error) : "")));
  SetLastError(result ? ERROR_SUCCESS : error);
  return result;
}

BOOL WINAPI FakeExitWindowsEx(UINT flags, DWORD reason) {
  return Answer("ExitWindowsEx(" + Hex(flags) + ", " + Hex(reason) + ")", script.exitError == 0, script.exitError);
}

HRESULT WINAPI FakeRegisterApplicationRestart(PCWSTR commandLine, DWORD flags) {
  Log("RegisterApplicationRestart(" + Utf8(commandLine) + ", " + Hex(flags) + ") = S_OK");
  return S_OK;
}

BOOLEAN WINAPI FakeSetSuspendState(BOOLEAN hibernate, BOOLEAN force, BOOLEAN wakeupEventsDisabled) {
  return static_cast<BOOLEAN>(Answer("SetSuspendState(" + std::to_string(hibernate) + ", " +
                                         std::to_string(force) + ", " + std::to_string(wakeupEventsDisabled) +
                                         ")",
                                     TRUE));
}

BOOL WINAPI FakeSetSystemPowerState(BOOL suspend, BOOL force) {
  return Answer("SetSystemPowerState(" + std::to_string(suspend) + ", " + std::to_string(force) + ")", TRUE);
}

// The machine the script describes. The byte the Windows SDK names AoAc
// (Modern Standby) is the third of mingw-w64's spare2.
BOOLEAN WINAPI FakeGetPwrCapabilities(PSYSTEM_POWER_CAPABILITIES capabilities) {
  if (script.sleep == "unreadable" || !capabilities) {
    Log("GetPwrCapabilities(" + Pointer(capabilities) + ") = FALSE");
    return FALSE;
  }
  std::memset(capabilities, 0, sizeof *capabilities);
  capabilities->SystemS3 = script.sleep == "classic";
  capabilities->spare2[2] = script.sleep.rfind("modern", 0) == 0;
  capabilities->SystemS4 = capabilities->HiberFilePresent = script.sleep == "modern-hibernate";
  Log("GetPwrCapabilities(ptr) = TRUE S1 0 S2 0 S3 " + std::to_string(capabilities->SystemS3) + " S4 " +
      std::to_string(capabilities->SystemS4) + " AoAc " + std::to_string(capabilities->spare2[2]));
  return TRUE;
}

std::string WindowName(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return window && process == GetCurrentProcessId() ? "own window" : "window " + Hex(reinterpret_cast<ULONG_PTR>(window));
}

// Only the command that turns the displays off is logged, and not passed on;
// every other message goes to Windows' own handling.
LRESULT WINAPI FakeDefWindowProcW(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_SYSCOMMAND && (w & 0xFFF0) == SC_MONITORPOWER) {
    Log("DefWindowProcW(" + WindowName(window) + ", WM_SYSCOMMAND, SC_MONITORPOWER, " + std::to_string(l) + ")");
    return 0;
  }
  return DefWindowProcW(window, message, w, l);
}

BOOL WINAPI FakeShutdownBlockReasonCreate(HWND window, LPCWSTR reason) {
  return Answer("ShutdownBlockReasonCreate(" + WindowName(window) + ", " + Utf8(reason) + ")", TRUE);
}

BOOL WINAPI FakeShutdownBlockReasonDestroy(HWND window) {
  return Answer("ShutdownBlockReasonDestroy(" + WindowName(window) + ")", TRUE);
}

// How the machine answers a remote request: after how long, and with which
// error (0: it accepts).
std::pair<DWORD, DWORD> RemoteAnswerOf(const wchar_t* machine, DWORD error) {
  const std::wstring name = machine ? machine : L"";
  for (const auto& m : script.machines)
    if (name.compare(0, m.prefix.size(), m.prefix) == 0) return {m.wait, m.error};
  return {script.remoteWait, error};
}

// Answers a remote request as the script says, counting how many are under
// way at once.
BOOL RemoteAnswer(const wchar_t* machine, DWORD error, const std::string& call) {
  const LONG now = InterlockedIncrement(&remoteUnderWay);
  for (LONG most = remoteMostAtOnce; now > most; most = remoteMostAtOnce)
    if (InterlockedCompareExchange(&remoteMostAtOnce, now, most) == most) break;
  const auto [wait, refusal] = RemoteAnswerOf(machine, error);
  Sleep(wait);
  InterlockedDecrement(&remoteUnderWay);
  return Answer(call, refusal == 0, refusal);
}

BOOL WINAPI FakeInitiateSystemShutdownExW(LPWSTR machine, LPWSTR message, DWORD timeout, BOOL force, BOOL reboot,
                                          DWORD reason) {
  return RemoteAnswer(machine, script.shutdownError,
                      "InitiateSystemShutdownExW(" + Utf8(machine) + ", " + Utf8(message) + ", " +
                          std::to_string(timeout) + ", " + std::to_string(force) + ", " + std::to_string(reboot) +
                          ", " + Hex(reason) + ")");
}

BOOL WINAPI FakeAbortSystemShutdownW(LPWSTR machine) {
  return RemoteAnswer(machine, script.abortError, "AbortSystemShutdownW(" + Utf8(machine) + ")");
}

BOOL WINAPI FakeGetVersionExA(LPOSVERSIONINFOA info) {
  const DWORD size = info ? info->dwOSVersionInfoSize : 0;
  if (size != sizeof(OSVERSIONINFOA) && size != sizeof(OSVERSIONINFOEXA))
    return Answer("GetVersionExA(size " + std::to_string(size) + ")", FALSE, ERROR_INSUFFICIENT_BUFFER);
  std::memset(reinterpret_cast<char*>(info) + sizeof(DWORD), 0, size - sizeof(DWORD));
  const bool nt = script.platform == VER_PLATFORM_WIN32_NT;
  info->dwMajorVersion = nt ? 5 : 4;
  info->dwMinorVersion = nt ? 1 : 10;
  info->dwBuildNumber = nt ? 2600 : 2222;
  info->dwPlatformId = script.platform;
  Log("GetVersionExA(size " + std::to_string(size) + ") = TRUE platform " + std::to_string(script.platform));
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

BOOL WINAPI FakeOpenProcessToken(HANDLE process, DWORD access, PHANDLE token) {
  const std::string who = process == GetCurrentProcess() ? "current process" : Hex(reinterpret_cast<ULONG_PTR>(process));
  *token = reinterpret_cast<HANDLE>(++nextToken);
  return Answer("OpenProcessToken(" + who + ", " + Hex(access) + ") -> " + HandleName(*token), TRUE);
}

std::string PrivilegeName(const LUID& luid) {
  char name[64] = {};
  DWORD size = sizeof name;
  LUID copy = luid;
  if (LookupPrivilegeNameA(nullptr, &copy, name, &size)) return name;
  return "luid " + std::to_string(luid.HighPart) + ":" + std::to_string(luid.LowPart);
}

BOOL WINAPI FakeAdjustTokenPrivileges(HANDLE token, BOOL disableAll, PTOKEN_PRIVILEGES state, DWORD length,
                                      PTOKEN_PRIVILEGES previous, PDWORD returned) {
  std::string privileges = "null";
  if (state) {
    privileges = "count " + std::to_string(state->PrivilegeCount);
    for (DWORD i = 0; i < state->PrivilegeCount && i < 4; ++i)
      privileges += " " + PrivilegeName(state->Privileges[i].Luid) + " attributes " +
                    std::to_string(state->Privileges[i].Attributes);
  }
  if (returned) *returned = 0;
  return Answer("AdjustTokenPrivileges(" + HandleName(token) + ", " + std::to_string(disableAll) + ", " +
                    privileges + ", " + std::to_string(length) + ", " + Pointer(previous) + ", " +
                    Pointer(returned) + ")",
                IsToken(token), ERROR_INVALID_HANDLE);
}

UINT DriveTypeOf(char letter) {
  letter = static_cast<char>(toupper(static_cast<unsigned char>(letter)));
  if (script.removable && letter == script.removable) return DRIVE_REMOVABLE;
  return letter == 'C' ? DRIVE_FIXED : DRIVE_NO_ROOT_DIR;
}

UINT WINAPI FakeGetDriveTypeA(LPCSTR root) {
  const UINT type = root && root[0] ? DriveTypeOf(root[0]) : DRIVE_NO_ROOT_DIR;
  Log("GetDriveTypeA(" + Quoted(root) + ") = " + std::to_string(type));
  return type;
}

UINT WINAPI FakeGetDriveTypeW(LPCWSTR root) {
  const UINT type = root && root[0] && root[0] < 0x80 ? DriveTypeOf(static_cast<char>(root[0])) : DRIVE_NO_ROOT_DIR;
  Log("GetDriveTypeW(" + Utf8(root) + ") = " + std::to_string(type));
  return type;
}

HANDLE WINAPI FakeCreateFileA(LPCSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                              DWORD disposition, DWORD flags, HANDLE templateFile) {
  const bool device = name && std::strncmp(name, "\\\\.\\", 4) == 0;
  if (!device) return CreateFileA(name, access, share, security, disposition, flags, templateFile);
  const std::string call = "CreateFileA(" + Quoted(name) + ", " + Hex(access) + ", " + std::to_string(share) + ", " +
                           Pointer(security) + ", " + std::to_string(disposition) + ", " + Hex(flags) + ", " +
                           Pointer(templateFile) + ")";
  if (std::strlen(name) == 6 && name[5] == ':' && DriveTypeOf(name[4]) == DRIVE_REMOVABLE) {
    if (script.writeProtected && (access & GENERIC_WRITE)) {
      Log(call + " = INVALID_HANDLE_VALUE error 19");
      SetLastError(ERROR_WRITE_PROTECT);
      return INVALID_HANDLE_VALUE;
    }
    const auto volume = reinterpret_cast<HANDLE>(++nextVolume);
    Log(call + " -> " + HandleName(volume));
    SetLastError(ERROR_SUCCESS);
    return volume;
  }
  Log(call + " = INVALID_HANDLE_VALUE error 2");
  SetLastError(ERROR_FILE_NOT_FOUND);
  return INVALID_HANDLE_VALUE;
}

BOOL WINAPI FakeDeviceIoControl(HANDLE device, DWORD code, LPVOID in, DWORD inSize, LPVOID out, DWORD outSize,
                                LPDWORD returned, LPOVERLAPPED overlapped) {
  if (!IsVolume(device)) return DeviceIoControl(device, code, in, inSize, out, outSize, returned, overlapped);
  const std::string call = "DeviceIoControl(" + HandleName(device) + ", " + Hex(code) + ", " + Bytes(in, inSize) +
                           ", " + std::to_string(inSize) + ", " + Pointer(out) + ", " + std::to_string(outSize) +
                           ", " + Pointer(overlapped) + ")";
  if (returned) *returned = 0;
  if (code == FSCTL_LOCK_VOLUME && lockAttempts++ < script.lockFails) return Answer(call, FALSE, ERROR_ACCESS_DENIED);
  return Answer(call, TRUE);
}

BOOL WINAPI FakeCloseHandle(HANDLE handle) {
  if (!IsToken(handle) && !IsVolume(handle)) return CloseHandle(handle);
  return Answer("CloseHandle(" + HandleName(handle) + ")", TRUE);
}

void WINAPI FakeSleep(DWORD milliseconds) { Log("Sleep(" + std::to_string(milliseconds) + ")"); }

FARPROC WINAPI FakeGetProcAddress(HMODULE module, LPCSTR name);

struct Redirect {
  const char* name;
  FARPROC to;
};

template <typename Function>
FARPROC To(Function function) {
  return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(function));
}

const Redirect kRedirects[] = {
    {"ExitWindowsEx", To(FakeExitWindowsEx)},
    {"RegisterApplicationRestart", To(FakeRegisterApplicationRestart)},
    {"SetSuspendState", To(FakeSetSuspendState)},
    {"SetSystemPowerState", To(FakeSetSystemPowerState)},
    {"GetPwrCapabilities", To(FakeGetPwrCapabilities)},
    {"DefWindowProcW", To(FakeDefWindowProcW)},
    {"ShutdownBlockReasonCreate", To(FakeShutdownBlockReasonCreate)},
    {"ShutdownBlockReasonDestroy", To(FakeShutdownBlockReasonDestroy)},
    {"InitiateSystemShutdownExW", To(FakeInitiateSystemShutdownExW)},
    {"AbortSystemShutdownW", To(FakeAbortSystemShutdownW)},
    {"GetVersionExA", To(FakeGetVersionExA)},
    {"OpenProcessToken", To(FakeOpenProcessToken)},
    {"AdjustTokenPrivileges", To(FakeAdjustTokenPrivileges)},
    {"GetDriveTypeA", To(FakeGetDriveTypeA)},
    {"GetDriveTypeW", To(FakeGetDriveTypeW)},
    {"CreateFileA", To(FakeCreateFileA)},
    {"DeviceIoControl", To(FakeDeviceIoControl)},
    {"CloseHandle", To(FakeCloseHandle)},
    {"Sleep", To(FakeSleep)},
    {"GetProcAddress", To(FakeGetProcAddress)},
};

FARPROC RedirectFor(const char* name) {
  for (const Redirect& r : kRedirects)
    if (std::strcmp(r.name, name) == 0) return r.to;
  return nullptr;
}

FARPROC WINAPI FakeGetProcAddress(HMODULE module, LPCSTR name) {
  // Looked up by name: the program's own run-time lookups of power calls.
  if (reinterpret_cast<ULONG_PTR>(name) > 0xFFFF && std::strcmp(name, "GetProcAddress") != 0)
    if (const FARPROC to = RedirectFor(name)) return to;
  return GetProcAddress(module, name);
}

void RedirectImports(HMODULE program) {
  auto* base = reinterpret_cast<BYTE*>(program);
  const auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (!imports.VirtualAddress) return;
  for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); d->Name; ++d) {
    const auto* names =
        reinterpret_cast<IMAGE_THUNK_DATA*>(base + (d->OriginalFirstThunk ? d->OriginalFirstThunk : d->FirstThunk));
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk);
    for (; names->u1.AddressOfData; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      const FARPROC to = RedirectFor(reinterpret_cast<const char*>(byName->Name));
      if (!to) continue;
      DWORD old = 0;
      VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &old);
      slots->u1.Function = reinterpret_cast<ULONG_PTR>(to);
      VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, old, &old);
    }
  }
}

std::wstring Environment(const wchar_t* name) {
  wchar_t value[MAX_PATH * 2] = {};
  const DWORD n = GetEnvironmentVariableW(name, value, MAX_PATH * 2);
  return n && n < MAX_PATH * 2 ? value : L"";
}

void ReadScript(const std::wstring& path) {
  FILE* file = _wfopen(path.c_str(), L"r");
  if (!file) return;
  char line[256];
  while (fgets(line, sizeof line, file)) {
    char key[64] = {};
    char value[64] = {};
    unsigned long wait = 0, error = 0;
    if (sscanf(line, "machine %63s %lu %lu", value, &wait, &error) == 3) {
      wchar_t prefix[64] = {};
      MultiByteToWideChar(CP_UTF8, 0, value, -1, prefix, 64);
      script.machines.push_back({prefix, wait, error});
      continue;
    }
    if (sscanf(line, "%63s %63s", key, value) != 2) continue;
    const std::string k = key;
    if (k == "platform") script.platform = strtoul(value, nullptr, 10);
    if (k == "removable") script.removable = static_cast<char>(toupper(static_cast<unsigned char>(value[0])));
    if (k == "lock-fails") script.lockFails = atoi(value);
    if (k == "write-protected") script.writeProtected = strcmp(value, "yes") == 0;
    if (k == "exit-error") script.exitError = strtoul(value, nullptr, 10);
    if (k == "shutdown-error") script.shutdownError = strtoul(value, nullptr, 10);
    if (k == "abort-error") script.abortError = strtoul(value, nullptr, 10);
    if (k == "remote-wait") script.remoteWait = strtoul(value, nullptr, 10);
    if (k == "sleep") script.sleep = value;
    if (k == "most-at-once") script.mostAtOnce = strcmp(value, "yes") == 0;
  }
  fclose(file);
}

void Attach() {
  InitializeCriticalSection(&logLock);
  ReadScript(Environment(L"RECORDER_SCRIPT"));
  logFile = CreateFileW(Environment(L"RECORDER_LOG").c_str(), FILE_APPEND_DATA,
                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
  if (logFile == INVALID_HANDLE_VALUE) return;
  RedirectImports(GetModuleHandleW(nullptr));
  // Tells record.exe the program may go on.
  if (const HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, Environment(L"RECORDER_READY").c_str())) {
    SetEvent(ready);
    CloseHandle(ready);
  }
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) Attach();
  if (reason == DLL_PROCESS_DETACH && script.mostAtOnce)
    Log("most remote requests at once: " + std::to_string(remoteMostAtOnce));
  return TRUE;
}
