#pragma once
// The base of every window of the programs: a thin, non-copyable owner of one
// top-level HWND. The object is bound to its window at WM_NCCREATE, in the
// window's GWLP_USERDATA, and every message reaches the virtual
// HandleMessage. Nothing thrown in a handler crosses the window procedure: it
// is kept as the thread's pending error and rethrown by the message loop, or
// by Create, to the nearest caller outside. The owner carries modality, as
// under Windows' own dialog boxes: a window shown modally disables its owner
// only, so nested modal windows disable their owner chain.
//
// Each window has one resolution, read when it is made (that of the monitor
// it is made on) and replaced when Windows moves it to a monitor of another
// (WM_DPICHANGED). Every pixel of the window comes from it: its frame, its
// controls, their font, pictures and icons. A window whose layout carries
// text also grows with the user's text size. At a change of either, the
// toolkit places every control again from the twips it was given.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "ui/Handles.h"
#include "ui/Twips.h"

namespace ui {

class Control;

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
  // Pixels; for a window with a client area in twips (clientTwips), the size
  // it is made at before it takes its own at the resolution it is made at.
  int width = CW_USEDEFAULT;
  int height = CW_USEDEFAULT;
  // The client area in twips, kept at every resolution and text size.
  std::optional<TwipsSize> clientTwips;
  // Whether the layout grows with the user's text size (it carries text).
  bool scalesWithText = false;
};

class Window {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND Handle() const { return window_.get(); }
  bool IsOpen() const { return static_cast<bool>(window_); }

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

  // The resolution the window is shown at.
  int Dpi() const { return dpi_; }
  // How much the user's text size grows its layout (none for a window whose
  // layout carries no text).
  TextScale CurrentTextScale() const;
  // The font of its controls: the message font at the window's resolution
  // and the user's text size. It is the window's and goes with it.
  HFONT Font() const;
  // A place in twips in the client area, in pixels at the window's
  // resolution and text scale.
  RECT Pixels(const TwipsRect& place) const;
  // Lays the layout out with or without the user's text size from now on
  // (a window whose text shows only in some of its layouts); its controls
  // are placed again.
  void ScaleWithText(bool on);

  // A control made on this window: placed again with the window's every
  // change of resolution or text size. Controls go with their window.
  void Adopt(Control& control);
  void Forget(const Control& control);

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
  // The window goes: called while it and its controls still exist.
  virtual void OnDestroy() {}
  // The window was moved to a screen of another resolution (Dpi tells the
  // new one), and its controls stand at their places there: it takes the
  // place Windows suggests, at its own size where it has a client area in
  // twips.
  virtual void OnDpiChanged(const RECT& suggested);
  // The user's text size changed, and the controls stand at their places
  // at the new size: a window with a client area in twips takes its size,
  // keeping its top-left corner.
  virtual void OnTextSizeChanged();
  // A client area of that many twips from now on (FitClientTwips gives the
  // window its size).
  void SetClientTwips(TwipsSize size) { clientTwips_ = size; }
  // Gives the window its client area in twips at its resolution and text
  // scale, where <place> says for its outer size; answers the outer size.
  SIZE FitClientTwips(const std::function<POINT(SIZE outer)>& place);
  // Gives the window a client area of exactly that many pixels, with the
  // frame Windows draws at the window's resolution, and puts it where
  // <place> says for its outer size; answers the outer size. Where the frame
  // drawn is not the one Windows gives for the resolution (Wine draws every
  // frame at the system's), the size is made good by what it measures.
  SIZE FitClient(SIZE client, const std::function<POINT(SIZE outer)>& place);
  // An end of the session that Windows had asked this window about was
  // called off (WM_ENDSESSION with FALSE).
  virtual void OnSessionEndCancelled() {}

  // The pointer over a control shows this cursor (unless the program is busy).
  void SetControlCursor(HWND control, HCURSOR cursor) { controlCursors_[control] = cursor; }
  // Tab and Shift+Tab follow this order instead of the controls' z-order.
  void SetTabOrder(std::vector<HWND> order) { tabOrder_ = std::move(order); }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  bool MoveFocusInTabOrder(bool backwards);
  void GiveOwnerBack();
  void Detach();
  void ForgetWindow();
  // A new font for the resolution and text size of now, and every control
  // placed again with it; the old font goes once no control uses it.
  void Refit();
  void MakeFont() const;
  SIZE OuterSizeAt(int dpi, TextScale scale) const;
  SIZE ClientTwipsInPixels() const;

  bool destroying_ = false;
  std::unordered_map<HWND, HCURSOR> controlCursors_;
  std::vector<HWND> tabOrder_;
  HWND owner_ = nullptr;          // as given to Create
  HWND disabledOwner_ = nullptr;  // the owner ShowModal disabled, until it gets it back
  bool mainWindow_ = false;
  int dpi_ = 0;
  mutable UniqueFont font_;
  mutable int fontHeight_ = 0;  // the font's lfHeight
  DWORD style_ = 0;
  DWORD exStyle_ = 0;
  std::optional<TwipsSize> clientTwips_;
  bool scalesWithText_ = false;
  std::vector<Control*> controls_;
  // Last, so that it goes first: the window, before what its controls use.
  UniqueWindow window_;
};

}  // namespace ui
