// The backdrop on screen: the whole virtual screen covered, its owner kept
// from input while it stands, the countdown above it, and one picture of
// the screen for each time it covers it.
#include "launcher/Backdrop.h"

#include <gtest/gtest.h>

#include "core/CallLog.h"
#include "launcher/CountdownDialog.h"
#include "launcher/CountdownDialogProbe.h"
#include "launcher/FakeScreenCapture.h"
#include "ui/Handles.h"
#include "ui/PlainWindow.h"

namespace {

using launcher::Backdrop;
using launcher::CountdownDialog;

class BackdropTest : public ::testing::Test {
 protected:
  void SetUp() override { strip.Open(); }

  testing_support::FakeScreenCapture capture;
  // The strip's stand-in: the window the backdrop is shown over.
  testing_support::PlainWindow strip;
};

TEST_F(BackdropTest, ItIsABorderlessScreenWithoutTaskbarButtonOverEveryMonitor) {
  Backdrop backdrop(capture);
  ASSERT_TRUE(backdrop.Cover(strip.Handle()));
  const LONG_PTR style = GetWindowLongPtrW(backdrop.Handle(), GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrW(backdrop.Handle(), GWL_EXSTYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_TRUE(style & WS_VISIBLE);
  EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME | WS_SYSMENU));
  EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
  EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
  RECT place{};
  GetWindowRect(backdrop.Handle(), &place);
  EXPECT_EQ(place.left, GetSystemMetrics(SM_XVIRTUALSCREEN));
  EXPECT_EQ(place.top, GetSystemMetrics(SM_YVIRTUALSCREEN));
  EXPECT_EQ(place.right - place.left, GetSystemMetrics(SM_CXVIRTUALSCREEN));
  EXPECT_EQ(place.bottom - place.top, GetSystemMetrics(SM_CYVIRTUALSCREEN));
  EXPECT_EQ(testing_support::Utf8(launcher_test::WindowText(backdrop.Handle())), "VuriRivu 終了の確認");
}

// The darkened picture is the size of every monitor, 33 MB at 4K. No device
// context holds it between two paints, where Windows would refuse to delete
// it, and it goes with the window however the window goes: here another
// program closes the backdrop before the backdrop's object goes.
TEST_F(BackdropTest, ItsPictureIsHeldByNoDeviceContextAndGoesWithTheWindowHoweverItGoes) {
  Backdrop backdrop(capture);
  ASSERT_TRUE(backdrop.Cover(strip.Handle()));
  UpdateWindow(backdrop.Handle());
  ASSERT_EQ(capture.pictures.size(), 1u);
  const HBITMAP picture = capture.pictures.front();
  // A bitmap goes into one device context at a time.
  const ui::UniqueMemoryDc free(CreateCompatibleDC(nullptr));
  const HGDIOBJ before = SelectObject(free.get(), picture);
  EXPECT_NE(before, nullptr) << "a device context of the backdrop holds its picture";
  SelectObject(free.get(), before);

  SendMessageW(backdrop.Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(backdrop.IsOpen());
  EXPECT_EQ(GetObjectType(picture), 0u) << "the picture outlived the window";
  EXPECT_TRUE(IsWindowEnabled(strip.Handle()));
}

TEST_F(BackdropTest, ItsOwnerTakesNoInputWhileItStandsAndGetsItBackWhenItGoes) {
  {
    Backdrop backdrop(capture);
    ASSERT_TRUE(backdrop.Cover(strip.Handle()));
    EXPECT_EQ(GetWindow(backdrop.Handle(), GW_OWNER), strip.Handle());
    EXPECT_FALSE(IsWindowEnabled(strip.Handle()));
    EXPECT_TRUE(IsWindowEnabled(backdrop.Handle()));
  }
  EXPECT_EQ(FindWindowW(Backdrop::kClassName, nullptr), nullptr);
  EXPECT_TRUE(IsWindowEnabled(strip.Handle()));
}

TEST_F(BackdropTest, TheCountdownStandsAboveItAndItTakesNoInputUnderTheCountdown) {
  Backdrop backdrop(capture);
  ASSERT_TRUE(backdrop.Cover(strip.Handle()));
  bool dialogTopmost = false, dialogAbove = false, backdropEnabled = true;
  launcher_test::CountdownWatcher watcher([&](HWND dialog) {
    dialogTopmost = GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST;
    for (HWND below = GetWindow(dialog, GW_HWNDNEXT); below; below = GetWindow(below, GW_HWNDNEXT))
      dialogAbove = dialogAbove || below == backdrop.Handle();
    backdropEnabled = IsWindowEnabled(backdrop.Handle());
    SendMessageW(GetDlgItem(dialog, CountdownDialog::kCancelId), BM_CLICK, 0, 0);
  });
  CountdownDialog dialog;
  EXPECT_FALSE(dialog.Ask(launcher::SessionEndMode::Shutdown, backdrop.Handle()));
  EXPECT_TRUE(dialogTopmost);
  EXPECT_TRUE(dialogAbove);
  EXPECT_FALSE(backdropEnabled);
  EXPECT_TRUE(IsWindowEnabled(backdrop.Handle()));
  EXPECT_FALSE(IsWindowEnabled(strip.Handle()));
}

// Two monitors, the second left of the primary and lower: one picture of
// the virtual screen that holds both.
TEST_F(BackdropTest, OverTwoMonitorsItCapturesAndCoversBoth) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  capture.monitors = {{0, 0, width, height}, {-800, 100, 0, 700}};
  Backdrop backdrop(capture);
  ASSERT_TRUE(backdrop.Cover(strip.Handle()));
  RECT place{};
  GetWindowRect(backdrop.Handle(), &place);
  const RECT both{-800, 0, width, height};
  EXPECT_TRUE(EqualRect(&place, &both));
  ASSERT_EQ(capture.captured.size(), 1u);
  EXPECT_EQ(capture.captured[0], (ui::ScreenRect{-800, 0, width, height}));
}

TEST_F(BackdropTest, AScreenThatCannotBeCapturedShowsNothingAndLeavesTheOwnerAlone) {
  capture.fails = true;
  Backdrop backdrop(capture);
  EXPECT_FALSE(backdrop.Cover(strip.Handle()));
  EXPECT_EQ(capture.captures, 1);
  EXPECT_FALSE(backdrop.IsOpen());
  EXPECT_EQ(FindWindowW(Backdrop::kClassName, nullptr), nullptr);
  EXPECT_TRUE(IsWindowEnabled(strip.Handle()));
}

TEST_F(BackdropTest, EachCoverTakesOnePictureOfTheScreen) {
  for (int time = 1; time <= 2; ++time) {
    Backdrop backdrop(capture);
    ASSERT_TRUE(backdrop.Cover(strip.Handle()));
    EXPECT_EQ(capture.captures, time);
  }
}

}  // namespace
