// A left click on a launcher button: the mode it asks the backdrop for, and
// whether the launcher goes afterwards.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "launcher/ButtonStrip.h"
#include "launcher/CountdownDialog.h"
#include "launcher/CountdownDialogProbe.h"
#include "launcher/FakeScreenCapture.h"
#include "launcher/FakeVolumeApi.h"
#include "launcher/MediaEjector.h"
#include "platform/FakeSystemServices.h"
#include "settings/FakeSettingsStore.h"
#include "ui/MessageBox.h"

namespace {

using launcher::ButtonStrip;
using launcher::CountdownDialog;
using launcher_test::CountdownWatcher;
using testing::ElementsAre;
using testing::IsEmpty;

void Press(HWND dialog, int button) { SendMessageW(GetDlgItem(dialog, button), BM_CLICK, 0, 0); }

class ShutDownClick : public ::testing::Test {
 protected:
  void TearDown() override { launcher->Close(); }

  void Set(const wchar_t* key, bool on) {
    store.sections[ButtonStrip::kSettingsSection][key] = on ? L"True" : L"False";
  }
  // Clicks button index and answers the countdown with the dialog's button.
  void Click(int index, int answer) {
    launcher->Show();
    CountdownWatcher watcher([answer](HWND dialog) { Press(dialog, answer); });
    SendMessageW(launcher->Button(index).Handle(), BM_CLICK, 0, 0);
    dialogShown = watcher.ShownAt().has_value();
  }

  testing_support::FakeSettingsStore store;
  testing_support::FakeSystemServices system;
  testing_support::FakeVolumeApi volumes;
  testing_support::FakeScreenCapture capture;
  std::shared_ptr<ButtonStrip> launcher =
      std::make_shared<ButtonStrip>(launcher::LauncherServices{system, volumes, capture, store});
  bool dialogShown = false;

  std::vector<std::string> Requests() const {
    std::vector<std::string> requests;
    for (const auto& line : system.log.Lines())
      if (line.rfind("Do", 0) == 0) requests.push_back(line);
    return requests;
  }
};

TEST_F(ShutDownClick, ShutDownConfirmedRequestsAPlainShutDownAndTheLauncherGoes) {
  Click(0, CountdownDialog::kOkId);
  EXPECT_TRUE(dialogShown);
  EXPECT_THAT(Requests(), ElementsAre("DoShutdown()"));
  EXPECT_FALSE(launcher->IsLoaded());
}

TEST_F(ShutDownClick, WithPowerdownTheSameButtonPowersOff) {
  Set(L"Powerdown", true);
  Click(0, CountdownDialog::kOkId);
  EXPECT_THAT(Requests(), ElementsAre("DoPowerOff()"));
  EXPECT_FALSE(launcher->IsLoaded());
}

TEST_F(ShutDownClick, ACancelLeavesTheLauncherDockedAndRequestsNothing) {
  Click(2, CountdownDialog::kCancelId);
  EXPECT_TRUE(dialogShown);
  EXPECT_THAT(Requests(), IsEmpty());
  EXPECT_TRUE(launcher->IsLoaded());
  EXPECT_TRUE(IsWindowEnabled(launcher->Handle()));
}

TEST_F(ShutDownClick, StandbyConfirmedKeepsTheLauncher) {
  Set(L"Standby", true);
  Click(3, CountdownDialog::kOkId);
  EXPECT_THAT(Requests(), ElementsAre("DoStandby()"));
  EXPECT_TRUE(launcher->IsLoaded());
}

TEST_F(ShutDownClick, LogOffWithAutoEjectEjectsOnceBeforeTheRequest) {
  Set(L"AutoEject", true);
  system.driveTypes[L'E'] = platform::kDriveRemovable;
  volumes.driveTypes['E'] = platform::kDriveRemovable;
  Click(1, CountdownDialog::kOkId);

  const auto& lines = system.log.Lines();
  const auto request = std::find(lines.begin(), lines.end(), "DoLogoff()");
  ASSERT_NE(request, lines.end());
  EXPECT_EQ(std::count(lines.begin(), request, "DriveType(E)"), 1);
  // The launcher's own unload is no end of the session: it ejects nothing more.
  EXPECT_EQ(std::count(request, lines.end(), "DriveType(E)"), 0);
  EXPECT_FALSE(launcher->IsLoaded());
}

}  // namespace
