// A helper the launcher's end-to-end script runs in the same Wine prefix as
// VuriRivu.exe, looking at it and acting on it as a user would. It prints
// UTF-8 lines "key value" on its standard output.
//   launcher_probe window <ms>        waits for the docked window of a running
//                                     VuriRivu.exe; prints its handle, process,
//                                     outer rectangle, client size, visible
//                                     buttons and the program's visible windows
//   launcher_probe workarea           the work area and the size of the
//                                     primary screen
//   launcher_probe click <i> <ms>     left-clicks button i of the launcher, then
//                                     waits for the countdown dialog and prints
//                                     its OK caption, its message and the backdrop
//   launcher_probe answer enter|ok|cancel  types Enter into the dialog, or
//                                     clicks its OK or Cancel button
//   launcher_probe endsession [cancelled|closeapp]
//                                     tells the launcher, docked or hidden, the
//                                     session ends, as Windows does:
//                                     WM_QUERYENDSESSION, then WM_ENDSESSION
//                                     with TRUE; or that it was called off
//                                     (WM_ENDSESSION with FALSE); or that Restart
//                                     Manager closes it for an installer
//                                     (ENDSESSION_CLOSEAPP)
//   launcher_probe hidden <ms>        waits until the launcher's window is
//                                     there but hidden
//   launcher_probe close              asks the docked launcher to close
//   launcher_probe gone <ms>          waits until neither dialog nor backdrop
//                                     is on screen
//   launcher_probe settings <section> the values under HKCU\Software\VuriRivu\<section>
//   launcher_probe forget             deletes HKCU\Software\VuriRivu
//   launcher_probe store <name=value>...  writes text values under
//                                     HKCU\Software\VuriRivu\frmShutDown
//   launcher_probe names              the names a screen reader gets: the
//                                     strip's, and each visible button's as
//                                     window text and through oleacc
//   launcher_probe cover              opens a plain window over the strip,
//                                     in front, and says which one is above
//   launcher_probe keys <key>...      presses keys (tab, space, escape, down,
//                                     enter, shift+f10, apps) on the keyboard,
//                                     the strip in front
//   launcher_probe focus              the id of the strip's control with the focus
//   launcher_probe menu <ms>          waits for the strip's popup menu: its rectangle
//   launcher_probe buttonrect <i>     button i's rectangle on the screen
//   launcher_probe picture <i> <file.bmp>  whether button i shows that picture
//                                     pixel for pixel, its pure blue as the
//                                     button's face: "picture same" or
//                                     "picture differs <pixels>"
#include <windows.h>
// After windows.h, which they need.
#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

// The launcher's own window classes and control ids, as a user's tool sees
// them from outside.
constexpr const wchar_t* kLauncherClass = L"VuriRivu.frmShutDown";
constexpr const wchar_t* kDialogClass = L"VuriRivu.frmMsg";
constexpr const wchar_t* kBackdropClass = L"VuriRivu.frmDesktop";
constexpr const wchar_t* kProgramTitle = L"VuriRivu";
constexpr const wchar_t* kProgramFile = L"VuriRivu.exe";
constexpr int kFirstButtonId = 100;
constexpr int kButtonCount = 4;
constexpr int kDialogMessageId = 100;
constexpr DWORD kPollMs = 20;

void Print(const std::wstring& text) {
  const std::wstring line = text + L"\n";
  const int n = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), bytes.data(), n, nullptr,
                      nullptr);
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
            nullptr);
}

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[128] = {};
  GetClassNameW(hwnd, name, 128);
  return name;
}

std::wstring TextOf(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

// Other tests in the same prefix build windows of the same classes in their
// own executables; only the shipped program counts here.
bool BelongsToProgram(HWND hwnd) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
  if (!process) return false;
  wchar_t path[MAX_PATH] = {};
  DWORD size = MAX_PATH;
  const bool named = QueryFullProcessImageNameW(process, 0, path, &size);
  CloseHandle(process);
  if (!named) return false;
  const std::wstring image(path, size);
  const std::wstring file = image.substr(image.find_last_of(L"\\/") + 1);
  return CompareStringOrdinal(file.c_str(), -1, kProgramFile, -1, TRUE) == CSTR_EQUAL;
}

struct WindowSearch {
  const std::function<bool(HWND)>* wanted;
  std::vector<HWND> found;
};

// A named function: only it has the calling convention EnumWindows needs on
// 32-bit Windows.
BOOL CALLBACK CollectWanted(HWND hwnd, LPARAM lp) {
  auto* search = reinterpret_cast<WindowSearch*>(lp);
  if ((*search->wanted)(hwnd)) search->found.push_back(hwnd);
  return TRUE;
}

std::vector<HWND> TopLevelWindows(const std::function<bool(HWND)>& wanted) {
  WindowSearch search{&wanted, {}};
  EnumWindows(CollectWanted, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND VisibleProgramWindow(const wchar_t* className) {
  const auto found = TopLevelWindows([className](HWND hwnd) {
    return IsWindowVisible(hwnd) && ClassOf(hwnd) == className && BelongsToProgram(hwnd);
  });
  return found.empty() ? nullptr : found.front();
}

HWND WaitFor(const wchar_t* className, DWORD waitMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (const HWND hwnd = VisibleProgramWindow(className)) return hwnd;
    if (GetTickCount() - start > waitMs) return nullptr;
    Sleep(kPollMs);
  }
}

// The launcher's window, shown or not.
HWND ProgramWindow(const wchar_t* className) {
  const auto found =
      TopLevelWindows([className](HWND hwnd) { return ClassOf(hwnd) == className && BelongsToProgram(hwnd); });
  return found.empty() ? nullptr : found.front();
}

int Hidden(DWORD waitMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    const HWND launcher = ProgramWindow(kLauncherClass);
    if (launcher && !IsWindowVisible(launcher)) return 0;
    if (GetTickCount() - start > waitMs) return 1;
    Sleep(kPollMs);
  }
}

// The launcher first shows itself just beyond the screen's right edge, then
// docks: it counts as there once it lies wholly on the screen.
HWND WaitForDocked(DWORD waitMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (const HWND hwnd = VisibleProgramWindow(kLauncherClass)) {
      RECT r;
      GetWindowRect(hwnd, &r);
      if (r.left >= 0 && r.top >= 0 && r.right <= GetSystemMetrics(SM_CXSCREEN) &&
          r.bottom <= GetSystemMetrics(SM_CYSCREEN))
        return hwnd;
    }
    if (GetTickCount() - start > waitMs) return nullptr;
    Sleep(kPollMs);
  }
}

std::wstring RectText(const RECT& r) {
  return std::to_wstring(r.left) + L" " + std::to_wstring(r.top) + L" " + std::to_wstring(r.right) + L" " +
         std::to_wstring(r.bottom);
}

int Window(DWORD waitMs) {
  const HWND launcher = WaitForDocked(waitMs);
  if (!launcher) {
    Print(L"window none");
    return 1;
  }
  DWORD pid = 0;
  GetWindowThreadProcessId(launcher, &pid);
  RECT outer;
  RECT client;
  GetWindowRect(launcher, &outer);
  GetClientRect(launcher, &client);
  int buttons = 0;
  for (int i = 0; i < kButtonCount; ++i) {
    const HWND button = GetDlgItem(launcher, kFirstButtonId + i);
    if (button && IsWindowVisible(button)) ++buttons;
  }
  // Everything of the program a user could see: its own windows and any box
  // it might show under its title.
  const auto shown = TopLevelWindows([](HWND hwnd) {
    return IsWindowVisible(hwnd) && BelongsToProgram(hwnd) &&
           (ClassOf(hwnd).rfind(L"VuriRivu.", 0) == 0 || TextOf(hwnd) == kProgramTitle);
  });
  Print(L"window " + std::to_wstring(reinterpret_cast<UINT_PTR>(launcher)));
  Print(L"process " + std::to_wstring(pid));
  Print(L"rect " + RectText(outer));
  Print(L"client " + std::to_wstring(client.right) + L" " + std::to_wstring(client.bottom));
  Print(L"buttons " + std::to_wstring(buttons));
  Print(L"shown " + std::to_wstring(shown.size()));
  return 0;
}

int WorkArea() {
  RECT area{};
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) return 1;
  Print(L"workarea " + RectText(area));
  Print(L"screen 0 0 " + std::to_wstring(GetSystemMetrics(SM_CXSCREEN)) + L" " +
        std::to_wstring(GetSystemMetrics(SM_CYSCREEN)));
  return 0;
}

// The dialog as it stands the moment it is found: OK caption, message, and
// whether the backdrop covers the screen beneath it.
int Click(int index, DWORD waitMs) {
  const HWND launcher = WaitForDocked(waitMs);
  const HWND button = launcher ? GetDlgItem(launcher, kFirstButtonId + index) : nullptr;
  if (!button) {
    Print(L"button none");
    return 1;
  }
  // Posted: the click runs the backdrop's modal loop, which would hold a sent one.
  PostMessageW(button, BM_CLICK, 0, 0);
  const DWORD clicked = GetTickCount();
  const HWND dialog = WaitFor(kDialogClass, waitMs);
  if (!dialog) {
    Print(L"dialog none");
    return 1;
  }
  const std::wstring ok = TextOf(GetDlgItem(dialog, IDOK));
  const std::wstring message = TextOf(GetDlgItem(dialog, kDialogMessageId));
  Print(L"dialog-after-ms " + std::to_wstring(GetTickCount() - clicked));
  Print(L"ok " + ok);
  Print(L"message " + message);
  Print(L"title " + TextOf(dialog));
  if (const HWND backdrop = VisibleProgramWindow(kBackdropClass)) {
    RECT covered;
    GetWindowRect(backdrop, &covered);
    Print(L"backdrop " + RectText(covered));
    // Walking down from the top: the dialog must come before the backdrop.
    HWND above = dialog;
    while (above && above != backdrop) above = GetWindow(above, GW_HWNDNEXT);
    Print(std::wstring(L"dialog-above-backdrop ") + (above == backdrop ? L"yes" : L"no"));
  } else {
    Print(L"backdrop none");
  }
  return 0;
}

int Answer(const std::wstring& how) {
  const HWND dialog = VisibleProgramWindow(kDialogClass);
  if (!dialog) return 1;
  if (how == L"cancel" || how == L"ok") {
    PostMessageW(GetDlgItem(dialog, how == L"ok" ? IDOK : IDCANCEL), BM_CLICK, 0, 0);
    return 0;
  }
  if (how != L"enter") return 2;
  // The keyboard goes to the foreground window, as a user's Enter would.
  SetForegroundWindow(dialog);
  INPUT keys[2] = {};
  keys[0].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = VK_RETURN;
  keys[1] = keys[0];
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  return SendInput(2, keys, sizeof(INPUT)) == 2 ? 0 : 1;
}

int Gone(DWORD waitMs) {
  const DWORD start = GetTickCount();
  while (VisibleProgramWindow(kDialogClass) || VisibleProgramWindow(kBackdropClass)) {
    if (GetTickCount() - start > waitMs) return 1;
    Sleep(kPollMs);
  }
  return 0;
}

// Waits for a message box of the program, prints its title and text, and
// presses its OK button.
int Box(DWORD waitMs) {
  const HWND box = WaitFor(L"#32770", waitMs);
  if (!box) {
    Print(L"box none");
    return 1;
  }
  wchar_t text[1024] = {};
  GetDlgItemTextW(box, 0xFFFF, text, 1024);
  Print(L"title " + TextOf(box));
  Print(std::wstring(L"box ") + text);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  return 0;
}

int Settings(const std::wstring& section) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, (L"Software\\VuriRivu\\" + section).c_str(), 0, KEY_READ, &key) !=
      ERROR_SUCCESS) {
    Print(L"section none");
    return 1;
  }
  for (DWORD i = 0;; ++i) {
    wchar_t name[256] = {};
    DWORD nameLength = 256;
    DWORD type = 0;
    BYTE data[1024] = {};
    DWORD dataSize = sizeof data - sizeof(wchar_t);
    if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, data, &dataSize) != ERROR_SUCCESS) break;
    const std::wstring kind = type == REG_SZ ? L"" : L" (type " + std::to_wstring(type) + L")";
    Print(std::wstring(name) + L"=" + reinterpret_cast<const wchar_t*>(data) + kind);
  }
  RegCloseKey(key);
  return 0;
}

int Forget() {
  const LSTATUS status = RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VuriRivu");
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? 0 : 1;
}

int Store(const std::vector<std::wstring>& pairs) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\VuriRivu\\frmShutDown", 0, nullptr, 0, KEY_SET_VALUE,
                      nullptr, &key, nullptr) != ERROR_SUCCESS)
    return 1;
  int status = 0;
  for (const std::wstring& pair : pairs) {
    const size_t equals = pair.find(L'=');
    if (equals == std::wstring::npos) {
      status = 2;
      continue;
    }
    const std::wstring name = pair.substr(0, equals);
    const std::wstring value = pair.substr(equals + 1);
    if (RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) != ERROR_SUCCESS)
      status = 1;
  }
  RegCloseKey(key);
  return status;
}

// The two messages every top-level window gets when Windows ends the session.
int EndSession(const std::wstring& how) {
  if (!how.empty() && how != L"cancelled" && how != L"closeapp") return 2;
  const HWND launcher = ProgramWindow(kLauncherClass);
  if (!launcher) return 1;
  const LPARAM why = how == L"closeapp" ? ENDSESSION_CLOSEAPP : 0;
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(launcher, WM_QUERYENDSESSION, 0, why, SMTO_NORMAL, 30000, &answer)) return 1;
  Print(L"query " + std::to_wstring(answer));
  const WPARAM ends = how == L"cancelled" ? FALSE : TRUE;
  if (!SendMessageTimeoutW(launcher, WM_ENDSESSION, ends, why, SMTO_NORMAL, 60000, nullptr)) return 1;
  return 0;
}

int Close() {
  const HWND launcher = WaitForDocked(5000);
  return launcher && PostMessageW(launcher, WM_CLOSE, 0, 0) ? 0 : 1;
}

// The name an accessibility client reads from a control, or "none" where
// Wine's oleacc gives none.
std::wstring AccessibleName(HWND control) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(&object))))
    return L"none";
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  std::wstring text = L"none";
  if (SUCCEEDED(object->get_accName(self, &name)) && name) text = name;
  SysFreeString(name);
  object->Release();
  return text;
}

int Names() {
  const HWND launcher = WaitForDocked(5000);
  if (!launcher) return 1;
  CoInitialize(nullptr);
  Print(L"strip " + TextOf(launcher));
  for (int i = 0; i < kButtonCount; ++i) {
    const HWND button = GetDlgItem(launcher, kFirstButtonId + i);
    if (!button || !IsWindowVisible(button)) continue;
    Print(L"button" + std::to_wstring(i) + L" " + TextOf(button));
    Print(L"accessible" + std::to_wstring(i) + L" " + AccessibleName(button));
  }
  CoUninitialize();
  return 0;
}

LRESULT CALLBACK CoverProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// A plain window, as a user's other program would open one, over the strip
// and brought to the front: the strip stays above it only while it is topmost.
int Cover() {
  const HWND launcher = WaitForDocked(5000);
  if (!launcher) return 1;
  WNDCLASSW type{};
  type.lpfnWndProc = CoverProc;
  type.hInstance = GetModuleHandleW(nullptr);
  type.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  type.lpszClassName = L"LauncherCover";
  RegisterClassW(&type);
  RECT r;
  GetWindowRect(launcher, &r);
  const HWND cover = CreateWindowExW(0, type.lpszClassName, L"cover", WS_POPUP | WS_VISIBLE, r.left - 10,
                                     r.top - 10, r.right - r.left + 20, r.bottom - r.top + 20, nullptr,
                                     nullptr, type.hInstance, nullptr);
  if (!cover) return 1;
  SetForegroundWindow(cover);
  SetWindowPos(cover, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  MSG message;
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 300) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(kPollMs);
  }
  // Walking up from the cover: the strip is above it if it is met.
  HWND above = cover;
  while (above && above != launcher) above = GetWindow(above, GW_HWNDPREV);
  Print(std::wstring(L"above ") + (above == launcher ? L"strip" : L"cover"));
  DestroyWindow(cover);
  return 0;
}

bool AddKey(const std::wstring& name, std::vector<INPUT>& keys) {
  const auto press = [&keys](WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    keys.push_back(input);
  };
  if (name == L"shift+f10") {
    press(VK_SHIFT, false);
    press(VK_F10, false);
    press(VK_F10, true);
    press(VK_SHIFT, true);
    return true;
  }
  const std::pair<const wchar_t*, WORD> named[] = {{L"tab", VK_TAB},       {L"space", VK_SPACE},
                                                   {L"escape", VK_ESCAPE}, {L"down", VK_DOWN},
                                                   {L"enter", VK_RETURN},  {L"apps", VK_APPS}};
  for (const auto& [text, key] : named) {
    if (name != text) continue;
    press(key, false);
    press(key, true);
    return true;
  }
  return false;
}

int Keys(const std::vector<std::wstring>& names) {
  const HWND launcher = WaitForDocked(5000);
  if (!launcher) return 1;
  std::vector<INPUT> keys;
  for (const std::wstring& name : names)
    if (!AddKey(name, keys)) return 2;
  // Into whatever of the program is in front: the strip, or its open menu.
  if (!VisibleProgramWindow(L"#32768")) SetForegroundWindow(launcher);
  for (INPUT& key : keys) {
    SendInput(1, &key, sizeof(INPUT));
    // One at a time, each given time to arrive: a key may open a menu the
    // next one is meant for.
    Sleep(100);
  }
  return 0;
}

int Focus() {
  const HWND launcher = WaitForDocked(5000);
  if (!launcher) return 1;
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(launcher, nullptr), &info);
  const bool ours = info.hwndFocus && IsChild(launcher, info.hwndFocus);
  Print(L"focus " + (ours ? std::to_wstring(GetDlgCtrlID(info.hwndFocus)) : std::wstring(L"none")));
  return 0;
}

int Menu(DWORD waitMs) {
  const HWND menu = WaitFor(L"#32768", waitMs);
  if (!menu) {
    Print(L"menu none");
    return 1;
  }
  RECT r;
  GetWindowRect(menu, &r);
  Print(L"menu " + RectText(r));
  return 0;
}

int ButtonRect(int index) {
  const HWND launcher = WaitForDocked(5000);
  const HWND button = launcher ? GetDlgItem(launcher, kFirstButtonId + index) : nullptr;
  if (!button) return 1;
  RECT r;
  GetWindowRect(button, &r);
  Print(L"button " + RectText(r));
  return 0;
}

// The pixels of a bitmap as 0x00RRGGBB, top row first.
std::vector<COLORREF> Pixels(HDC dc, HBITMAP bitmap, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<COLORREF> pixels(static_cast<std::size_t>(width * height));
  GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
  for (COLORREF& p : pixels) p &= 0xFFFFFF;
  return pixels;
}

// The picture is looked for at every place inside the button: the fewest
// pixels that differ anywhere is the answer.
int Picture(int index, const std::wstring& file) {
  const HWND launcher = WaitForDocked(5000);
  const HWND button = launcher ? GetDlgItem(launcher, kFirstButtonId + index) : nullptr;
  const auto source =
      static_cast<HBITMAP>(LoadImageW(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  if (!button || !source) return 1;
  BITMAP size{};
  GetObjectW(source, sizeof size, &size);
  const HDC screen = GetDC(nullptr);
  const std::vector<COLORREF> picture = Pixels(screen, source, size.bmWidth, size.bmHeight);
  RECT r;
  GetWindowRect(button, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  const HDC memory = CreateCompatibleDC(screen);
  const HBITMAP shot = CreateCompatibleBitmap(screen, width, height);
  const HGDIOBJ old = SelectObject(memory, shot);
  BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  SelectObject(memory, old);
  const std::vector<COLORREF> shown = Pixels(screen, shot, width, height);
  DeleteObject(shot);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  DeleteObject(source);

  // Pure blue, as a 0x00RRGGBB value, shows the face; the face as the screen gives it.
  constexpr COLORREF kKey = 0x0000FF;
  const COLORREF faceColour = GetSysColor(COLOR_BTNFACE);
  const COLORREF face = (GetRValue(faceColour) << 16) | (GetGValue(faceColour) << 8) | GetBValue(faceColour);
  int fewest = size.bmWidth * size.bmHeight;
  for (int top = 0; top + size.bmHeight <= height; ++top) {
    for (int left = 0; left + size.bmWidth <= width; ++left) {
      int differ = 0;
      for (int y = 0; y < size.bmHeight && differ < fewest; ++y) {
        for (int x = 0; x < size.bmWidth; ++x) {
          const COLORREF want = picture[static_cast<std::size_t>(y * size.bmWidth + x)];
          const COLORREF got = shown[static_cast<std::size_t>((top + y) * width + left + x)];
          if ((want == kKey ? face : want) != got) ++differ;
        }
      }
      fewest = std::min(fewest, differ);
    }
  }
  Print(fewest == 0 ? std::wstring(L"picture same") : L"picture differs " + std::to_wstring(fewest));
  return 0;
}

DWORD Number(const std::wstring& text) { return wcstoul(text.c_str(), nullptr, 10); }

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::vector<std::wstring> args(argv + 1, argv + argc);
  const std::wstring command = args.empty() ? L"" : args[0];
  if (args.size() == 2 && command == L"window") return Window(Number(args[1]));
  if (args.size() == 1 && command == L"workarea") return WorkArea();
  if (args.size() == 3 && command == L"click")
    return Click(static_cast<int>(Number(args[1])), Number(args[2]));
  if (args.size() == 2 && command == L"answer") return Answer(args[1]);
  if (args.size() == 2 && command == L"gone") return Gone(Number(args[1]));
  if (args.size() == 2 && command == L"box") return Box(Number(args[1]));
  if (args.size() == 2 && command == L"settings") return Settings(args[1]);
  if (args.size() == 1 && command == L"forget") return Forget();
  if (args.size() >= 2 && command == L"store") return Store({args.begin() + 1, args.end()});
  if ((args.size() == 1 || args.size() == 2) && command == L"endsession")
    return EndSession(args.size() == 2 ? args[1] : L"");
  if (args.size() == 2 && command == L"hidden") return Hidden(Number(args[1]));
  if (args.size() == 1 && command == L"close") return Close();
  if (args.size() == 1 && command == L"names") return Names();
  if (args.size() == 1 && command == L"cover") return Cover();
  if (args.size() >= 2 && command == L"keys") return Keys({args.begin() + 1, args.end()});
  if (args.size() == 1 && command == L"focus") return Focus();
  if (args.size() == 2 && command == L"menu") return Menu(Number(args[1]));
  if (args.size() == 2 && command == L"buttonrect") return ButtonRect(static_cast<int>(Number(args[1])));
  if (args.size() == 3 && command == L"picture") return Picture(static_cast<int>(Number(args[1])), args[2]);
  fwprintf(
      stderr,
      L"usage: launcher_probe window <ms> | workarea | click <i> <ms> | answer enter|ok|cancel | gone <ms>"
      L" | box <ms> | settings <section> | forget | store <name=value>... | endsession [cancelled|closeapp]"
      L" | hidden <ms> | close | names | cover"
      L" | keys <key>... | focus | menu <ms> | buttonrect <i>\n");
  return 2;
}
