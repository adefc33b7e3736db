// A click on a strip button, from the button to the request: the mode of the
// button, the backdrop and the strip under it, the countdown over it, the
// ejection and the one request, Windows' answer to it, and what the strip
// does until the session ends or goes on.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "core/ErrorText.h"
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
long CountOf(const std::vector<std::string>& lines, const std::string& line) {
  return std::count(lines.begin(), lines.end(), line);
}
void Press(HWND dialog, int button) { SendMessageW(GetDlgItem(dialog, button), BM_CLICK, 0, 0); }
void Confirm(HWND dialog) { Press(dialog, CountdownDialog::kOkId); }
void Cancel(HWND dialog) { Press(dialog, CountdownDialog::kCancelId); }

// A message box of this process, read and answered from another thread while
// the box runs its own loop on the test's: its text and owner once its text
// stands, then OK.
class BoxReader {
 public:
  BoxReader()
      : thread_([this] {
          for (int tries = 0; tries < 200 && !pressed_; ++tries) {
            Sleep(50);
            const HWND box = FindWindowW(L"#32770", nullptr);
            DWORD process = 0;
            if (!box || (GetWindowThreadProcessId(box, &process), process != GetCurrentProcessId())) continue;
            // Found as soon as it exists: its text may not stand yet.
            wchar_t shown[512] = {};
            if (GetDlgItemTextW(box, 0xFFFF, shown, 512) == 0) continue;
            text_ = shown;
            owner_ = GetWindow(box, GW_OWNER);
            pressed_ = PostMessageW(box, WM_COMMAND, IDOK, 0) != FALSE;
          }
        }) {}
  ~BoxReader() {
    if (thread_.joinable()) thread_.join();
  }
  BoxReader(const BoxReader&) = delete;
  BoxReader& operator=(const BoxReader&) = delete;

  // Waits for the reader; whether it pressed a box, and what it read.
  bool Pressed() {
    if (thread_.joinable()) thread_.join();
    return pressed_;
  }
  const std::wstring& Text() const { return text_; }
  HWND Owner() const { return owner_; }

 private:
  std::atomic<bool> pressed_ = false;
  std::wstring text_;
  HWND owner_ = nullptr;
  std::thread thread_;
};

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
  core::RequestAnswer RequestExit(std::uint32_t flags) override {
    witness_.Note();
    return FakeSessionApi::RequestExit(flags);
  }

 private:
  RequestWitness& witness_;
};

class WatchedPower : public testing_support::FakePowerApi {
 public:
  explicit WatchedPower(RequestWitness& witness) : witness_(witness) {}
  std::optional<core::RequestAnswer> SetSuspendState(bool hibernate, bool forceCritical,
                                                     bool disableWakeEvent) override {
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
  std::shared_ptr<ButtonStrip> NewStrip(UINT sessionEndWaitMs = ButtonStrip::kSessionEndWaitMs) {
    return std::make_shared<ButtonStrip>(
        launcher::LauncherServices{system, session, power, volumes, capture, store}, sessionEndWaitMs);
  }
  // Clicks button index, with the strip docked, and acts on the countdown
  // once it shows.
  void Click(int index, std::function<void(HWND dialog)> act) {
    if (!strip->IsOpen()) strip->Show();
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
  // Windows ends the session, as it tells every program: asked, then told.
  void EndTheSession() {
    EXPECT_EQ(SendMessageW(strip->Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
    SendMessageW(strip->Handle(), WM_ENDSESSION, TRUE, 0);
  }
  // Where the strip stands, and where it docks in its corner of the work area.
  RECT Place() const {
    RECT place{};
    GetWindowRect(strip->Handle(), &place);
    return place;
  }
  bool DockedBottomRight() const {
    const RECT place = Place();
    return place.right == system.workArea.right && place.bottom == system.workArea.bottom;
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

// Windows took the request; the strip hides until the end of the session
// comes, and goes with it.
TEST_F(ButtonStripClickTest, ShutDownConfirmedRequestsAPlainShutDownAndTheStripGoesWithTheSession) {
  Click(0, Confirm);
  EXPECT_TRUE(dialogShown);
  EXPECT_THAT(Requests(), ElementsAre("RequestExit(1)"));
  EXPECT_TRUE(strip->AwaitsSessionEnd());
  EXPECT_FALSE(IsWindowVisible(strip->Handle()));
  EXPECT_EQ(BackdropWindow(), nullptr);
  EndTheSession();
  EXPECT_FALSE(strip->IsOpen());
}

TEST_F(ButtonStripClickTest, WithPowerdownTheSameButtonPowersOff) {
  Set(L"Powerdown", true);
  Click(0, Confirm);
  EXPECT_THAT(Requests(), ElementsAre("RequestExit(8)"));
  EXPECT_TRUE(strip->AwaitsSessionEnd());
}

// Windows refuses at once (no shutdown privilege in this session, a policy):
// the user reads Windows' own words for it over the backdrop, and the strip
// stays in service.
TEST_F(ButtonStripClickTest, ARefusedRequestIsShownOverTheBackdropAndTheStripStays) {
  constexpr std::uint32_t kNoPrivilege = 1314;
  session.exitAnswer = core::RequestAnswer::Refused(kNoPrivilege);
  HWND backdrop = nullptr;
  BoxReader box;
  Click(2, [&](HWND dialog) {
    backdrop = BackdropWindow();
    Confirm(dialog);
  });
  ASSERT_TRUE(box.Pressed());
  EXPECT_EQ(box.Text(), core::ErrorText(kNoPrivilege, core::SystemErrorText(kNoPrivilege)));
  EXPECT_NE(box.Text().find(L"(1314)"), std::wstring::npos);
  EXPECT_EQ(box.Owner(), backdrop);
  EXPECT_THAT(Requests(), ElementsAre("RequestExit(2)"));
  EXPECT_FALSE(strip->AwaitsSessionEnd());
  EXPECT_TRUE(IsWindowVisible(strip->Handle()));
  EXPECT_TRUE(IsWindowEnabled(strip->Handle()));
  EXPECT_EQ(BackdropWindow(), nullptr);
}

// The end was called off after the strip had said yes (a program with
// unsaved work, the user's キャンセル on Windows' own screen): the strip is
// back in its corner, with its settings, and a later end of the session
// ejects as it always does.
TEST_F(ButtonStripClickTest, AnEndOfTheSessionCalledOffBringsTheStripBackDocked) {
  EjectingWithARemovableE();
  store.sections[ButtonStrip::kSettingsSection][L"Pos"] = L"2";  // bottom right
  Click(1, Confirm);
  ASSERT_TRUE(strip->AwaitsSessionEnd());
  volumes.log.Clear();
  system.workArea.bottom -= 40;  // the taskbar grew meanwhile
  EXPECT_EQ(SendMessageW(strip->Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
  SendMessageW(strip->Handle(), WM_ENDSESSION, FALSE, 0);
  EXPECT_FALSE(strip->AwaitsSessionEnd());
  EXPECT_TRUE(IsWindowVisible(strip->Handle()));
  EXPECT_TRUE(DockedBottomRight());
  EXPECT_EQ(strip->Settings().corner, launcher::Corner::BottomRight);
  EXPECT_TRUE(volumes.log.Lines().empty());

  EndTheSession();
  EXPECT_FALSE(strip->IsOpen());
  EXPECT_THAT(volumes.log.Lines(), Contains("Eject(0x102)")) << "the end of the session ejects again";
}

// A program asked before the strip refused, and Windows tells the strip
// nothing: after its wait the strip shows again rather than stay hidden with
// the program's single-instance lock.
TEST_F(ButtonStripClickTest, SilenceAfterAnAcceptedRequestBringsTheStripBackAfterItsWait) {
  store.sections[ButtonStrip::kSettingsSection][L"Pos"] = L"2";
  strip = NewStrip(300);
  Click(0, Confirm);
  ASSERT_TRUE(strip->AwaitsSessionEnd());
  ASSERT_FALSE(IsWindowVisible(strip->Handle()));
  const DWORD hidden = GetTickCount();
  MSG message;
  while (strip->AwaitsSessionEnd() && GetTickCount() - hidden < 5000) {
    if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      DispatchMessageW(&message);
    } else {
      Sleep(10);
    }
  }
  EXPECT_FALSE(strip->AwaitsSessionEnd());
  EXPECT_GE(GetTickCount() - hidden, 250u) << "not before its wait";
  EXPECT_TRUE(IsWindowVisible(strip->Handle()));
  EXPECT_TRUE(DockedBottomRight());
  EXPECT_THAT(Requests(), ElementsAre("RequestExit(1)")) << "nothing is asked again";
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
  EXPECT_TRUE(strip->IsOpen());
}

TEST_F(ButtonStripClickTest, StandbyConfirmedSuspendsAndKeepsTheStrip) {
  Set(L"Standby", true);
  Click(3, Confirm);
  EXPECT_THAT(Requests(), ElementsAre("SetSuspendState(0, 0, 0)"));
  EXPECT_TRUE(strip->IsOpen());
  EXPECT_TRUE(IsWindowEnabled(strip->Handle()));
}

TEST_F(ButtonStripClickTest, StandbyOnAMachineWithoutItSaysSoOverTheBackdropAndRequestsNothing) {
  Set(L"Standby", true);
  power.sleepStates = platform::SleepStates{false, false};
  BoxReader box;
  HWND backdrop = nullptr;
  Click(3, [&](HWND dialog) {
    backdrop = BackdropWindow();
    Confirm(dialog);
  });
  EXPECT_TRUE(box.Pressed());
  EXPECT_EQ(box.Text(), launcher::kNoStandbyMessage);
  EXPECT_EQ(box.Owner(), backdrop) << "over the backdrop, which stands on top of everything";
  EXPECT_THAT(Requests(), IsEmpty());
  EXPECT_THAT(session.log.Lines(), testing::Not(Contains("EnableShutdownPrivilege()")));
  EXPECT_TRUE(strip->IsOpen());
  EXPECT_EQ(BackdropWindow(), nullptr);
}

TEST_F(ButtonStripClickTest, ARefusedSuspendIsShownAndTheStripStays) {
  Set(L"Standby", true);
  power.suspendSucceeds = false;
  BoxReader box;
  Click(3, Confirm);
  ASSERT_TRUE(box.Pressed());
  EXPECT_EQ(box.Text(), core::ErrorText(static_cast<std::int32_t>(power.refusalCode),
                                        core::SystemErrorText(power.refusalCode)));
  EXPECT_TRUE(IsWindowVisible(strip->Handle()));
  EXPECT_FALSE(strip->AwaitsSessionEnd());
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
  // One scan, C to Z, before the request; the end of the session that
  // follows it finds the media out already and ejects nothing more.
  EndTheSession();
  const auto& lines = system.log.Lines();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "DriveType(C)"), 1);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "DriveType(E)"), 1);
  EXPECT_EQ(lines.back(), "DriveType(Z)");
  EXPECT_EQ(CountOf(volumes.log.Lines(), "Open(E)"), 1);
  EXPECT_FALSE(strip->IsOpen());
}

// An empty card-reader slot must answer the scan with an error, not with
// Windows' own "no disk" box, which would stop the scan until someone closed
// it: the scan runs with those boxes off, and the thread's mode is as it was
// after.
class ErrorModeWatchingVolumes : public testing_support::FakeVolumeApi {
 public:
  std::uint32_t DriveType(char letter) override {
    modesSeen.push_back(GetThreadErrorMode());
    return FakeVolumeApi::DriveType(letter);
  }
  std::vector<DWORD> modesSeen;
};

TEST_F(ButtonStripClickTest, TheScanRunsWithoutCriticalErrorBoxesAndPutsTheModeBack) {
  ErrorModeWatchingVolumes watching;
  watching.driveTypes['E'] = platform::kDriveRemovable;
  Set(L"AutoEject", true);
  system.driveTypes[L'E'] = platform::kDriveRemovable;
  strip = std::make_shared<ButtonStrip>(
      launcher::LauncherServices{system, session, power, watching, capture, store});
  const DWORD before = GetThreadErrorMode();
  ASSERT_EQ(before & SEM_FAILCRITICALERRORS, 0u);
  Click(0, Confirm);
  ASSERT_THAT(watching.modesSeen, testing::SizeIs(1));
  EXPECT_NE(watching.modesSeen.front() & SEM_FAILCRITICALERRORS, 0u);
  EXPECT_EQ(GetThreadErrorMode(), before);
  EXPECT_THAT(watching.log.Lines(), Contains("Eject(0x101)"));
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
  EXPECT_TRUE(strip->AwaitsSessionEnd());
}

TEST_F(ButtonStripClickTest, AScreenThatCannotBeCapturedShowsNothingAndTheStripStaysInService) {
  capture.fails = true;
  Click(0, Confirm);
  EXPECT_FALSE(dialogShown);
  EXPECT_EQ(capture.captures, 1);
  EXPECT_EQ(BackdropWindow(), nullptr);
  EXPECT_THAT(Requests(), IsEmpty());
  EXPECT_TRUE(strip->IsOpen());
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
  EXPECT_TRUE(strip->IsOpen());
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

  EXPECT_FALSE(strip->IsOpen());
  EXPECT_EQ(BackdropWindow(), nullptr);
  EXPECT_EQ(FindWindowW(CountdownDialog::kClassName, nullptr), nullptr);
  EXPECT_THAT(Requests(), IsEmpty());
  EXPECT_THAT(volumes.log.Lines(), Contains("Open(E)"));
}

// A launcher runs for weeks: what one click, one cancel or one broadcast of a
// changed setting takes, it gives back. The process's private memory after
// a long run stands where it stood after a short one, and every picture of
// the screen is gone with its backdrop. (Wine counts no GDI objects per
// process; each picture is a GDI bitmap the size of the screen.) A broadcast
// lays the strip out and docks it, about 10 ms under Wine: 2,000 of them
// show a leak of a few hundred bytes each.
// The memory committed to the process alone (Wine reports it here, and not
// as PrivateUsage, which Windows makes the same number).
SIZE_T PrivateBytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.PagefileUsage;
}

class LongRunTest : public ButtonStripClickTest {
 protected:
  void ForgetCalls() {
    store.log.Clear();
    system.log.Clear();
    ForgetRequests();
  }
  static constexpr SIZE_T kSlack = 512 * 1024;
};

TEST_F(LongRunTest, TwoThousandSettingBroadcastsTakeNoMemory) {
  strip->Show();
  const auto broadcast = [this](int times) {
    for (int i = 0; i < times; ++i) {
      SendMessageW(strip->Handle(), WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
      if (i % 100 == 0) ForgetCalls();
    }
    ForgetCalls();
  };
  broadcast(200);
  const SIZE_T settled = PrivateBytes();
  broadcast(1800);
  EXPECT_LE(PrivateBytes(), settled + kSlack) << "grew by " << (PrivateBytes() - settled) << " bytes";
}

TEST_F(LongRunTest, TwoHundredClicksCancelledTakeNoMemoryAndLeaveNoPicture) {
  const auto rounds = [this](int times) {
    for (int i = 0; i < times; ++i) {
      Click(i % 3, Cancel);
      ASSERT_TRUE(dialogShown);
    }
    ForgetCalls();
  };
  rounds(20);
  const SIZE_T settled = PrivateBytes();
  rounds(180);
  EXPECT_LE(PrivateBytes(), settled + kSlack) << "grew by " << (PrivateBytes() - settled) << " bytes";
  ASSERT_EQ(capture.pictures.size(), 200u);
  EXPECT_EQ(std::count_if(capture.pictures.begin(), capture.pictures.end(),
                          [](HBITMAP picture) { return GetObjectType(picture) != 0; }),
            0);
  EXPECT_THAT(Requests(), IsEmpty());
}

}  // namespace
