#pragma once
// Watches the countdown dialog from inside the modal wait that shows it: what
// it shows at each step, and when it first appeared, with a hook for the test
// to press its keys and buttons. Windows-side tests only.
#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/Unique.h"
#include "launcher/CountdownDialog.h"
#include "testing/ThreadTimer.h"

namespace launcher_test {

using Clock = std::chrono::steady_clock;

inline std::wstring WindowText(HWND window) {
  wchar_t text[256] = L"";
  GetWindowTextW(window, text, 256);
  return text;
}

// The visible countdown dialog of this program, if one is up.
inline HWND ShownCountdownDialog() {
  const HWND dialog = FindWindowW(launcher::CountdownDialog::kClassName, nullptr);
  return dialog && IsWindowVisible(dialog) ? dialog : nullptr;
}

inline HWND DialogControl(HWND dialog, int id) { return GetDlgItem(dialog, id); }

struct CountdownView {
  std::wstring title;
  std::wstring okCaption;
  std::wstring label;
  int lamp = -1;             // the one visible signal image, -1 unless exactly one shows
  Clock::time_point seenAt;  // when the watcher first saw this view

  bool SameAs(const CountdownView& other) const {
    return title == other.title && okCaption == other.okCaption && label == other.label && lamp == other.lamp;
  }
};

inline CountdownView ViewOf(HWND dialog) {
  CountdownView view;
  view.title = WindowText(dialog);
  view.okCaption = WindowText(DialogControl(dialog, launcher::CountdownDialog::kOkId));
  view.label = WindowText(DialogControl(dialog, launcher::CountdownDialog::kMessageId));
  int visible = 0;
  for (int i = 0; i < 3; ++i) {
    if (IsWindowVisible(DialogControl(dialog, launcher::CountdownDialog::kFirstLampId + i))) {
      ++visible;
      view.lamp = i;
    }
  }
  if (visible != 1) view.lamp = -1;
  return view;
}

class CountdownWatcher {
 public:
  // onShown runs once, the first time the dialog is seen on screen.
  explicit CountdownWatcher(std::function<void(HWND dialog)> onShown = {}) : onShown_(std::move(onShown)) {
    current_ = this;
    hook_.reset(SetWindowsHookExW(WH_CBT, &CountdownWatcher::Cbt, nullptr, GetCurrentThreadId()));
  }
  ~CountdownWatcher() { current_ = nullptr; }
  CountdownWatcher(const CountdownWatcher&) = delete;
  CountdownWatcher& operator=(const CountdownWatcher&) = delete;

  // Every distinct view, in the order seen (labels change once a second).
  const std::vector<CountdownView>& Views() const { return views_; }
  std::optional<Clock::time_point> ShownAt() const { return shownAt_; }
  // When the dialog was unloaded: its window's destruction began. Under Wine
  // without a window manager, hiding a framed window then waits two seconds
  // for the manager that never answers, so the modal call returns later.
  std::optional<Clock::time_point> ClosedAt() const { return closedAt_; }
  HWND FocusAtShow() const { return focusAtShow_; }

 private:
  static LRESULT CALLBACK Cbt(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_DESTROYWND && current_ && !current_->closedAt_ &&
        reinterpret_cast<HWND>(wParam) == current_->dialog_)
      current_->closedAt_ = Clock::now();
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  void Look() {
    const HWND dialog = ShownCountdownDialog();
    if (!dialog) return;
    CountdownView view = ViewOf(dialog);
    view.seenAt = Clock::now();
    if (views_.empty() || !views_.back().SameAs(view)) views_.push_back(view);
    if (!shownAt_) {
      shownAt_ = view.seenAt;
      dialog_ = dialog;
      focusAtShow_ = GetFocus();
      if (onShown_) onShown_(dialog);
    }
  }

  std::function<void(HWND)> onShown_;
  std::vector<CountdownView> views_;
  std::optional<Clock::time_point> shownAt_;
  std::optional<Clock::time_point> closedAt_;
  HWND dialog_ = nullptr;
  HWND focusAtShow_ = nullptr;
  core::Unique<core::NullIsEmpty<HHOOK, &UnhookWindowsHookEx>> hook_;
  static inline CountdownWatcher* current_ = nullptr;
  testing_support::ThreadTimer timer_{20, [this] { Look(); }};
};

// Sends a key to the control with the focus the way a keyboard does, through
// the message queue, so the dialog keys see it.
inline void PressKey(UINT key) {
  PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
  PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000001);
}

}  // namespace launcher_test
