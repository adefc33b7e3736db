// The modal wait: other windows disabled yet still served, the wait ending
// with the window, a quit passed on, errors brought out to the caller.
#include "ui/MessageLoop.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "core/Win32Error.h"
#include "ui/Timer.h"
#include "ui/Window.h"

namespace {

constexpr UINT kNote = WM_APP + 3;

class Form : public ui::Window {
 public:
  std::function<void()> onTick;
  int notes = 0;
  bool enabledAtNote = true;
  ui::Timer timer{*this, 1, 20};

  void Load() {
    ui::WindowParams params;
    params.className = L"ui.test.Form";
    params.style = WS_POPUP;
    params.width = 80;
    params.height = 40;
    Create(params);
  }

 protected:
  void OnTimer(UINT_PTR) override {
    timer.Stop();
    if (onTick) onTick();
  }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kNote) {
      ++notes;
      enabledAtNote = IsWindowEnabled(Handle());
      return 0;
    }
    return ui::Window::HandleMessage(message, wParam, lParam);
  }
};

TEST(ShowModal, OtherWindowsAreDisabledButStillGetTheirMessages) {
  Form launcher, modal;
  launcher.Load();
  modal.Load();
  bool queryAnswered = false;
  modal.onTick = [&] {
    PostMessageW(launcher.Handle(), kNote, 0, 0);
    // The system's question at the end of the session is sent, not posted.
    queryAnswered = SendMessageW(launcher.Handle(), WM_QUERYENDSESSION, 0, 0) == TRUE;
    launcher.timer.Start();
  };
  launcher.onTick = [&] { modal.Close(); };
  modal.timer.Start();
  ui::ShowModal(modal);

  EXPECT_FALSE(modal.IsLoaded());
  EXPECT_EQ(launcher.notes, 1);
  EXPECT_FALSE(launcher.enabledAtNote);
  EXPECT_TRUE(queryAnswered);
  EXPECT_TRUE(IsWindowEnabled(launcher.Handle()));
}

TEST(ShowModal, NestedWaitsEachEndWithTheirOwnWindow) {
  Form launcher, backdrop, dialog;
  launcher.Load();
  backdrop.Load();
  dialog.Load();
  bool backdropEnabledDuringDialog = true;
  bool launcherEnabledAfterDialog = true;
  backdrop.onTick = [&] {
    dialog.timer.Start();
    ui::ShowModal(dialog);
    launcherEnabledAfterDialog = IsWindowEnabled(launcher.Handle());
    backdrop.Close();
  };
  dialog.onTick = [&] {
    backdropEnabledDuringDialog = IsWindowEnabled(backdrop.Handle());
    dialog.Close();
  };
  backdrop.timer.Start();
  ui::ShowModal(backdrop);
  EXPECT_FALSE(backdropEnabledDuringDialog);
  EXPECT_FALSE(launcherEnabledAfterDialog);
  EXPECT_TRUE(IsWindowEnabled(launcher.Handle()));
}

TEST(ShowModal, AQuitEndsTheWaitAndIsPassedOn) {
  Form modal;
  modal.Load();
  modal.onTick = [] { PostQuitMessage(7); };
  modal.timer.Start();
  ui::ShowModal(modal);
  EXPECT_TRUE(modal.IsLoaded());
  MSG message;
  ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 7u);
}

TEST(ShowModal, AnErrorUnloadsTheWindowAndReachesTheCaller) {
  Form launcher, modal;
  launcher.Load();
  modal.Load();
  modal.onTick = [] { throw std::runtime_error("tick failed"); };
  modal.timer.Start();
  EXPECT_THROW(ui::ShowModal(modal), std::runtime_error);
  EXPECT_FALSE(modal.IsLoaded());
  EXPECT_TRUE(IsWindowEnabled(launcher.Handle()));
}

TEST(ShowModal, NeedsALoadedWindow) {
  Form modal;
  try {
    ui::ShowModal(modal);
    ADD_FAILURE() << "a window that is not loaded was shown";
  } catch (const core::Win32Error& error) {
    EXPECT_EQ(error.code, static_cast<std::uint32_t>(ERROR_INVALID_WINDOW_HANDLE));
  }
}

TEST(Timer, TicksUntilStoppedAndRestartsFromTheStart) {
  Form form;
  form.Load();
  int ticks = 0;
  form.onTick = [&] {
    if (++ticks < 3) form.timer.Start();
  };
  EXPECT_FALSE(form.timer.IsRunning());
  form.timer.Start();
  EXPECT_TRUE(form.timer.IsRunning());
  const DWORD started = GetTickCount();
  MSG message;
  while (ticks < 3 && GetTickCount() - started < 5000) {
    if (GetMessageW(&message, nullptr, 0, 0) > 0) ui::DispatchOne(message);
  }
  EXPECT_EQ(ticks, 3);
  EXPECT_FALSE(form.timer.IsRunning());
}

}  // namespace
