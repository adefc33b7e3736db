// The backdrop on screen: its picture of the screen, the countdown on top, and
// what it asks for afterwards, with fake session-end, volume and capture calls.
#include "launcher/Backdrop.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

#include "launcher/CountdownDialog.h"
#include "launcher/CountdownDialogProbe.h"
#include "launcher/FakeScreenCapture.h"
#include "launcher/FakeVolumeApi.h"
#include "launcher/MediaEjector.h"
#include "platform/FakeSystemServices.h"
#include "settings/FakeSettingsStore.h"
#include "ui/PlainWindow.h"

namespace {

using launcher::Backdrop;
using Mode = launcher::SessionEndMode;
using launcher::CountdownDialog;
using launcher_test::CountdownWatcher;
using launcher_test::DialogControl;
using launcher_test::PressKey;
using testing::Contains;
using testing::ElementsAre;
using testing::IsEmpty;

// Notes, at each session-end request, whether the backdrop still covered the
// screen and the dialog had gone.
class WatchingSystemHelper : public testing_support::FakeSystemServices {
 public:
  bool backdropUpAtRequest = false;
  bool dialogGoneAtRequest = false;

  void DoShutdown() override {
    Note();
    FakeSystemServices::DoShutdown();
  }
  void DoLogoff() override {
    Note();
    FakeSystemServices::DoLogoff();
  }
  void DoRestart() override {
    Note();
    FakeSystemServices::DoRestart();
  }
  void DoPowerOff() override {
    Note();
    FakeSystemServices::DoPowerOff();
  }
  void DoStandby() override {
    Note();
    FakeSystemServices::DoStandby();
  }

 private:
  void Note() {
    const HWND backdrop = FindWindowW(Backdrop::kClassName, nullptr);
    backdropUpAtRequest = backdrop && IsWindowVisible(backdrop);
    dialogGoneAtRequest = FindWindowW(CountdownDialog::kClassName, nullptr) == nullptr;
  }
};

void Click(HWND dialog, int button) { SendMessageW(DialogControl(dialog, button), BM_CLICK, 0, 0); }
void Confirm(HWND dialog) { Click(dialog, CountdownDialog::kOkId); }
void Cancel(HWND dialog) { Click(dialog, CountdownDialog::kCancelId); }

HWND BackdropWindow() { return FindWindowW(Backdrop::kClassName, nullptr); }

class DesktopTest : public ::testing::Test {
 protected:
  launcher::LauncherServices Services() { return {system, volumes, capture, store}; }

  // Runs a fresh backdrop over <launcher>, answering the dialog with act once it shows.
  bool Run(Mode mode, bool autoEject, std::function<void(HWND)> act, HWND launcher = nullptr) {
    CountdownWatcher watcher(std::move(act));
    const bool answer = std::make_shared<Backdrop>(Services())->Run(mode, autoEject, launcher);
    dialogShown = watcher.ShownAt().has_value();
    return answer;
  }

  testing_support::FakeSettingsStore store;
  WatchingSystemHelper system;
  testing_support::FakeVolumeApi volumes;
  testing_support::FakeScreenCapture capture;
  bool dialogShown = false;
};

TEST_F(DesktopTest, AConfirmedCountdownMakesExactlyTheModesRequestWhileTheBackdropIsUp) {
  const std::pair<Mode, const char*> requests[] = {{Mode::Shutdown, "DoShutdown()"},
                                                   {Mode::Logoff, "DoLogoff()"},
                                                   {Mode::Restart, "DoRestart()"},
                                                   {Mode::PowerOff, "DoPowerOff()"},
                                                   {Mode::Standby, "DoStandby()"}};
  for (const auto& [mode, request] : requests) {
    system.log.Clear();
    system.backdropUpAtRequest = system.dialogGoneAtRequest = false;
    EXPECT_TRUE(Run(mode, false, Confirm)) << request;
    EXPECT_THAT(system.log.Lines(), ElementsAre(request));
    EXPECT_TRUE(system.backdropUpAtRequest) << request;
    EXPECT_TRUE(system.dialogGoneAtRequest) << request;
    EXPECT_EQ(BackdropWindow(), nullptr) << request;
  }
  EXPECT_THAT(volumes.log.Lines(), IsEmpty());
}

TEST_F(DesktopTest, AskedToEjectItEjectsAfterTheGoAheadAndBeforeTheRequest) {
  system.driveTypes[L'E'] = platform::kDriveRemovable;
  volumes.driveTypes['E'] = platform::kDriveRemovable;
  EXPECT_TRUE(Run(Mode::Logoff, true, Confirm));

  const auto& lines = system.log.Lines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(), "DoLogoff()");
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "DoLogoff()"), 1);
  EXPECT_EQ(lines.front(), "DriveType(C)");
  EXPECT_EQ(lines[lines.size() - 2], "DriveType(Z)");
  EXPECT_THAT(volumes.log.Lines(), Contains("Open(E)"));
  EXPECT_THAT(volumes.log.Lines(), Contains("Eject(0x101)"));
}

TEST_F(DesktopTest, ACancelledCountdownEjectsNothingAndRequestsNothing) {
  system.driveTypes[L'E'] = platform::kDriveRemovable;
  volumes.driveTypes['E'] = platform::kDriveRemovable;
  EXPECT_FALSE(Run(Mode::Shutdown, true, Cancel));
  EXPECT_TRUE(dialogShown);
  EXPECT_THAT(system.log.Lines(), IsEmpty());
  EXPECT_THAT(volumes.log.Lines(), IsEmpty());
  EXPECT_EQ(BackdropWindow(), nullptr);
}

TEST_F(DesktopTest, AFormUsedOnceAnswersFalseAtOnceAndShowsNothing) {
  const auto form = std::make_shared<Backdrop>(Services());
  {
    CountdownWatcher watcher(Cancel);
    EXPECT_FALSE(form->Run(Mode::Shutdown, false));
  }
  const int captures = capture.captures;

  CountdownWatcher watcher(Confirm);
  EXPECT_FALSE(form->Run(Mode::Shutdown, false));
  EXPECT_EQ(capture.captures, captures);
  EXPECT_FALSE(form->IsLoaded());
  EXPECT_EQ(BackdropWindow(), nullptr);
  EXPECT_THAT(system.log.Lines(), IsEmpty());
}

TEST_F(DesktopTest, AScreenThatCannotBeCapturedAnswersFalseAndShowsNothing) {
  capture.fails = true;
  EXPECT_FALSE(Run(Mode::Shutdown, true, Confirm));
  EXPECT_FALSE(dialogShown);
  EXPECT_EQ(capture.captures, 1);
  EXPECT_EQ(BackdropWindow(), nullptr);
  EXPECT_THAT(system.log.Lines(), IsEmpty());

  // The form was not used up: the next try captures the screen.
  capture.fails = false;
  EXPECT_TRUE(Run(Mode::Shutdown, false, Confirm));
}

TEST_F(DesktopTest, TakesOnePictureOfTheScreenAndKeepsNoSettings) {
  EXPECT_FALSE(Run(Mode::Shutdown, false, Cancel));
  EXPECT_EQ(capture.captures, 1);
  EXPECT_THAT(store.log.Lines(), IsEmpty());
}

TEST_F(DesktopTest, TheBackdropIsABorderlessScreenWithoutTaskbarButton) {
  LONG_PTR style = 0, exStyle = 0;
  RECT place{};
  std::wstring caption;
  bool disabledUnderDialog = false;
  Run(Mode::Shutdown, false, [&](HWND dialog) {
    const HWND backdrop = BackdropWindow();
    style = GetWindowLongPtrW(backdrop, GWL_STYLE);
    exStyle = GetWindowLongPtrW(backdrop, GWL_EXSTYLE);
    GetWindowRect(backdrop, &place);
    caption = launcher_test::WindowText(backdrop);
    disabledUnderDialog = !IsWindowEnabled(backdrop);
    Cancel(dialog);
  });
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME | WS_SYSMENU));
  EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
  // Every monitor: the whole virtual screen.
  EXPECT_EQ(place.left, GetSystemMetrics(SM_XVIRTUALSCREEN));
  EXPECT_EQ(place.top, GetSystemMetrics(SM_YVIRTUALSCREEN));
  EXPECT_EQ(place.right - place.left, GetSystemMetrics(SM_CXVIRTUALSCREEN));
  EXPECT_EQ(place.bottom - place.top, GetSystemMetrics(SM_CYVIRTUALSCREEN));
  EXPECT_EQ(testing_support::Utf8(caption), "VuriRivu 終了の確認");
  EXPECT_TRUE(disabledUnderDialog);
}

TEST_F(DesktopTest, TheDialogStandsAboveTheTopmostBackdrop) {
  bool backdropTopmost = false, dialogTopmost = false, dialogAbove = false;
  Run(Mode::Shutdown, false, [&](HWND dialog) {
    const HWND backdrop = BackdropWindow();
    backdropTopmost = GetWindowLongPtrW(backdrop, GWL_EXSTYLE) & WS_EX_TOPMOST;
    dialogTopmost = GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST;
    for (HWND below = GetWindow(dialog, GW_HWNDNEXT); below; below = GetWindow(below, GW_HWNDNEXT))
      dialogAbove = dialogAbove || below == backdrop;
    Cancel(dialog);
  });
  EXPECT_TRUE(backdropTopmost);
  EXPECT_TRUE(dialogTopmost);
  EXPECT_TRUE(dialogAbove);
}

// Two monitors, the second left of the primary and lower: the backdrop
// freezes both, and the countdown stands in the middle of the launcher's.
TEST_F(DesktopTest, OverTwoMonitorsItCoversBothAndCentresTheDialogOnTheLaunchersOne) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  capture.monitors = {{0, 0, width, height}, {-800, 100, 0, 700}};
  capture.holding = 1;
  RECT backdrop{}, dialog{};
  EXPECT_FALSE(Run(Mode::Shutdown, false, [&](HWND shown) {
    GetWindowRect(BackdropWindow(), &backdrop);
    GetWindowRect(shown, &dialog);
    Cancel(shown);
  }));
  const RECT both{-800, 0, width, height};
  EXPECT_TRUE(EqualRect(&backdrop, &both));
  ASSERT_EQ(capture.captured.size(), 1u);
  EXPECT_EQ(capture.captured[0], (launcher::ScreenRect{-800, 0, width, height}));
  EXPECT_NEAR((dialog.left + dialog.right) / 2.0, -400, 1);
  EXPECT_NEAR((dialog.top + dialog.bottom) / 2.0, 400, 1);
}

TEST_F(DesktopTest, EachRunCapturesTheScreenAnew) {
  EXPECT_FALSE(Run(Mode::Shutdown, false, Cancel));
  EXPECT_EQ(BackdropWindow(), nullptr);
  EXPECT_TRUE(Run(Mode::Restart, false, Confirm));
  EXPECT_EQ(capture.captures, 2);
  EXPECT_THAT(system.log.Lines(), ElementsAre("DoRestart()"));
}

// A launcher stand-in: the window the backdrop is shown over, disabled under it.
using OtherWindow = testing_support::PlainWindow;

TEST_F(DesktopTest, TheEndOfTheSessionIsAnsweredYesEverywhereAndClosesTheCountdownAsAStop) {
  const auto launcher = std::make_shared<OtherWindow>();
  launcher->Load();
  std::vector<LRESULT> answers;
  std::atomic<bool> allAnswered{false};
  std::thread asker;
  bool launcherDisabled = false;
  const bool answer = Run(Mode::Shutdown, true, [&](HWND dialog) {
    launcherDisabled = !IsWindowEnabled(launcher->Handle());
    const HWND backdrop = BackdropWindow();
    const HWND other = launcher->Handle();
    // Windows asks from outside the program's thread and waits for each answer.
    asker = std::thread([&answers, &allAnswered, other, backdrop, dialog] {
      bool all = true;
      for (const HWND window : {other, backdrop, dialog}) {
        DWORD_PTR result = 0;
        all = SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 3000, &result) != 0 && all;
        answers.push_back(static_cast<LRESULT>(result));
      }
      allAnswered = all;
      for (const HWND window : {dialog, backdrop}) {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 3000, &result);
      }
    });
  }, launcher->Handle());
  asker.join();

  EXPECT_TRUE(launcherDisabled);
  EXPECT_TRUE(allAnswered);
  EXPECT_THAT(answers, ElementsAre(TRUE, TRUE, TRUE));
  EXPECT_FALSE(answer);
  EXPECT_THAT(system.log.Lines(), IsEmpty());
  EXPECT_THAT(volumes.log.Lines(), IsEmpty());
  EXPECT_TRUE(IsWindowEnabled(launcher->Handle()));
}

}  // namespace
