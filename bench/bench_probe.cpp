// The bench's driver, run by scripts/bench in the bench's own Wine prefix:
//   bench_probe <runs> <VuriRivu.exe> <bare_window.exe> <dovra.exe> <message_box.exe> <nothing.exe>
//               <exit_windows.exe>
//   bench_probe click <runs> <VuriRivu.exe> <capture_popup.exe>
//                                               only the click to the backdrop beside
//                                               the least program that does the same
//   bench_probe start <runs> <VuriRivu.exe> <bare_window.exe> <bare_controls.exe>
//                                               only the launcher's start beside the bare windows'
//   bench_probe history <runs> <Velmar.exe> <history_window.exe>
//                                               Velmar's start and close over a long
//                                               history beside the least program that
//                                               reads it and writes it back
//   bench_probe longrun <broadcasts> <rounds> <VuriRivu.exe>
//                                               the launcher's memory over a long
//                                               run: setting broadcasts, then
//                                               click-countdown-cancel rounds
// It starts the programs itself and watches them from inside Windows, so every
// time is read from one clock. Each program is set beside the least program
// that does the same: the two start one after the other, each alone on the
// screen, in an order that alternates run by run, and each figure is the
// median, least and greatest over the runs of the times and of the run's own
// ratio. A window of its own stands for the rest of the session: it notes when
// an end-of-session query arrives and refuses it, so no request ends the prefix.
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "bench/BareWindow.h"
#include "bench/ScreenWatch.h"

namespace {

// The launcher as a user's tool sees it from outside.
constexpr wchar_t kLauncherClass[] = L"VuriRivu.frmShutDown";
constexpr wchar_t kBackdropClass[] = L"VuriRivu.frmDesktop";
constexpr wchar_t kDialogClass[] = L"VuriRivu.frmMsg";
constexpr wchar_t kMessageBoxClass[] = L"#32770";
constexpr wchar_t kSettingsKey[] = L"Software\\VuriRivu";
constexpr wchar_t kConsoleClass[] = L"VelmarFrmDown";
constexpr wchar_t kConsoleSettingsKey[] = L"Software\\Velmar";
constexpr wchar_t kHistoryKey[] = L"Software\\Velmar\\Machine";
constexpr int kRestartButtonId = 102;

constexpr double kWaitMs = 30000;
constexpr double kCountdownWaitMs = 20000;
constexpr double kCountdownMs = 9000;
// How much longer than the least program doing the same each may take.
constexpr double kLauncherStartGoal = 1.10;
constexpr double kDovraGoal = 1.05;
// The capture of the screen alone takes most of the click on a large screen:
// the floor, not the time, is the goal.
constexpr double kClickGoal = 1.10;
// With a long history, reading and writing it is most of Velmar's start and
// close: within half as much again as the registry work alone is the goal. At
// a thousand entries its window still weighs more than its history.
constexpr double kHistoryGoal = 1.50;
constexpr int kHistoryGoalEntries = 10000;
constexpr int kHistorySizes[] = {1000, kHistoryGoalEntries};
constexpr DWORD kIdleMs = 10000;
// Wine's wineboot carries a request to the windows and then ends; the next
// start waits for it.
constexpr DWORD kSettleMs = 500;

// --- the witness: a window in a thread of its own ---

std::atomic<int> g_queries{0};
std::atomic<double> g_lastQueryMs{0};

LRESULT CALLBACK WitnessProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_QUERYENDSESSION:
      g_lastQueryMs = bench::NowMs();
      ++g_queries;
      return FALSE;
    case WM_ENDSESSION:
      return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

DWORD WINAPI WitnessThread(void* ready) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = WitnessProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"BenchWitness";
  RegisterClassW(&wc);
  CreateWindowExW(0, wc.lpszClassName, L"bench witness", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                  wc.hInstance, nullptr);
  SetEvent(static_cast<HANDLE>(ready));
  MSG m;
  while (GetMessageW(&m, nullptr, 0, 0) > 0) DispatchMessageW(&m);
  return 0;
}

void StartWitness() {
  const HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  CloseHandle(CreateThread(nullptr, 0, WitnessThread, ready, 0, nullptr));
  WaitForSingleObject(ready, INFINITE);
  CloseHandle(ready);
}

// A window of the class and process on screen and painted, or nothing once
// <limitMs> have passed.
HWND WaitForShown(const wchar_t* className, DWORD processId, double limitMs) {
  HWND window = nullptr;
  const auto shown = bench::Until(
      [&] {
        window = bench::ShownWindow(className, processId);
        return window && bench::OnScreenAndPainted(window);
      },
      limitMs);
  return shown ? window : nullptr;
}

// --- started programs ---

class Program {
 public:
  Program(const std::wstring& exe, const std::wstring& arguments) {
    std::wstring line = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    started_ = bench::NowMs();
    if (!CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info)) {
      fwprintf(stderr, L"bench: cannot start %ls (error %lu)\n", exe.c_str(), GetLastError());
      return;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
  }
  ~Program() {
    if (!process_) return;
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_, 1);
      WaitForSingleObject(process_, INFINITE);
    }
    CloseHandle(process_);
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  double Started() const { return started_; }
  DWORD Id() const { return id_; }

  // The memory committed to the process alone, in bytes (Wine reports it
  // here and not as PrivateUsage, which Windows makes the same number).
  SIZE_T PrivateBytes() const {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    return process_ && GetProcessMemoryInfo(process_, &counters, sizeof counters) ? counters.PagefileUsage : 0;
  }
  // Its GDI objects; Wine counts none (0 there).
  DWORD GdiObjects() const { return process_ ? GetGuiResources(process_, GR_GDIOBJECTS) : 0; }

  // Start to the moment a window of the class is on screen and painted.
  std::optional<double> TimeToShown(const wchar_t* className, HWND& window) const {
    window = WaitForShown(className, id_, kWaitMs);
    if (!window) return std::nullopt;
    return bench::NowMs() - started_;
  }

  // Start to the end of the process.
  std::optional<double> TimeToEnd(DWORD limitMs) const {
    if (!process_ || WaitForSingleObject(process_, limitMs) != WAIT_OBJECT_0) return std::nullopt;
    return bench::NowMs() - started_;
  }

  // User and kernel time of its threads so far, in milliseconds. Summed over
  // the threads because Wine answers GetProcessTimes on another process with
  // the caller's own times; each thread's times are that thread's.
  double CpuMs() const {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return NAN;
    double ms = 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
      if (entry.th32OwnerProcessID != id_) continue;
      const HANDLE thread = OpenThread(THREAD_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ThreadID);
      FILETIME created, ended, kernel, user;
      if (thread && GetThreadTimes(thread, &created, &ended, &kernel, &user)) ms += Ms(kernel) + Ms(user);
      if (thread) CloseHandle(thread);
    }
    CloseHandle(snapshot);
    return ms;
  }

 private:
  static double Ms(const FILETIME& t) {
    return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e4;
  }

  HANDLE process_ = nullptr;
  DWORD id_ = 0;
  double started_ = 0;
};

// --- figures ---

struct Figure {
  std::vector<double> values;
  void Add(std::optional<double> value) {
    if (value && !std::isnan(*value)) values.push_back(*value);
  }
  double Median() const {
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t n = sorted.size();
    return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
  }
};

// A program's time and its baseline's, taken in the same run, and their ratio.
struct Pair {
  Figure program, baseline, ratio;
  void Add(std::optional<double> programMs, std::optional<double> baselineMs) {
    program.Add(programMs);
    baseline.Add(baselineMs);
    if (programMs && baselineMs && *baselineMs > 0) ratio.Add(*programMs / *baselineMs);
  }
};

struct Figures {
  Pair launcherStart, launcherStartCpu, launcherIdleCpu;
  Pair usageBox;
  Pair dovraCall, dovraBesideCallOnly;
  Figure dovraRequest;
  Figure dialogClosed, requestArrived;
};

void Row(const char* what, const char* program, const Figure& figure, int runs, int decimals = 1) {
  if (figure.values.empty()) {
    printf("%-46s %-28s %10s\n", what, program, "none");
    return;
  }
  const auto [least, most] = std::minmax_element(figure.values.begin(), figure.values.end());
  printf("%-46s %-28s %10.*f %10.*f %10.*f", what, program, decimals, figure.Median(), decimals, *least,
         decimals, *most);
  if (static_cast<int>(figure.values.size()) < runs)
    printf("   (%zu of %d runs)", figure.values.size(), runs);
  printf("\n");
}

// A program beside its baseline; the ratio's goal, when it has one, after it.
void Rows(const char* what, const char* program, const char* baseline, const Pair& pair, int runs,
          double goal = 0) {
  Row(what, program, pair.program, runs);
  Row("", baseline, pair.baseline, runs);
  Row("", "ratio, paired run by run", pair.ratio, runs, 2);
  if (goal > 0 && !pair.ratio.values.empty()) {
    printf("%-46s %-28s %10.2f   %s\n", "", "goal for the median ratio", goal,
           pair.ratio.Median() <= goal ? "met" : "not met");
  }
}

void Error(const Figure& figure) {
  if (figure.values.empty()) return;
  printf("%-46s %-28s %+10.1f\n", "", "error of the median, ms", figure.Median() - kCountdownMs);
}

// --- the rounds ---

void ForgetLauncherSettings() { RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey); }

void Click(HWND button) {
  // Posted: the click runs the backdrop's modal loop, which would hold a sent one.
  PostMessageW(button, BM_CLICK, 0, 0);
}

// Closes a program's window as a user would, and waits for the program to end.
void CloseAndWait(const Program& program, HWND window) {
  PostMessageW(window, WM_CLOSE, 0, 0);
  program.TimeToEnd(static_cast<DWORD>(kWaitMs));
}

struct WindowStart {
  std::optional<double> shownMs, cpuMs, idleCpuMs;
};

// Starts a program alone, times it to its window on screen and painted, then
// reads its CPU time over an idle while.
WindowStart StartAndIdle(const Program& program, const wchar_t* className, HWND& window) {
  WindowStart start;
  start.shownMs = program.TimeToShown(className, window);
  if (!start.shownMs) return start;
  start.cpuMs = program.CpuMs();
  Sleep(kIdleMs);
  start.idleCpuMs = program.CpuMs() - *start.cpuMs;
  return start;
}

// The launcher's backdrop, cancelled once, then its countdown left to run out.
void SessionEndRound(const Program& launcher, HWND window, Figures& figures) {
  const HWND restart = GetDlgItem(window, kRestartButtonId);
  const DWORD id = launcher.Id();
  Click(restart);
  const HWND dialog = WaitForShown(kDialogClass, id, kWaitMs);
  if (!dialog) return;
  PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
  if (!bench::Until(
          [&] { return !bench::ShownWindow(kDialogClass, id) && !bench::ShownWindow(kBackdropClass, id); },
          kWaitMs))
    return;

  const int queries = g_queries;
  Click(restart);
  const HWND counting = WaitForShown(kDialogClass, id, kWaitMs);
  if (!counting) return;
  const double shown = bench::NowMs();
  const auto closed = bench::Until([&] { return !IsWindowVisible(counting); }, kCountdownWaitMs);
  if (closed) figures.dialogClosed.Add(*closed - shown);
  if (bench::Until([&] { return g_queries > queries; }, kCountdownWaitMs))
    figures.requestArrived.Add(g_lastQueryMs - shown);
  // The launcher waits, hidden, for the end of the session, which this
  // probe's refusal called off (unless Wine asked the launcher first, and it
  // went with it): it is closed.
  PostMessageW(window, WM_CLOSE, 0, 0);
  launcher.TimeToEnd(static_cast<DWORD>(kWaitMs));
  Sleep(kSettleMs);
}

struct Programs {
  std::wstring launcher, bareWindow, dovra, messageBox, nothing, exitWindows;
};

// A fresh launcher and a bare window, each alone; then the launcher's way to
// the end of the session.
void LauncherRound(const Programs& exe, bool launcherFirst, Figures& figures) {
  WindowStart launcherStart, bareStart;
  std::unique_ptr<Program> launcher;
  HWND launcherWindow = nullptr;
  const auto runLauncher = [&] {
    ForgetLauncherSettings();
    launcher = std::make_unique<Program>(exe.launcher, L"");
    launcherStart = StartAndIdle(*launcher, kLauncherClass, launcherWindow);
  };
  const auto runBare = [&] {
    const Program bare(exe.bareWindow, L"");
    HWND window = nullptr;
    bareStart = StartAndIdle(bare, bench::kBareWindowClass, window);
    if (window) CloseAndWait(bare, window);
  };
  if (launcherFirst) {
    runLauncher();
    if (launcherWindow) ShowWindow(launcherWindow, SW_HIDE);
    runBare();
    if (launcherWindow) ShowWindow(launcherWindow, SW_SHOWNOACTIVATE);
  } else {
    runBare();
    runLauncher();
  }
  figures.launcherStart.Add(launcherStart.shownMs, bareStart.shownMs);
  figures.launcherStartCpu.Add(launcherStart.cpuMs, bareStart.cpuMs);
  figures.launcherIdleCpu.Add(launcherStart.idleCpuMs, bareStart.idleCpuMs);
  if (launcherWindow) SessionEndRound(*launcher, launcherWindow, figures);
}

// Start to a message box on screen and painted, the box then closed.
std::optional<double> TimeToBox(const std::wstring& exe, const std::wstring& arguments) {
  const Program program(exe, arguments);
  HWND box = nullptr;
  const auto shown = program.TimeToShown(kMessageBoxClass, box);
  if (box) CloseAndWait(program, box);
  return shown;
}

// dovra's usage box beside a bare message box, alone and in turn.
void UsageRound(const Programs& exe, bool dovraFirst, Figures& figures) {
  std::optional<double> dovra, box;
  if (dovraFirst) dovra = TimeToBox(exe.dovra, L"");
  box = TimeToBox(exe.messageBox, L"");
  if (!dovraFirst) dovra = TimeToBox(exe.dovra, L"");
  figures.usageBox.Add(dovra, box);
}

// dovra /s from start to its end, its ExitWindowsEx call made, beside a
// program that calls nothing and one that only calls ExitWindowsEx; and apart,
// Wine's way from dovra's call to a window of the session (wineboot carries
// it).
void RequestRound(const Programs& exe, bool dovraFirst, Figures& figures) {
  std::optional<double> dovraEnd, nothingEnd, callOnlyEnd;
  const auto runNothing = [&] {
    const Program nothing(exe.nothing, L"");
    nothingEnd = nothing.TimeToEnd(static_cast<DWORD>(kWaitMs));
  };
  // A program that asks for the end of the session: its end, then the request
  // at the witness.
  const auto runRequest = [&](const std::wstring& path, const wchar_t* arguments,
                              Figure* request) -> std::optional<double> {
    const int queries = g_queries;
    const Program program(path, arguments);
    const auto end = program.TimeToEnd(static_cast<DWORD>(kWaitMs));
    if (end && bench::Until([&] { return g_queries > queries; }, kWaitMs) && request)
      request->Add(g_lastQueryMs - program.Started() - *end);
    Sleep(kSettleMs);
    return end;
  };
  if (dovraFirst) {
    dovraEnd = runRequest(exe.dovra, L"/s", &figures.dovraRequest);
    runNothing();
    callOnlyEnd = runRequest(exe.exitWindows, L"", nullptr);
  } else {
    callOnlyEnd = runRequest(exe.exitWindows, L"", nullptr);
    runNothing();
    dovraEnd = runRequest(exe.dovra, L"/s", &figures.dovraRequest);
  }
  figures.dovraCall.Add(dovraEnd, nothingEnd);
  figures.dovraBesideCallOnly.Add(dovraEnd, callOnlyEnd);
}

// The click row names the virtual screen the backdrop captures.
std::string ClickRowTitle() {
  return "click to the backdrop on screen, " + std::to_string(GetSystemMetrics(SM_CXVIRTUALSCREEN)) + " x " +
         std::to_string(GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

// A program with a button whose click shows a picture of the whole screen.
struct ClickTarget {
  std::wstring exe;
  const wchar_t* windowClass;
  int buttonId;
  const wchar_t* pictureClass;
};

// The program started alone, on its window shown and settled (the tail of
// a start, such as Wine's fonts, must not share the CPU with the click): the
// time from a click on its button to its picture of the screen on screen and
// painted. The program ends with the round.
std::optional<double> ClickToPicture(const ClickTarget& target) {
  const Program program(target.exe, L"");
  HWND window = nullptr;
  if (!program.TimeToShown(target.windowClass, window)) return std::nullopt;
  Sleep(kSettleMs);
  const double clicked = bench::NowMs();
  Click(GetDlgItem(window, target.buttonId));
  if (!WaitForShown(target.pictureClass, program.Id(), kWaitMs)) return std::nullopt;
  return bench::NowMs() - clicked;
}

// The click to the backdrop on screen beside the least program that captures
// the screen, halves it and shows it: a fresh start of each in every run, in
// turns that alternate, with the ratio paired run by run.
void ClickRounds(const std::wstring& launcherExe, const std::wstring& floorExe, int runs) {
  const ClickTarget launcher{launcherExe, kLauncherClass, kRestartButtonId, kBackdropClass};
  const ClickTarget floor{floorExe, bench::kCaptureWindowClass, bench::kCaptureButtonId,
                          bench::kCapturePopupClass};
  Pair click;
  for (int run = 0; run <= runs; ++run) {
    ForgetLauncherSettings();
    std::optional<double> launcherMs, floorMs;
    if (run % 2 == 1) {
      launcherMs = ClickToPicture(launcher);
      floorMs = ClickToPicture(floor);
    } else {
      floorMs = ClickToPicture(floor);
      launcherMs = ClickToPicture(launcher);
    }
    // The first run only warms the caches.
    if (run > 0) click.Add(launcherMs, floorMs);
  }
  Rows(ClickRowTitle().c_str(), "VuriRivu.exe", "capture, halve, popup only", click, runs, kClickGoal);
}

// Only the launcher's start beside the bare window's and beside the bare window
// with the launcher's visual style and controls, each started alone and
// closed, in an order that turns run by run: enough runs to tell a change to
// the start from the noise, without the rest of the session.
void StartRounds(const std::wstring& launcherExe, const std::wstring& bareExe, const std::wstring& controlsExe,
                 int runs) {
  Pair start, controls, besideControls;
  for (int run = 0; run <= runs; ++run) {
    std::optional<double> launcherMs, bareMs, controlsMs;
    const auto runBare = [&](const std::wstring& exe, std::optional<double>& ms) {
      const Program bare(exe, L"");
      HWND window = nullptr;
      ms = bare.TimeToShown(bench::kBareWindowClass, window);
      if (window) CloseAndWait(bare, window);
    };
    const std::function<void()> steps[] = {
        [&] {
          ForgetLauncherSettings();
          const Program launcher(launcherExe, L"");
          HWND window = nullptr;
          launcherMs = launcher.TimeToShown(kLauncherClass, window);
          if (window) CloseAndWait(launcher, window);
        },
        [&] { runBare(bareExe, bareMs); },
        [&] { runBare(controlsExe, controlsMs); },
    };
    for (int step = 0; step < 3; ++step) steps[(run + step) % 3]();
    // The first run only warms the caches.
    if (run > 0) {
      start.Add(launcherMs, bareMs);
      controls.Add(controlsMs, bareMs);
      besideControls.Add(launcherMs, controlsMs);
    }
  }
  printf("%-46s %-28s %10s %10s %10s\n", "ms", "", "median", "min", "max");
  Rows("start to the window docked and painted", "VuriRivu.exe", "bare Win32 window", start, runs,
       kLauncherStartGoal);
  Rows("", "bare window, 5 CC6 controls", "bare Win32 window", controls, runs);
  Rows("", "VuriRivu.exe", "bare window, 5 CC6 controls", besideControls, runs);
}

// A fresh history of <entries> machine names, as a user's might have grown,
// and nothing else of Velmar's.
void StoreHistory(int entries) {
  RegDeleteTreeW(HKEY_CURRENT_USER, kConsoleSettingsKey);
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kHistoryKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return;
  for (int n = 1; n <= entries; ++n) {
    const std::wstring name = L"pc-" + std::to_wstring(100000 + n);
    RegSetValueExW(key, std::to_wstring(n).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(name.c_str()),
                   static_cast<DWORD>((name.size() + 1) * sizeof(wchar_t)));
  }
  RegCloseKey(key);
}

// The history holds keys "1" to "<entries>" again, the last one as stored.
bool HistoryKept(int entries) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kHistoryKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
  DWORD values = 0;
  wchar_t last[64] = {};
  DWORD bytes = sizeof last - sizeof(wchar_t);
  const bool kept = RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                                     nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
                    values == static_cast<DWORD>(entries) &&
                    RegQueryValueExW(key, std::to_wstring(entries).c_str(), nullptr, nullptr,
                                     reinterpret_cast<BYTE*>(last), &bytes) == ERROR_SUCCESS &&
                    std::wstring(last) == L"pc-" + std::to_wstring(100000 + entries);
  RegCloseKey(key);
  return kept;
}

struct StartAndClose {
  std::optional<double> startMs, closeMs;
};

// The program started alone over a fresh history: start to its window on
// screen and painted; then, once it has settled, its close to its end, which
// counts only when the history is there again.
StartAndClose OverHistory(const std::wstring& exe, const wchar_t* windowClass, int entries) {
  StoreHistory(entries);
  StartAndClose times;
  const Program program(exe, L"");
  HWND window = nullptr;
  times.startMs = program.TimeToShown(windowClass, window);
  if (!times.startMs) return times;
  Sleep(kSettleMs);
  const double closing = bench::NowMs();
  PostMessageW(window, WM_CLOSE, 0, 0);
  if (program.TimeToEnd(static_cast<DWORD>(kWaitMs)) && HistoryKept(entries))
    times.closeMs = bench::NowMs() - closing;
  return times;
}

// Velmar over histories of each size beside the least program that reads
// the history, shows a window and writes the history back: a fresh start of
// each in every run, in turns that alternate, with the ratio paired run by
// run.
void HistoryRounds(const std::wstring& velmarExe, const std::wstring& floorExe, int runs) {
  printf("%-46s %-28s %10s %10s %10s\n", "ms", "", "median", "min", "max");
  for (const int entries : kHistorySizes) {
    Pair start, close;
    for (int run = 0; run <= runs; ++run) {
      StartAndClose velmar, floor;
      if (run % 2 == 1) {
        velmar = OverHistory(velmarExe, kConsoleClass, entries);
        floor = OverHistory(floorExe, bench::kBareWindowClass, entries);
      } else {
        floor = OverHistory(floorExe, bench::kBareWindowClass, entries);
        velmar = OverHistory(velmarExe, kConsoleClass, entries);
      }
      // The first run only warms the caches.
      if (run > 0) {
        start.Add(velmar.startMs, floor.startMs);
        close.Add(velmar.closeMs, floor.closeMs);
      }
    }
    const std::string count = std::to_string(entries);
    const double goal = entries == kHistoryGoalEntries ? kHistoryGoal : 0;
    Rows(("start to the window painted, " + count + " entries").c_str(), "Velmar.exe",
         "read history, bare window", start, runs, goal);
    Rows(("close to the end, history written, " + count).c_str(), "Velmar.exe", "delete and write history",
         close, runs, goal);
  }
  RegDeleteTreeW(HKEY_CURRENT_USER, kConsoleSettingsKey);
}

// The launcher as a user leaves it for weeks: started once, then <broadcasts>
// changes of the work area broadcast to it (each lays the strip out and docks
// it), then <rounds> clicks whose countdown is cancelled. Its memory and GDI
// objects after each stretch, beside where they stood once it had settled.
void LongRunRounds(const std::wstring& launcherExe, int broadcasts, int rounds) {
  ForgetLauncherSettings();
  const Program launcher(launcherExe, L"");
  HWND window = nullptr;
  if (!launcher.TimeToShown(kLauncherClass, window)) {
    printf("the launcher did not dock\n");
    return;
  }
  Sleep(kSettleMs);
  printf("%-46s %10s %12s %12s %10s\n", "the launcher's memory over a long run", "seconds", "private KB",
         "growth KB", "GDI");
  const double began = bench::NowMs();
  SIZE_T settled = 0;
  const auto row = [&](const std::string& what) {
    const SIZE_T bytes = launcher.PrivateBytes();
    printf("%-46s %10.1f %12.0f %+12.1f %10lu\n", what.c_str(), (bench::NowMs() - began) / 1000,
           static_cast<double>(bytes) / 1024,
           (static_cast<double>(bytes) - static_cast<double>(settled)) / 1024, launcher.GdiObjects());
    fflush(stdout);
  };
  // The first tenth of each stretch fills what a short run fills too.
  const auto settle = [&](const std::string& what) {
    settled = launcher.PrivateBytes();
    row(what);
  };
  const std::vector<int> marks = {broadcasts / 10, broadcasts / 4, broadcasts / 2, broadcasts};
  for (int sent = 1; sent <= broadcasts; ++sent) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0, SMTO_NORMAL,
                             static_cast<UINT>(kWaitMs), &result)) {
      printf("broadcast %d went unanswered\n", sent);
      return;
    }
    if (sent == marks.front()) settle(std::to_string(sent) + " setting broadcasts (settled)");
    else if (std::find(marks.begin(), marks.end(), sent) != marks.end())
      row(std::to_string(sent) + " setting broadcasts");
  }
  const HWND restart = GetDlgItem(window, kRestartButtonId);
  for (int round = 1; round <= rounds; ++round) {
    Click(restart);
    const HWND dialog = WaitForShown(kDialogClass, launcher.Id(), kWaitMs);
    if (!dialog) {
      printf("round %d: no countdown\n", round);
      return;
    }
    PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    if (!bench::Until(
            [&] {
              return !bench::ShownWindow(kDialogClass, launcher.Id()) &&
                     !bench::ShownWindow(kBackdropClass, launcher.Id());
            },
            kWaitMs)) {
      printf("round %d: the backdrop stayed\n", round);
      return;
    }
    if (round == std::max(1, rounds / 10)) settle(std::to_string(round) + " clicks cancelled (settled)");
    else if (round == rounds / 2 || round == rounds) row(std::to_string(round) + " clicks cancelled");
  }
  if (launcher.GdiObjects() == 0) printf("(GDI: this Windows counts no GDI objects per process; Wine's never does)\n");
  CloseAndWait(launcher, window);
  ForgetLauncherSettings();
}

// The first start of an executable reads it from disk and fills Wine's caches;
// no figure counts it.
void WarmUp(const Programs& exe) {
  HWND window = nullptr;
  ForgetLauncherSettings();
  {
    const Program launcher(exe.launcher, L"");
    launcher.TimeToShown(kLauncherClass, window);
  }
  {
    const Program bare(exe.bareWindow, L"");
    if (bare.TimeToShown(bench::kBareWindowClass, window)) CloseAndWait(bare, window);
  }
  TimeToBox(exe.dovra, L"");
  TimeToBox(exe.messageBox, L"");
  const Program nothing(exe.nothing, L"");
  nothing.TimeToEnd(static_cast<DWORD>(kWaitMs));
  const Program exitWindows(exe.exitWindows, L"");
  exitWindows.TimeToEnd(static_cast<DWORD>(kWaitMs));
  Sleep(kSettleMs);
}

void Print(const Figures& f, int runs) {
  printf("%-46s %-28s %10s %10s %10s\n", "ms (CPU: ms of CPU time, in 10 ms steps)", "", "median", "min",
         "max");
  Rows("start to the window docked and painted", "VuriRivu.exe", "bare Win32 window", f.launcherStart, runs,
       kLauncherStartGoal);
  Rows("start to the usage box on screen", "dovra.exe (no argument)", "bare MessageBox program", f.usageBox,
       runs, kDovraGoal);
  Rows("start to the ExitWindowsEx call made (its end)", "dovra.exe /s", "program that calls nothing",
       f.dovraCall, runs, kDovraGoal);
  Rows("", "dovra.exe /s", "ExitWindowsEx-only program", f.dovraBesideCallOnly, runs);
  Row("  then Wine's wineboot, to the request at a window", "(Wine's, not dovra's)", f.dovraRequest, runs);
  Row("countdown from the dialog on screen (9 s)", "to its go-ahead (closes)", f.dialogClosed, runs);
  Error(f.dialogClosed);
  Row("", "to the request at a window", f.requestArrived, runs);
  Error(f.requestArrived);
  Rows("CPU, start to docked and painted", "VuriRivu.exe", "bare Win32 window", f.launcherStartCpu, runs);
  Row("CPU over 10 idle seconds (user + kernel)", "VuriRivu.exe", f.launcherIdleCpu.program, runs);
  Row("", "bare Win32 window", f.launcherIdleCpu.baseline, runs);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 5 && std::wstring(argv[1]) == L"click") {
    const int runs = _wtoi(argv[2]);
    if (runs < 1) return 2;
    ClickRounds(argv[3], argv[4], runs);
    ForgetLauncherSettings();
    return 0;
  }
  if (argc == 5 && std::wstring(argv[1]) == L"history") {
    const int runs = _wtoi(argv[2]);
    if (runs < 1) return 2;
    HistoryRounds(argv[3], argv[4], runs);
    return 0;
  }
  if (argc == 5 && std::wstring(argv[1]) == L"longrun") {
    const int broadcasts = _wtoi(argv[2]), rounds = _wtoi(argv[3]);
    if (broadcasts < 10 || rounds < 1) return 2;
    LongRunRounds(argv[4], broadcasts, rounds);
    return 0;
  }
  if (argc == 6 && std::wstring(argv[1]) == L"start") {
    const int runs = _wtoi(argv[2]);
    if (runs < 1) return 2;
    StartRounds(argv[3], argv[4], argv[5], runs);
    ForgetLauncherSettings();
    return 0;
  }
  const int runs = argc == 8 ? _wtoi(argv[1]) : 0;
  if (runs < 1) {
    fwprintf(stderr,
             L"usage: bench_probe <runs> <VuriRivu.exe> <bare_window.exe> <dovra.exe> "
             L"<message_box.exe> <nothing.exe> <exit_windows.exe>\n");
    return 2;
  }
  const Programs exe{argv[2], argv[3], argv[4], argv[5], argv[6], argv[7]};
  StartWitness();
  WarmUp(exe);
  Figures figures;
  for (int run = 1; run <= runs; ++run) {
    fwprintf(stderr, L"bench: run %d of %d\n", run, runs);
    // Odd runs start the suite's program first, even runs its baseline.
    const bool programFirst = run % 2 == 1;
    LauncherRound(exe, programFirst, figures);
    UsageRound(exe, programFirst, figures);
    RequestRound(exe, programFirst, figures);
  }
  Print(figures, runs);
  ForgetLauncherSettings();
  return 0;
}
