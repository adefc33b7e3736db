// The bench's driver, run by scripts/bench in the bench's own Wine prefix:
//   bench_probe <runs> <VuriRivu.exe> <bare_window.exe> <dovra.exe> <nothing.exe>
// It starts the programs itself and watches them from inside Windows, so every
// time is read from one clock, and prints each figure's median, least and
// greatest over the runs. A window of its own stands for the rest of the
// session: it notes when an end-of-session query arrives and refuses it, so no
// request ends the prefix.
#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
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
constexpr wchar_t kSettingsKey[] = L"Software\\VuriRivu";
constexpr int kRestartButtonId = 102;

constexpr double kWaitMs = 30000;
constexpr double kCountdownWaitMs = 20000;
constexpr double kCountdownMs = 9000;
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

struct Figures {
  Figure launcherStart, bareStart;
  Figure dovraRequest, nothingEnd;
  Figure click;
  Figure dialogClosed, requestArrived;
  Figure launcherStartCpu, bareStartCpu;
  Figure launcherIdleCpu, bareIdleCpu;
};

void Row(const char* what, const char* program, const Figure& figure, int runs) {
  if (figure.values.empty()) {
    printf("%-44s %-26s %10s\n", what, program, "none");
    return;
  }
  const auto [least, most] = std::minmax_element(figure.values.begin(), figure.values.end());
  printf("%-44s %-26s %10.1f %10.1f %10.1f", what, program, figure.Median(), *least, *most);
  if (static_cast<int>(figure.values.size()) < runs)
    printf("   (%zu of %d runs)", figure.values.size(), runs);
  printf("\n");
}

void Ratio(const Figure& program, const Figure& baseline) {
  if (program.values.empty() || baseline.values.empty() || baseline.Median() <= 0) return;
  printf("%-44s %-26s %10.2f\n", "", "ratio of the medians", program.Median() / baseline.Median());
}

void Error(const Figure& figure) {
  if (figure.values.empty()) return;
  printf("%-44s %-26s %+10.1f\n", "", "error of the median, ms", figure.Median() - kCountdownMs);
}

// --- the rounds ---

void ForgetLauncherSettings() { RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey); }

void Click(HWND button) {
  // Posted: the click runs the backdrop's modal loop, which would hold a sent one.
  PostMessageW(button, BM_CLICK, 0, 0);
}

// A bare window and a fresh launcher started and left idle, then the launcher's
// backdrop cancelled once and its countdown left to run out.
void LauncherRound(const std::wstring& launcherExe, const std::wstring& bareExe, Figures& figures) {
  HWND window = nullptr;
  auto bare = std::make_unique<Program>(bareExe, L"");
  figures.bareStart.Add(bare->TimeToShown(bench::kBareWindowClass, window));
  figures.bareStartCpu.Add(bare->CpuMs());

  ForgetLauncherSettings();
  Program launcher(launcherExe, L"");
  const auto docked = launcher.TimeToShown(kLauncherClass, window);
  figures.launcherStart.Add(docked);
  if (!docked) return;

  const double launcherCpu = launcher.CpuMs();
  const double bareCpu = bare->CpuMs();
  figures.launcherStartCpu.Add(launcherCpu);
  Sleep(kIdleMs);
  figures.launcherIdleCpu.Add(launcher.CpuMs() - launcherCpu);
  figures.bareIdleCpu.Add(bare->CpuMs() - bareCpu);
  // Nothing but the launcher and the witness may see its requests.
  bare.reset();

  const HWND restart = GetDlgItem(window, kRestartButtonId);
  const DWORD id = launcher.Id();
  const double clicked = bench::NowMs();
  Click(restart);
  if (WaitForShown(kBackdropClass, id, kWaitMs)) figures.click.Add(bench::NowMs() - clicked);
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
  // The launcher ends after its request.
  launcher.TimeToEnd(static_cast<DWORD>(kWaitMs));
  Sleep(kSettleMs);
}

// dovra's request, and the start and end of a program that does nothing.
void SessionRound(const std::wstring& dovraExe, const std::wstring& nothingExe, Figures& figures) {
  {
    const Program nothing(nothingExe, L"");
    figures.nothingEnd.Add(nothing.TimeToEnd(static_cast<DWORD>(kWaitMs)));
  }
  const int queries = g_queries;
  const Program dovra(dovraExe, L"/s");
  if (bench::Until([&] { return g_queries > queries; }, kWaitMs))
    figures.dovraRequest.Add(g_lastQueryMs - dovra.Started());
  dovra.TimeToEnd(static_cast<DWORD>(kWaitMs));
  Sleep(kSettleMs);
}

// The first start of an executable reads it from disk and fills Wine's caches;
// no figure counts it.
void WarmUp(const std::wstring& launcherExe, const std::wstring& bareExe, const std::wstring& nothingExe) {
  HWND window = nullptr;
  ForgetLauncherSettings();
  {
    const Program launcher(launcherExe, L"");
    launcher.TimeToShown(kLauncherClass, window);
  }
  {
    const Program bare(bareExe, L"");
    bare.TimeToShown(bench::kBareWindowClass, window);
  }
  const Program nothing(nothingExe, L"");
  nothing.TimeToEnd(static_cast<DWORD>(kWaitMs));
}

void Print(const Figures& f, int runs) {
  printf("%-44s %-26s %10s %10s %10s\n", "ms (CPU: ms of CPU time, in 10 ms steps)", "", "median", "min",
         "max");
  Row("start to the window docked and painted", "VuriRivu.exe", f.launcherStart, runs);
  Row("", "bare Win32 window", f.bareStart, runs);
  Ratio(f.launcherStart, f.bareStart);
  Row("start to the end-of-session request", "dovra.exe /s", f.dovraRequest, runs);
  Row("  (a program that calls nothing: to its end)", "nothing.exe", f.nothingEnd, runs);
  Ratio(f.dovraRequest, f.nothingEnd);
  Row("click on a button to the backdrop on screen", "VuriRivu.exe", f.click, runs);
  Row("countdown from the dialog on screen (9 s)", "to its go-ahead (closes)", f.dialogClosed, runs);
  Error(f.dialogClosed);
  Row("", "to the request at a window", f.requestArrived, runs);
  Error(f.requestArrived);
  Row("CPU, start to docked and painted", "VuriRivu.exe", f.launcherStartCpu, runs);
  Row("", "bare Win32 window", f.bareStartCpu, runs);
  Row("CPU over 10 idle seconds (user + kernel)", "VuriRivu.exe", f.launcherIdleCpu, runs);
  Row("", "bare Win32 window", f.bareIdleCpu, runs);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runs = argc == 6 ? _wtoi(argv[1]) : 0;
  if (runs < 1) {
    fwprintf(stderr,
             L"usage: bench_probe <runs> <VuriRivu.exe> <bare_window.exe> <dovra.exe> <nothing.exe>\n");
    return 2;
  }
  const std::wstring launcherExe = argv[2], bareExe = argv[3], dovraExe = argv[4], nothingExe = argv[5];
  StartWitness();
  WarmUp(launcherExe, bareExe, nothingExe);
  Figures figures;
  for (int run = 1; run <= runs; ++run) {
    fwprintf(stderr, L"bench: run %d of %d\n", run, runs);
    LauncherRound(launcherExe, bareExe, figures);
    SessionRound(dovraExe, nothingExe, figures);
  }
  Print(figures, runs);
  ForgetLauncherSettings();
  return 0;
}
