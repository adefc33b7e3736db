#pragma once
// The base of every window of the programs: a thin, non-copyable owner of one
// top-level HWND. The object is bound to its window at WM_NCCREATE, in the
// window's GWLP_USERDATA, and every message reaches the virtual
// HandleMessage. Nothing thrown in a handler crosses the window procedure: it
// is kept as the thread's pending error and rethrown by the message loop, or
// by Create, to the nearest caller outside. The owner carries modality, as
// under Windows' own dialog boxes: a window shown modally disables its owner
// only, so nested modal windows disable their owner chain.
#include <windows.h>

#include <string>
#include <unordered_map>
#include <vector>

namespace ui {

// Why a window is asked to close: by the user, by the program itself,
// because the session is ending, or because Windows' Restart Manager closes
// programs for an installer or an update while the session goes on.
enum class CloseReason { User, Code, SessionEnding, RestartManager };

struct WindowParams {
  const wchar_t* className = nullptr;  // registered with the first window of that name
  std::wstring caption;
  DWORD style = WS_OVERLAPPEDWINDOW;
  DWORD exStyle = 0;
  HWND owner = nullptr;
  int left = CW_USEDEFAULT;  // pixels
  int top = CW_USEDEFAULT;
  int width = CW_USEDEFAULT;
  int height = CW_USEDEFAULT;
};

class Window {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND Handle() const { return hwnd_; }
  bool IsLoaded() const { return hwnd_ != nullptr; }

  // Asks the window to close (the close request runs with the given reason
  // and may keep it open); true when it is gone.
  bool Close(CloseReason reason = CloseReason::Code);

  // Keeps the window above every window that is not always on top, or lets it
  // fall back among them; it neither moves, resizes nor activates it.
  void StayOnTop(bool on);

  // Shows the window as a dialog box is shown: from now until the window goes
  // its owner takes no input, and gets it back just before, so that
  // activation returns to it. ui::RunModal also waits for the window to go.
  void ShowModal();

  // Makes this the program's main window: its WM_DESTROY posts the quit that
  // ends the program's message loop.
  void MakeMainWindow() { mainWindow_ = true; }

  // The resolution the window was last moved to (WM_DPICHANGED); 0 while it
  // stands where it was created.
  int MovedToDpi() const { return movedToDpi_; }

  // The ui window an HWND belongs to (its GWLP_USERDATA), or null for any
  // other window.
  static Window* FromHandle(HWND hwnd);

  // Registers the window class of that name now, ahead of its first window
  // (Create registers it otherwise): for a window that must come up at once,
  // whose class would take its time to register on the way.
  static void RegisterClassAhead(const wchar_t* className);

  // Keyboard handling before translation: explicit tab order, then the
  // dialog keys (Enter, Escape, arrows). True when the message was used.
  virtual bool PreTranslateMessage(MSG& message);

 protected:
  Window() = default;

  // Creates the window; throws what a handler raised while it was created,
  // or a core::Win32Error when Windows refused.
  void Create(const WindowParams& params);

  // Every message of the window. Overrides handle what they need and pass the
  // rest on to this base, which feeds the handlers below and DefWindowProc.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  virtual void OnCreate() {}
  virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
  virtual void OnTimer(UINT_PTR /*id*/) {}
  // The close request: false keeps the window.
  virtual bool OnCloseRequest(CloseReason /*reason*/) { return true; }
  // The unload step, while the window and its controls still exist.
  virtual void OnUnload() {}
  // The window was moved to a screen of another resolution (DpiOf tells the
  // new one): it takes the place Windows suggests; a window with controls
  // places and scales them again.
  virtual void OnDpiChanged(const RECT& suggested);
  // An end of the session that Windows had asked this window about was
  // called off (WM_ENDSESSION with FALSE).
  virtual void OnSessionEndCancelled() {}

  // The pointer over a control shows this cursor (unless the program is busy).
  void SetControlCursor(HWND control, HCURSOR cursor) { controlCursors_[control] = cursor; }
  // Tab and Shift+Tab follow this order instead of the controls' z-order.
  void SetTabOrder(std::vector<HWND> order) { tabOrder_ = std::move(order); }
  // For a WM_ACTIVATE, as a dialog does: the focus goes to <first> when the
  // window is first activated, and back to the control that had it whenever
  // the window is activated again. Otherwise the window itself would hold the
  // focus, and a plain key would act as an access key.
  void KeepFocusAcrossActivation(WPARAM activation, HWND first);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  bool MoveFocusInTabOrder(bool backwards);
  void GiveOwnerBack();
  void Detach();

  HWND hwnd_ = nullptr;
  bool destroying_ = false;
  std::unordered_map<HWND, HCURSOR> controlCursors_;
  std::vector<HWND> tabOrder_;
  HWND lastFocus_ = nullptr;
  HWND owner_ = nullptr;          // as given to Create
  HWND disabledOwner_ = nullptr;  // the owner ShowModal disabled, until it gets it back
  bool mainWindow_ = false;
  int movedToDpi_ = 0;
};

}  // namespace ui
