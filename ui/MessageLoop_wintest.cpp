// The modal runs: the owner disabled yet still served, nested runs each
// disabling their own owner, the wait ending with the window or after a
// while, a quit passed on, errors brought out to the caller; and timers.
#include "ui/MessageLoop.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
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
  bool ownerEnabledAtDestroy = false;
  std::set<UINT_PTR> ticked;
  ui::Timer timer{*this, 20};
  ui::Timer otherTimer{*this, 20};

  void Open(HWND owner = nullptr) {
    ui::WindowParams params;
    params.className = L"ui.test.Form";
    params.style = WS_POPUP;
    params.owner = owner;
    params.width = 80;
    params.height = 40;
    Create(params);
  }

 protected:
  void OnTimer(UINT_PTR id) override {
    ticked.insert(id);
    if (id == otherTimer.Id()) {
      otherTimer.Stop();
      return;
    }
    timer.Stop();
    if (onTick) onTick();
  }
  void OnDestroy() override { ownerEnabledAtDestroy = IsWindowEnabled(GetWindow(Handle(), GW_OWNER)); }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kNote) {
      ++notes;
      enabledAtNote = IsWindowEnabled(Handle());
      return 0;
    }
    return ui::Window::HandleMessage(message, wParam, lParam);
  }
};

// Dispatches the thread's messages for a while.
void RunFor(DWORD milliseconds) {
  const DWORD started = GetTickCount();
  MSG message;
  while (GetTickCount() - started < milliseconds) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ui::DispatchOne(message);
    Sleep(5);
  }
}

TEST(RunModal, TheOwnerTakesNoInputYetGetsItsMessagesAndNoOtherWindowIsTouched) {
  Form launcher, other, modal;
  launcher.Open();
  other.Open();
  modal.Open(launcher.Handle());
  bool queryAnswered = false;
  bool otherEnabled = false;
  modal.onTick = [&] {
    PostMessageW(launcher.Handle(), kNote, 0, 0);
    // The system's question at the end of the session is sent, not posted.
    queryAnswered = SendMessageW(launcher.Handle(), WM_QUERYENDSESSION, 0, 0) == TRUE;
    otherEnabled = IsWindowEnabled(other.Handle());
    launcher.timer.Start();
  };
  launcher.onTick = [&] { modal.Close(); };
  modal.timer.Start();
  ui::RunModal(modal);

  EXPECT_FALSE(modal.IsOpen());
  EXPECT_EQ(launcher.notes, 1);
  EXPECT_FALSE(launcher.enabledAtNote);
  EXPECT_TRUE(queryAnswered);
  EXPECT_TRUE(otherEnabled);
  // Given back before the window went, so activation could return to it.
  EXPECT_TRUE(modal.ownerEnabledAtDestroy);
  EXPECT_TRUE(IsWindowEnabled(launcher.Handle()));
}

TEST(RunModal, NestedRunsDisableTheOwnerChainAndGiveEachOwnerBackInTurn) {
  Form launcher, backdrop, dialog;
  launcher.Open();
  backdrop.Open(launcher.Handle());
  dialog.Open(backdrop.Handle());
  bool launcherEnabledDuringDialog = true;
  bool backdropEnabledDuringDialog = true;
  bool backdropEnabledAfterDialog = false;
  bool launcherEnabledAfterDialog = true;
  backdrop.onTick = [&] {
    dialog.timer.Start();
    ui::RunModal(dialog);
    backdropEnabledAfterDialog = IsWindowEnabled(backdrop.Handle());
    launcherEnabledAfterDialog = IsWindowEnabled(launcher.Handle());
    backdrop.Close();
  };
  dialog.onTick = [&] {
    backdropEnabledDuringDialog = IsWindowEnabled(backdrop.Handle());
    launcherEnabledDuringDialog = IsWindowEnabled(launcher.Handle());
    dialog.Close();
  };
  backdrop.timer.Start();
  ui::RunModal(backdrop);
  EXPECT_FALSE(backdropEnabledDuringDialog);
  EXPECT_FALSE(launcherEnabledDuringDialog);
  EXPECT_TRUE(backdropEnabledAfterDialog);
  EXPECT_FALSE(launcherEnabledAfterDialog);
  EXPECT_TRUE(IsWindowEnabled(launcher.Handle()));
}

TEST(RunModal, AnOwnerDisabledBeforeIsLeftDisabled) {
  Form owner, modal;
  owner.Open();
  modal.Open(owner.Handle());
  EnableWindow(owner.Handle(), FALSE);
  modal.onTick = [&] { modal.Close(); };
  modal.timer.Start();
  ui::RunModal(modal);
  EXPECT_FALSE(IsWindowEnabled(owner.Handle()));
}

TEST(RunModal, AQuitEndsTheWaitAndIsPassedOn) {
  Form modal;
  modal.Open();
  modal.onTick = [] { PostQuitMessage(7); };
  modal.timer.Start();
  ui::RunModal(modal);
  EXPECT_TRUE(modal.IsOpen());
  MSG message;
  ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 7u);
}

TEST(RunModal, AnErrorClosesTheWindowGivesTheOwnerBackAndReachesTheCaller) {
  Form launcher, modal;
  launcher.Open();
  modal.Open(launcher.Handle());
  modal.onTick = [] { throw std::runtime_error("tick failed"); };
  modal.timer.Start();
  EXPECT_THROW(ui::RunModal(modal), std::runtime_error);
  EXPECT_FALSE(modal.IsOpen());
  EXPECT_TRUE(IsWindowEnabled(launcher.Handle()));
}

TEST(RunModal, NeedsAnOpenWindow) {
  Form modal;
  try {
    ui::RunModal(modal);
    ADD_FAILURE() << "a window that is not open was shown";
  } catch (const core::Win32Error& error) {
    EXPECT_EQ(error.code, static_cast<std::uint32_t>(ERROR_INVALID_WINDOW_HANDLE));
  }
}

TEST(RunModal, AWindowObjectThatGoesFirstGivesItsOwnerBack) {
  Form owner;
  owner.Open();
  {
    Form modal;
    modal.Open(owner.Handle());
    modal.ShowModal();
    EXPECT_FALSE(IsWindowEnabled(owner.Handle()));
  }
  EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
}

TEST(RunModalFor, WaitsWhileTheWindowStandsAndServesTheProgramMeanwhile) {
  Form owner, modal;
  owner.Open();
  modal.Open(owner.Handle());
  modal.ShowModal();
  PostMessageW(owner.Handle(), kNote, 0, 0);
  const DWORD started = GetTickCount();
  EXPECT_TRUE(ui::RunModalFor(modal, 100));
  const DWORD waited = GetTickCount() - started;
  EXPECT_GE(waited, 90u);
  EXPECT_LT(waited, 2000u);
  EXPECT_EQ(owner.notes, 1);
  EXPECT_TRUE(modal.IsOpen());
  EXPECT_FALSE(IsWindowEnabled(owner.Handle()));
  modal.Close();
  EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
}

TEST(RunModalFor, EndsAtOnceWhenTheWindowGoes) {
  Form modal;
  modal.Open();
  modal.onTick = [&] { modal.Close(); };
  modal.timer.Start();
  modal.ShowModal();
  const DWORD started = GetTickCount();
  EXPECT_FALSE(ui::RunModalFor(modal, 5000));
  EXPECT_LT(GetTickCount() - started, 2000u);
}

TEST(RunModalFor, AQuitEndsTheWaitAndIsPassedOn) {
  Form modal;
  modal.Open();
  modal.ShowModal();
  PostQuitMessage(3);
  EXPECT_FALSE(ui::RunModalFor(modal, 5000));
  EXPECT_TRUE(modal.IsOpen());
  MSG message;
  ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 3u);
}

TEST(Timer, TicksUntilStoppedAndRestartsFromTheStart) {
  Form form;
  form.Open();
  int ticks = 0;
  form.onTick = [&] {
    if (++ticks < 3) form.timer.Start();
  };
  form.timer.Start();
  const DWORD started = GetTickCount();
  MSG message;
  while (ticks < 3 && GetTickCount() - started < 5000) {
    if (GetMessageW(&message, nullptr, 0, 0) > 0) ui::DispatchOne(message);
  }
  EXPECT_EQ(ticks, 3);
  RunFor(100);
  EXPECT_EQ(ticks, 3) << "a stopped timer ticks no more";
}

TEST(Timer, EachTimerOfAWindowTicksWithItsOwnId) {
  Form form;
  form.Open();
  EXPECT_NE(form.timer.Id(), form.otherTimer.Id());
  form.timer.Start();
  form.otherTimer.Start();
  RunFor(150);
  EXPECT_EQ(form.ticked, (std::set<UINT_PTR>{form.timer.Id(), form.otherTimer.Id()}));
}

}  // namespace
