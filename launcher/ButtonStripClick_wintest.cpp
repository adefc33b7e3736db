// A click on a strip button, from the button to the request: the mode of the
// button, the backdrop and the strip under it, the countdown over it, the
// ejection and the one request, and whether the strip goes afterwards.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "core/FakeSessionApi.h"
#include "launcher/Backdrop.h"
#include "launcher/ButtonStrip.h"
#include "launcher/CountdownDialog.h"
#include "launcher/CountdownDialogProbe.h"
#include "launcher/FakeScreenCapture.h"
#include "launcher/FakeVolumeApi.h"
#include "launcher/StripTexts.h"
#include "platform/FakePowerApi.h"
#include "platform/FakeSystemServices.h"
#include "settings/FakeSettingsStore.h"

namespace {

using launcher::Backdrop;
using launcher::ButtonStrip;
using launcher::CountdownDialog;
using launcher_test::CountdownWatcher;
using testing::Contains;
using testing::ElementsAre;
using testing::IsEmpty;

HWND BackdropWindow() { return FindWindowW(Backdrop::kClassName, nullptr); }
void Press(HWND dialog, int button) { SendMessageW(GetDlgItem(dialog, button), BM_CLICK, 0, 0); }
void Confirm(HWND dialog) { Press(dialog, CountdownDialog::kOkId); }
void Cancel(HWND dialog) { Press(dialog, CountdownDialog::kCancelId); }

// Notes, at the session-end request, whether the backdrop still covered the
// screen and the countdown had gone.
struct RequestWitness {
  bool backdropUp = false;
  bool dialogGone = false;
  void Note() {
    const HWND backdrop = BackdropWindow();
    backdropUp = backdrop && IsWindowVisible(backdrop);
    dialogGone = FindWindowW(CountdownDialog::kClassName, nullptr) == nullptr;
  }
};

class WatchedSession : public testing_support::FakeSessionApi {
 public:
  explicit WatchedSession(RequestWitness& witness) : witness_(witness) {}
  void RequestExit(std::uint32_t flags) override {
    witness_.Note();
    FakeSessionApi::RequestExit(flags);
  }

 private:
  RequestWitness& witness_;
};

class WatchedPower : public testing_support::FakePowerApi {
 public:
  explicit WatchedPower(RequestWitness& witness) : witness_(witness) {}
  std::optional<bool> SetSuspendState(bool hibernate, bool forceCritical, bool disableWakeEvent) override {
    witness_.Note();
    return FakePowerApi::SetSuspendState(hibernate, forceCritical, disableWakeEvent);
  }

 private:
  RequestWitness& witness_;
};

class ButtonStripClickTest : public ::testing::Test {
 protected:
  void TearDown() override { strip->Close(); }

  void Set(const wchar_t* key, bool on) {
    store.sections[ButtonStrip::kSettingsSection][key] = on ? L"True" : L"False";
  }
  // AutoEject on, and E: a removable drive.
  void EjectingWithARemovableE() {
    Set(L"AutoEject", true);
    system.driveTypes[L'E'] = platform::kDriveRemovable;
    volumes.driveTypes['E'] = platform::kDriveRemovable;
  }
  std::shared_ptr<ButtonStrip> NewStrip() {
    return std::make_shared<ButtonStrip>(
        launcher::LauncherServices{system, session, power, volumes, capture, store});
  }
  // Clicks button index, with the strip docked, and acts on the countdown
  // once it shows.
  void Click(int index, std::function<void(HWND dialog)> act) {
    if (!strip->IsLoaded()) strip->Show();
    CountdownWatcher watcher(std::move(act));
    SendMessageW(strip->Button(index).Handle(), BM_CLICK, 0, 0);
    dialogShown = watcher.ShownAt().has_value();
  }
  // The session-end requests made: exit requests and suspends, not the
  // question of what the machine can do.
  std::vector<std::string> Requests() const {
    std::vector<std::string> requests;
    for (const auto& line : session.log.Lines())
      if (line.starts_with("RequestExit")) requests.push_back(line);
    for (const auto& line : power.log.Lines())
      if (line != "SleepCapabilities()") requests.push_back(line);
    return requests;
  }
  void ForgetRequests() {
    session.log.Clear();
    power.log.Clear();
  }

  RequestWitness witness;
  testing_support::FakeSettingsStore store;
  testing_support::FakeSystemServices system;
  WatchedSession session{witness};
  WatchedPower power{witness};
  testing_support::FakeVolumeApi volumes;
  testing_support::FakeScreenCapture capture;
  std::shared_ptr<ButtonStrip> strip = NewStrip();
  bool dialogShown = false;
};

TEST_F(ButtonStripClickTest, ShutDownConfirmedRequestsAPlainShutDownAndTheStripGoes) {
  Click(0, Confirm);
  EXPECT_TRUE(dialogShown);
  EXPECT_THAT(Requests(), ElementsAre("RequestExit(1)"));
  EXPECT_FALSE(strip->IsLoaded());
}

TEST_F(ButtonStripClickTest, WithPowerdownTheSameButtonPowersOff) {
  Set(L"Powerdown", true);
  Click(0, Confirm);
  EXPECT_THAT(Requests(), ElementsAre("RequestExit(8)"));
  EXPECT_FALSE(strip->IsLoaded());
}

TEST_F(ButtonStripClickTest, EachButtonConfirmedMakesItsOneRequestWhileTheBackdropCoversTheScreen) {
  Set(L"Standby", true);
  const std::pair<int, const char*> requests[] = {
      {1, "RequestExit(0)"}, {2, "RequestExit(2)"}, {3, "SetSuspendState(0, 0, 0)"}, {0, "RequestExit(1)"}};
  for (const auto& [button, request] : requests) {
    ForgetRequests();
    witness = {};
    strip = NewStrip();
    Click(button, Confirm);
    EXPECT_THAT(Requests(), ElementsAre(request));
    EXPECT_TRUE(witness.backdropUp) << request;
    EXPECT_TRUE(witness.dialogGone) << request;
    EXPECT_EQ(BackdropWindow(), nullptr) << request;
  }
  EXPECT_THAT(volumes.log.Lines(), IsEmpty());
}

TEST_F(ButtonStripClickTest, ACancelLeavesTheStripDockedAndEjectsAndRequestsNothing) {
  EjectingWithARemovableE();
  Click(2, Cancel);
  EXPECT_TRUE(dialogShown);
  EXPECT_THAT(Requests(), IsEmpty());
  EXPECT_THAT(volumes.log.Lines(), IsEmpty());
  EXPECT_EQ(BackdropWindow(), nullptr);
  EXPECT_TRUE(strip->IsLoaded());
}

TEST_F(ButtonStripClickTest, StandbyConfirmedSuspendsAndKeepsTheStrip) {
  Set(L"Standby", true);
  Click(3, Confirm);
  EXPECT_THAT(Requests(), ElementsAre("SetSuspendState(0, 0, 0)"));
  EXPECT_TRUE(strip->IsLoaded());
  EXPECT_TRUE(IsWindowEnabled(strip->Handle()));
}

TEST_F(ButtonStripClickTest, StandbyOnAMachineWithoutItSaysSoOverTheBackdropAndRequestsNothing) {
  Set(L"Standby", true);
  power.sleepStates = platform::SleepStates{false, false};
  // The box runs its own loop on this thread; another thread reads it and presses OK.
  std::atomic<bool> clicked = false;
  std::wstring text;
  HWND owner = nullptr;
  std::thread reader([&] {
    for (int tries = 0; tries < 200 && !clicked; ++tries) {
      Sleep(50);
      const HWND box = FindWindowW(L"#32770", nullptr);
      DWORD process = 0;
      if (!box || (GetWindowThreadProcessId(box, &process), process != GetCurrentProcessId())) continue;
      wchar_t shown[256] = {};
      GetDlgItemTextW(box, 0xFFFF, shown, 256);
      text = shown;
      owner = GetWindow(box, GW_OWNER);
      clicked = PostMessageW(box, WM_COMMAND, IDOK, 0) != FALSE;
    }
  });
  HWND backdrop = nullptr;
  Click(3, [&](HWND dialog) {
    backdrop = BackdropWindow();
    Confirm(dialog);
  });
  reader.join();
  EXPECT_TRUE(clicked);
  EXPECT_EQ(text, launcher::kNoStandbyMessage);
  EXPECT_EQ(owner, backdrop) << "over the backdrop, which stands on top of everything";
  EXPECT_THAT(Requests(), IsEmpty());
  EXPECT_THAT(session.log.Lines(), testing::Not(Contains("EnableShutdownPrivilege()")));
  EXPECT_TRUE(strip->IsLoaded());
  EXPECT_EQ(BackdropWindow(), nullptr);
}

TEST_F(ButtonStripClickTest, LogOffWithAutoEjectEjectsOnceAfterTheGoAheadAndBeforeTheRequest) {
  EjectingWithARemovableE();
  std::vector<std::string> driveCallsBeforeGoAhead;
  Click(1, [&](HWND dialog) {
    driveCallsBeforeGoAhead = volumes.log.Lines();
    Confirm(dialog);
  });
  EXPECT_THAT(driveCallsBeforeGoAhead, IsEmpty());
  EXPECT_THAT(Requests(), ElementsAre("RequestExit(0)"));
  EXPECT_TRUE(witness.backdropUp);
  EXPECT_THAT(volumes.log.Lines(), Contains("Eject(0x101)"));
  // One scan, C to Z, before the request; the strip's own close after it is
  // no end of the session and ejects nothing more.
  const auto& lines = system.log.Lines();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "DriveType(C)"), 1);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "DriveType(E)"), 1);
  EXPECT_EQ(lines.back(), "DriveType(Z)");
  EXPECT_FALSE(strip->IsLoaded());
}

// The backdrop is owned by the strip and the countdown by the backdrop:
// while they stand the strip takes no click, and the countdown alone takes
// input.
TEST_F(ButtonStripClickTest, WhileTheBackdropStandsTheStripTakesNoClick) {
  bool stripEnabled = true, backdropEnabled = true, dialogEnabled = false;
  HWND backdrop = nullptr, backdropOwner = nullptr, dialogOwner = nullptr;
  Click(0, [&](HWND dialog) {
    backdrop = BackdropWindow();
    stripEnabled = IsWindowEnabled(strip->Handle());
    backdropEnabled = IsWindowEnabled(backdrop);
    dialogEnabled = IsWindowEnabled(dialog);
    backdropOwner = GetWindow(backdrop, GW_OWNER);
    dialogOwner = GetWindow(dialog, GW_OWNER);
    Cancel(dialog);
  });
  EXPECT_FALSE(stripEnabled);
  EXPECT_FALSE(backdropEnabled);
  EXPECT_TRUE(dialogEnabled);
  ASSERT_NE(backdrop, nullptr);
  EXPECT_EQ(backdropOwner, strip->Handle());
  EXPECT_EQ(dialogOwner, backdrop);
}

// The strip docks again when the work area changes under the backdrop; the
// backdrop and the countdown stay above it, on top of every other window.
TEST_F(ButtonStripClickTest, ASettingBroadcastUnderTheBackdropLeavesItAndTheCountdownOnTop) {
  store.sections[ButtonStrip::kSettingsSection][L"Pos"] = L"3";  // bottom left
  bool backdropTopmost = false, dialogAboveBackdrop = false, backdropAboveStrip = false;
  Click(0, [&](HWND dialog) {
    system.workArea.bottom -= 30;
    SendMessageW(strip->Handle(), WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
    const HWND backdrop = BackdropWindow();
    backdropTopmost = GetWindowLongPtrW(backdrop, GWL_EXSTYLE) & WS_EX_TOPMOST;
    for (HWND below = GetWindow(dialog, GW_HWNDNEXT); below; below = GetWindow(below, GW_HWNDNEXT))
      dialogAboveBackdrop = dialogAboveBackdrop || below == backdrop;
    for (HWND below = GetWindow(backdrop, GW_HWNDNEXT); below; below = GetWindow(below, GW_HWNDNEXT))
      backdropAboveStrip = backdropAboveStrip || below == strip->Handle();
    Cancel(dialog);
  });
  EXPECT_TRUE(backdropTopmost);
  EXPECT_TRUE(dialogAboveBackdrop);
  EXPECT_TRUE(backdropAboveStrip);
  RECT docked{};
  GetWindowRect(strip->Handle(), &docked);
  EXPECT_EQ(docked.bottom, system.workArea.bottom);
}

TEST_F(ButtonStripClickTest, AfterACancelTheStripAnswersAgain) {
  Click(2, Cancel);
  EXPECT_TRUE(IsWindowEnabled(strip->Handle()));
  EXPECT_THAT(Requests(), IsEmpty());
  Click(2, Confirm);
  EXPECT_TRUE(dialogShown);
  EXPECT_EQ(capture.captures, 2) << "each click captures the screen anew";
  EXPECT_THAT(Requests(), ElementsAre("RequestExit(2)"));
  EXPECT_FALSE(strip->IsLoaded());
}

TEST_F(ButtonStripClickTest, AScreenThatCannotBeCapturedShowsNothingAndTheStripStaysInService) {
  capture.fails = true;
  Click(0, Confirm);
  EXPECT_FALSE(dialogShown);
  EXPECT_EQ(capture.captures, 1);
  EXPECT_EQ(BackdropWindow(), nullptr);
  EXPECT_THAT(Requests(), IsEmpty());
  EXPECT_TRUE(strip->IsLoaded());
  EXPECT_TRUE(IsWindowEnabled(strip->Handle()));

  capture.fails = false;
  Click(0, Confirm);
  EXPECT_THAT(Requests(), ElementsAre("RequestExit(1)"));
}

// Two monitors, the second left of the primary and lower: the backdrop
// freezes both, and the countdown stands in the middle of the strip's.
TEST_F(ButtonStripClickTest, TheCountdownStandsInTheMiddleOfTheStripsMonitor) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  capture.monitors = {{0, 0, width, height}, {-800, 100, 0, 700}};
  capture.holding = 1;
  RECT backdrop{}, dialog{};
  Click(0, [&](HWND shown) {
    GetWindowRect(BackdropWindow(), &backdrop);
    GetWindowRect(shown, &dialog);
    Cancel(shown);
  });
  const RECT both{-800, 0, width, height};
  EXPECT_TRUE(EqualRect(&backdrop, &both));
  EXPECT_NEAR((dialog.left + dialog.right) / 2.0, -400, 1);
  EXPECT_NEAR((dialog.top + dialog.bottom) / 2.0, 400, 1);
}

TEST_F(ButtonStripClickTest, TheEndOfTheSessionIsAnsweredYesEverywhereAndClosesTheCountdownAsAStop) {
  EjectingWithARemovableE();
  std::vector<LRESULT> answers;
  std::atomic<bool> allAnswered{false};
  std::thread asker;
  Click(0, [&](HWND dialog) {
    const HWND backdrop = BackdropWindow();
    const HWND owner = strip->Handle();
    // Windows asks from outside the program's thread and waits for each answer.
    asker = std::thread([&answers, &allAnswered, owner, backdrop, dialog] {
      bool all = true;
      for (const HWND window : {owner, backdrop, dialog}) {
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
  });
  asker.join();

  EXPECT_TRUE(allAnswered);
  EXPECT_THAT(answers, ElementsAre(TRUE, TRUE, TRUE));
  EXPECT_THAT(Requests(), IsEmpty());
  EXPECT_THAT(volumes.log.Lines(), IsEmpty());
  EXPECT_EQ(BackdropWindow(), nullptr);
  EXPECT_TRUE(strip->IsLoaded());
  EXPECT_TRUE(IsWindowEnabled(strip->Handle()));
}

// The session ends at the strip while the countdown runs: the strip ejects
// as asked and closes, and the backdrop and the countdown it owns go with it,
// the countdown as a stop.
TEST_F(ButtonStripClickTest, TheStripEndingWithTheSessionTakesTheBackdropAndTheCountdownWithIt) {
  EjectingWithARemovableE();
  std::thread asker;
  Click(0, [&](HWND) {
    const HWND owner = strip->Handle();
    asker = std::thread([owner] {
      DWORD_PTR result = 0;
      SendMessageTimeoutW(owner, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 30000, &result);
    });
  });
  asker.join();

  EXPECT_FALSE(strip->IsLoaded());
  EXPECT_EQ(BackdropWindow(), nullptr);
  EXPECT_EQ(FindWindowW(CountdownDialog::kClassName, nullptr), nullptr);
  EXPECT_THAT(Requests(), IsEmpty());
  EXPECT_THAT(volumes.log.Lines(), Contains("Open(E)"));
}

}  // namespace
