// A user at Velmar's window, for the end-to-end script: run in the same Wine
// prefix as Velmar.exe, it finds the window and its message boxes, presses
// their buttons and reads what the program keeps in the registry. Answers go
// to standard output as UTF-8.
//   velmar_probe platform                  dwPlatformId as GetVersionExA reports it
//   velmar_probe window <ms>               waits for Velmar's window: "<count> <hwnd>"
//   velmar_probe buttons <flags> <ms>      waits until the enabled flags of Close,
//                                          Execute and Abort read e.g. "1 0 1"
//   velmar_probe answers <count>           asks Velmar's window <count> times, 50 ms apart,
//                                          whether it answers within 100 ms, as Windows
//                                          asks before it calls a window not responding;
//                                          prints how many times it did
//   velmar_probe click <caption>           presses the window's button with that caption
//   velmar_probe type <text>               types the text into the machine name box
//   velmar_probe keys <text>               presses the keys of the text on the keyboard,
//                                          Velmar's window in front
//   velmar_probe focus                     the class of the control with the focus and
//                                          of its parent, e.g. "Edit ComboBox"
//   velmar_probe machine                   the text of the machine name box
//   velmar_probe client                    the size of the window's client area: "<w> <h>"
//   velmar_probe systext <code>            the system's one-line text for an error code
//   velmar_probe box <ms> <ok|cancel|none> waits for a box titled Velmar: its count,
//                                          its flags and its text, then presses a button
//   velmar_probe dump <key>                "name=value" lines of HKCU\<key>, sorted
//   velmar_probe set <key> <name> <value>...  writes text values under HKCU\<key>
//   velmar_probe delete <key>              removes HKCU\<key> with all below it
//   velmar_probe end                       ends Velmar's process from outside, as the
//                                          task manager does: nothing of it runs on
//   velmar_probe room <ms>                 presses OK on the confirmation box and waits
//                                          up to <ms> for the next box (a room's summary),
//                                          every 50 ms reading Velmar's threads and
//                                          committed memory and asking its window as
//                                          "answers" does: "<seconds> <most threads>
//                                          <committed KB before> <most committed KB>
//                                          <answered> <asked>"
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which they build on.
#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kWindowClass[] = L"VelmarFrmDown";
constexpr wchar_t kTitle[] = L"Velmar";
// The icon of a message box: the static control stc1 of the box template.
constexpr int kBoxIconId = 0x440;
constexpr int kBoxTextId = 0xFFFF;

void Print(const std::wstring& text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string bytes(n, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), n, nullptr,
                      nullptr);
  fwrite(bytes.data(), 1, bytes.size(), stdout);
  fflush(stdout);
}

std::wstring Hex(unsigned value) {
  wchar_t text[16];
  swprintf(text, 16, L"0x%X", value);
  return text;
}

std::wstring TextOf(HWND hwnd) {
  wchar_t text[4096] = {};
  GetWindowTextW(hwnd, text, 4096);
  return text;
}

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  return name;
}

struct WindowSearch {
  std::wstring className;
  const wchar_t* caption;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lp) {
  auto* search = reinterpret_cast<WindowSearch*>(lp);
  if (IsWindowVisible(hwnd) && ClassOf(hwnd) == search->className &&
      (!search->caption || TextOf(hwnd) == search->caption))
    search->found.push_back(hwnd);
  return TRUE;
}

// Visible top-level windows of a class and, if given, a caption.
std::vector<HWND> TopLevel(const std::wstring& className, const wchar_t* caption) {
  WindowSearch search{className, caption, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

template <typename Find>
std::vector<HWND> WaitFor(DWORD waitMs, Find find) {
  const DWORD start = GetTickCount();
  for (;;) {
    std::vector<HWND> found = find();
    if (!found.empty() || GetTickCount() - start > waitMs) return found;
    Sleep(50);
  }
}

std::vector<HWND> VelmarWindows() { return TopLevel(kWindowClass, nullptr); }

HWND ButtonWithCaption(HWND parent, const std::wstring& caption) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (ClassOf(child) == L"Button" && TextOf(child) == caption) return child;
  return nullptr;
}

int Window(DWORD waitMs) {
  const std::vector<HWND> found = WaitFor(waitMs, VelmarWindows);
  Print(std::to_wstring(found.size()) + L" " + (found.empty() ? L"0" : Hex(HandleToUlong(found[0]))) + L"\n");
  return found.empty() ? 1 : 0;
}

// Enabled flags of Close, Execute and Abort, e.g. "1 0 1", or empty.
std::wstring ButtonState() {
  const std::vector<HWND> found = VelmarWindows();
  if (found.size() != 1) return L"";
  std::wstring flags;
  for (const wchar_t* caption : {L"閉じる", L"実行(&E)", L"中止(&A)"}) {
    const HWND button = ButtonWithCaption(found[0], caption);
    if (!button) return L"";
    flags += std::wstring(flags.empty() ? L"" : L" ") + (IsWindowEnabled(button) ? L"1" : L"0");
  }
  return flags;
}

int Buttons(const std::wstring& expected, DWORD waitMs) {
  const DWORD start = GetTickCount();
  std::wstring state = ButtonState();
  while (state != expected && GetTickCount() - start <= waitMs) {
    Sleep(50);
    state = ButtonState();
  }
  Print(state + L"\n");
  return state == expected ? 0 : 1;
}

int Answers(int count) {
  const std::vector<HWND> found = VelmarWindows();
  if (found.size() != 1) return 1;
  int answered = 0;
  for (int i = 0; i < count; ++i) {
    DWORD_PTR result = 0;
    if (SendMessageTimeoutW(found[0], WM_NULL, 0, 0, SMTO_NORMAL, 100, &result)) ++answered;
    Sleep(50);
  }
  Print(std::to_wstring(answered) + L"\n");
  return answered == count ? 0 : 1;
}

int Click(const std::wstring& caption) {
  const std::vector<HWND> found = VelmarWindows();
  const HWND button = found.size() == 1 ? ButtonWithCaption(found[0], caption) : nullptr;
  if (!button) return 1;
  // Posted: the click may open a modal box, which would hold a sent message.
  return PostMessageW(button, BM_CLICK, 0, 0) ? 0 : 1;
}

// Types into the edit box of the machine-name combo box, one character at a
// time, as the keyboard would deliver them.
int Type(const std::wstring& text) {
  const std::vector<HWND> found = VelmarWindows();
  if (found.size() != 1) return 1;
  const HWND combo = FindWindowExW(found[0], nullptr, L"ComboBox", nullptr);
  const HWND edit = combo ? FindWindowExW(combo, nullptr, L"Edit", nullptr) : nullptr;
  if (!edit) return 1;
  for (wchar_t c : text) SendMessageW(edit, WM_CHAR, c, 1);
  return 0;
}

// The window in front, then each character's key down and up, as a user's
// keyboard would give them to whatever has the focus.
int Keys(const std::wstring& text) {
  const std::vector<HWND> found = VelmarWindows();
  if (found.size() != 1) return 1;
  SetForegroundWindow(found[0]);
  std::vector<INPUT> keys;
  for (wchar_t c : text) {
    const SHORT key = VkKeyScanW(c);
    if (key == -1) return 2;
    INPUT press{};
    press.type = INPUT_KEYBOARD;
    press.ki.wVk = LOBYTE(key);
    keys.push_back(press);
    press.ki.dwFlags = KEYEVENTF_KEYUP;
    keys.push_back(press);
  }
  const UINT sent = SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
  // Delivered by the time the window has answered a message sent after them.
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(found[0], WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer);
  return sent == keys.size() ? 0 : 1;
}

int Focus() {
  const std::vector<HWND> found = VelmarWindows();
  if (found.size() != 1) return 1;
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(found[0], nullptr), &info) || !info.hwndFocus) {
    Print(L"none\n");
    return 0;
  }
  Print(ClassOf(info.hwndFocus) + L" " + ClassOf(GetParent(info.hwndFocus)) + L"\n");
  return 0;
}

int Machine() {
  const std::vector<HWND> found = VelmarWindows();
  const HWND combo = found.size() == 1 ? FindWindowExW(found[0], nullptr, L"ComboBox", nullptr) : nullptr;
  const HWND edit = combo ? FindWindowExW(combo, nullptr, L"Edit", nullptr) : nullptr;
  if (!edit) return 1;
  // GetWindowText does not read a control of another process: WM_GETTEXT does.
  wchar_t text[256] = {};
  SendMessageW(edit, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
  Print(std::wstring(text) + L"\n");
  return 0;
}

int Client() {
  const std::vector<HWND> found = VelmarWindows();
  if (found.size() != 1) return 1;
  RECT client;
  GetClientRect(found[0], &client);
  Print(std::to_wstring(client.right) + L" " + std::to_wstring(client.bottom) + L"\n");
  return 0;
}

int SystemText(DWORD code) {
  wchar_t text[512] = {};
  const DWORD flags =
      FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_MAX_WIDTH_MASK;
  if (!FormatMessageW(flags, nullptr, code, LANG_USER_DEFAULT, text, 512, nullptr)) return 1;
  Print(std::wstring(text) + L"\n");
  return 0;
}

// A 32 x 32 picture of the screen at the box's icon, as 32-bit pixels.
std::vector<DWORD> Capture(const RECT& place) {
  const int size = GetSystemMetrics(SM_CXICON);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<DWORD> pixels(size * size);
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, size, size, screen, place.left, place.top, SRCCOPY);
  SelectObject(memory, old);
  GetDIBits(memory, bitmap, 0, size, pixels.data(), &info, DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// The same icon drawn by this process over the captured corner colour.
std::vector<DWORD> Render(const wchar_t* icon, DWORD background) {
  const int size = GetSystemMetrics(SM_CXICON);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const HDC memory = CreateCompatibleDC(nullptr);
  const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  std::fill_n(static_cast<DWORD*>(bits), size * size, background);
  DrawIconEx(memory, 0, 0, LoadIconW(nullptr, icon), size, size, 0, nullptr, DI_NORMAL);
  GdiFlush();
  std::vector<DWORD> pixels(static_cast<DWORD*>(bits), static_cast<DWORD*>(bits) + size * size);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  return pixels;
}

// Which standard icon the box shows: the other process's icon handle cannot
// be read from here, so its picture on the screen is compared with each.
UINT IconFlag(HWND box) {
  const HWND icon = GetDlgItem(box, kBoxIconId);
  if (!icon || !IsWindowVisible(icon)) return 0;
  RECT place;
  GetWindowRect(icon, &place);
  const std::vector<DWORD> shown = Capture(place);
  const struct {
    const wchar_t* icon;
    UINT flag;
  } kinds[] = {{IDI_HAND, MB_ICONSTOP},
               {IDI_QUESTION, MB_ICONQUESTION},
               {IDI_EXCLAMATION, MB_ICONEXCLAMATION},
               {IDI_ASTERISK, MB_ICONINFORMATION}};
  for (const auto& kind : kinds) {
    const std::vector<DWORD> drawn = Render(kind.icon, shown.front());
    std::size_t same = 0;
    for (std::size_t i = 0; i < shown.size(); ++i) same += (shown[i] & 0xFFFFFF) == (drawn[i] & 0xFFFFFF);
    if (same * 100 >= shown.size() * 95) return kind.flag;
  }
  return 0xF0;  // an icon, but none of the four
}

// The message-box flags the box shows: its buttons, icon and default button.
UINT BoxFlags(HWND box) {
  std::vector<std::pair<LONG, int>> buttons;  // left edge, id
  for (int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO}) {
    const HWND button = GetDlgItem(box, id);
    if (!button || !IsWindowVisible(button)) continue;
    RECT place;
    GetWindowRect(button, &place);
    buttons.emplace_back(place.left, id);
  }
  std::sort(buttons.begin(), buttons.end());
  std::vector<int> ids;
  for (const auto& button : buttons) ids.push_back(button.second);
  UINT flags = 0xF;  // a set of buttons the test never expects
  if (ids == std::vector<int>{IDOK}) flags = MB_OK;
  if (ids == std::vector<int>{IDOK, IDCANCEL}) flags = MB_OKCANCEL;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const LONG style = GetWindowLongW(GetDlgItem(box, ids[i]), GWL_STYLE);
    if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) flags |= static_cast<UINT>(i) * MB_DEFBUTTON2;
  }
  return flags | IconFlag(box);
}

int Box(DWORD waitMs, const std::wstring& answer) {
  const std::vector<HWND> found = WaitFor(waitMs, [] { return TopLevel(L"#32770", kTitle); });
  Print(std::to_wstring(found.size()) + L"\n");
  if (found.empty()) return 1;
  const HWND box = found.front();
  wchar_t text[4096] = {};
  GetDlgItemTextW(box, kBoxTextId, text, 4096);
  Print(Hex(BoxFlags(box)) + L"\n" + text + L"\n");
  if (answer == L"none") return 0;
  const HWND button = GetDlgItem(box, answer == L"ok" ? IDOK : IDCANCEL);
  return button && PostMessageW(button, BM_CLICK, 0, 0) ? 0 : 1;
}

int Platform() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  GetVersionExA(&version);
  Print(std::to_wstring(version.dwPlatformId) + L"\n");
  return 0;
}

int Dump(const std::wstring& path) {
  HKEY key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return 1;
  std::map<std::wstring, std::wstring> values;
  for (DWORD index = 0;; ++index) {
    wchar_t name[256];
    DWORD nameLength = 256;
    DWORD type = 0;
    BYTE data[8192] = {};
    DWORD dataLength = sizeof data - sizeof(wchar_t);
    if (RegEnumValueW(key, index, name, &nameLength, nullptr, &type, data, &dataLength) != ERROR_SUCCESS)
      break;
    values[name] =
        type == REG_SZ ? reinterpret_cast<const wchar_t*>(data) : L"(type " + std::to_wstring(type) + L")";
  }
  RegCloseKey(key);
  for (const auto& [name, value] : values) Print(name + L"=" + value + L"\n");
  return 0;
}

int Set(const std::wstring& path, const std::vector<std::wstring>& pairs) {
  HKEY key;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return 1;
  int status = 0;
  for (std::size_t i = 0; i + 1 < pairs.size(); i += 2) {
    const std::wstring& value = pairs[i + 1];
    if (RegSetValueExW(key, pairs[i].c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) != ERROR_SUCCESS)
      status = 1;
  }
  RegCloseKey(key);
  return status;
}

int Delete(const std::wstring& path) {
  const LSTATUS status = RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str());
  if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND) {
    RegDeleteKeyW(HKEY_CURRENT_USER, path.c_str());
    return 0;
  }
  return 1;
}

}  // namespace

int End() {
  const std::vector<HWND> found = VelmarWindows();
  if (found.size() != 1) return 1;
  DWORD id = 0;
  GetWindowThreadProcessId(found[0], &id);
  const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
  if (!process) return 1;
  const bool ended = TerminateProcess(process, 1) && WaitForSingleObject(process, 10000) == WAIT_OBJECT_0;
  CloseHandle(process);
  return ended ? 0 : 1;
}

// How many threads the process runs now.
DWORD ThreadCount(DWORD processId) {
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  DWORD threads = 0;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
    if (entry.th32ProcessID == processId) threads = entry.cntThreads;
  CloseHandle(snapshot);
  return threads;
}

int Room(DWORD waitMs) {
  const std::vector<HWND> windows = VelmarWindows();
  const std::vector<HWND> confirmation = WaitFor(10000, [] { return TopLevel(L"#32770", kTitle); });
  if (windows.size() != 1 || confirmation.empty()) return 1;
  DWORD id = 0;
  GetWindowThreadProcessId(windows[0], &id);
  const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id);
  if (!process) return 1;
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  PostMessageW(GetDlgItem(confirmation[0], IDOK), BM_CLICK, 0, 0);
  QueryPerformanceCounter(&start);
  DWORD mostThreads = 0;
  SIZE_T firstCommitted = 0, mostCommitted = 0;
  int answered = 0, asked = 0;
  bool summary = false;
  while (!summary) {
    QueryPerformanceCounter(&now);
    if ((now.QuadPart - start.QuadPart) * 1000 / frequency.QuadPart > waitMs) break;
    mostThreads = std::max(mostThreads, ThreadCount(id));
    PROCESS_MEMORY_COUNTERS memory{};
    if (GetProcessMemoryInfo(process, &memory, sizeof memory)) {
      if (asked == 0) firstCommitted = memory.PagefileUsage;
      mostCommitted = std::max(mostCommitted, memory.PagefileUsage);
    }
    DWORD_PTR result = 0;
    ++asked;
    if (SendMessageTimeoutW(windows[0], WM_NULL, 0, 0, SMTO_NORMAL, 100, &result)) ++answered;
    for (const HWND box : TopLevel(L"#32770", kTitle)) summary = summary || box != confirmation[0];
    if (!summary) Sleep(50);
  }
  QueryPerformanceCounter(&now);
  CloseHandle(process);
  wchar_t line[160];
  swprintf(line, 160, L"%.2f %lu %lu %lu %d %d\n",
           static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart),
           mostThreads, static_cast<unsigned long>(firstCommitted / 1024),
           static_cast<unsigned long>(mostCommitted / 1024), answered, asked);
  Print(line);
  return summary ? 0 : 1;
}

int wmain(int argc, wchar_t** argv) {
  // Lines end in "\n" alone, as the script compares them.
  _setmode(_fileno(stdout), _O_BINARY);
  const std::vector<std::wstring> args(argv + 1, argv + argc);
  const std::wstring command = args.empty() ? L"" : args[0];
  const auto ms = [&](std::size_t i) { return static_cast<DWORD>(wcstoul(args[i].c_str(), nullptr, 10)); };
  if (command == L"platform" && args.size() == 1) return Platform();
  if (command == L"window" && args.size() == 2) return Window(ms(1));
  if (command == L"buttons" && args.size() == 3) return Buttons(args[1], ms(2));
  if (command == L"answers" && args.size() == 2) return Answers(static_cast<int>(ms(1)));
  if (command == L"click" && args.size() == 2) return Click(args[1]);
  if (command == L"type" && args.size() == 2) return Type(args[1]);
  if (command == L"keys" && args.size() == 2) return Keys(args[1]);
  if (command == L"focus" && args.size() == 1) return Focus();
  if (command == L"machine" && args.size() == 1) return Machine();
  if (command == L"client" && args.size() == 1) return Client();
  if (command == L"systext" && args.size() == 2) return SystemText(ms(1));
  if (command == L"box" && args.size() == 3) return Box(ms(1), args[2]);
  if (command == L"dump" && args.size() == 2) return Dump(args[1]);
  if (command == L"set" && args.size() >= 4 && args.size() % 2 == 0)
    return Set(args[1], std::vector<std::wstring>(args.begin() + 2, args.end()));
  if (command == L"delete" && args.size() == 2) return Delete(args[1]);
  if (command == L"end" && args.size() == 1) return End();
  if (command == L"room" && args.size() == 2) return Room(ms(1));
  fwprintf(stderr, L"usage: see the head of velmar_probe.cpp\n");
  return 2;
}
