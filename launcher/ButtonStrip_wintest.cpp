// The launcher window against the recording helpers: load, docking, the
// menu, the setting broadcast, quitting and the end of the session.
#include "launcher/ButtonStrip.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "core/FakeSessionApi.h"
#include "launcher/FakeScreenCapture.h"
#include "launcher/FakeVolumeApi.h"
#include "launcher/MediaEjector.h"
#include "launcher/StripResources.h"
#include "launcher/StripTexts.h"
#include "launcher/VolumeApi.h"
#include "platform/FakePowerApi.h"
#include "platform/FakeSystemServices.h"
#include "settings/FakeSettingsStore.h"
#include "ui/Handles.h"
#include "ui/LayoutProbe.h"
#include "ui/MessageBox.h"
#include "ui/MessageLoop.h"
#include "ui/PendingError.h"
#include "ui/Resolution.h"
#include "ui/ScreenTwips.h"

// Sizes compare by their two lengths.
bool operator==(const SIZE& a, const SIZE& b) { return a.cx == b.cx && a.cy == b.cy; }

namespace {

using launcher::ButtonStrip;
using launcher::Corner;
using testing::ElementsAre;
using testing::HasSubstr;

const std::vector<std::string> kDefaultsWritten{
    "WriteSetting(Pos, 0)",           "WriteSetting(TopMost, False)",   "WriteSetting(LageButton, False)",
    "WriteSetting(Powerdown, False)", "WriteSetting(AutoEject, False)", "WriteSetting(Standby, False)"};

class ButtonStripTest : public testing::Test {
 protected:
  testing_support::FakeSystemServices system;
  testing_support::FakeSessionApi session;
  testing_support::FakePowerApi power;
  testing_support::FakeVolumeApi volumes;
  testing_support::FakeScreenCapture capture;
  testing_support::FakeSettingsStore store;
  std::shared_ptr<ButtonStrip> strip = NewStrip();

  std::shared_ptr<ButtonStrip> NewStrip() {
    return std::make_shared<ButtonStrip>(
        launcher::LauncherServices{system, session, power, volumes, capture, store});
  }

  void Put(const std::wstring& key, const std::wstring& text) { store.sections[L"frmShutDown"][key] = text; }
  std::wstring Stored(const std::wstring& key) const {
    return store.ReadText(L"frmShutDown", key).value_or(L"<missing>");
  }
  // The strip's writes to its section, each as WriteSetting(name, text).
  std::vector<std::string> Writes() const {
    const std::string prefix = "Write(frmShutDown, ";
    std::vector<std::string> writes;
    for (const auto& line : store.log.Lines())
      if (line.starts_with(prefix)) writes.push_back("WriteSetting(" + line.substr(prefix.size()));
    return writes;
  }
  bool TopMost() const { return (GetWindowLongPtrW(strip->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
  void Choose(int k) {
    SendMessageW(strip->Handle(), WM_COMMAND, ButtonStrip::MenuItemId(k), 0);
    ui::RethrowPendingError();
  }
  RECT Outer() const {
    RECT r;
    GetWindowRect(strip->Handle(), &r);
    return r;
  }
  SIZE Client() const {
    RECT r;
    GetClientRect(strip->Handle(), &r);
    return {r.right, r.bottom};
  }
  // The work area of the fake.
  RECT Area() const {
    return {system.workArea.left, system.workArea.top, system.workArea.right, system.workArea.bottom};
  }
  static SIZE ClientOf(int widthTwips, int heightTwips) {
    return {ui::TwipsToPixelsX(widthTwips), ui::TwipsToPixelsY(heightTwips)};
  }
};

TEST_F(ButtonStripTest, FirstRunOnAnEmptyStoreWritesTheDefaultsAndDocksTopLeft) {
  system.workArea.left = 80;  // the taskbar on the left
  strip->Show();
  EXPECT_EQ(store.log.Lines().size(), kDefaultsWritten.size()) << "nothing but the six writes";
  EXPECT_EQ(Writes(), kDefaultsWritten);
  EXPECT_THAT(session.log.Lines(), ElementsAre("PlatformId()"));
  EXPECT_THAT(system.log.Lines(), ElementsAre("DesktopWorkArea()"));
  EXPECT_EQ(Stored(L"Pos"), L"0");
  EXPECT_EQ(Stored(L"LageButton"), L"False");
  EXPECT_EQ(Stored(L"Standby"), L"False");

  EXPECT_TRUE(IsWindowVisible(strip->Handle()));
  EXPECT_EQ(Outer().left, Area().left);
  EXPECT_EQ(Outer().top, Area().top);
  EXPECT_EQ(Client(), ClientOf(1260, 420));
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(IsWindowVisible(strip->Button(i).Handle())) << i;
    EXPECT_EQ(strip->Button(i).Picture(), 201 + i);
    // Named for a screen reader, but only the picture is painted.
    EXPECT_EQ(strip->Button(i).Text(), launcher::kButtonTags[static_cast<std::size_t>(i)]);
    EXPECT_FALSE(strip->Button(i).CaptionShown());
  }
  EXPECT_FALSE(IsWindowVisible(strip->Button(3).Handle()));
  EXPECT_FALSE(TopMost());
}

TEST_F(ButtonStripTest, TheWindowHasNoTitleBarAFixedDialogFrameAndNoTaskbarButton) {
  strip->Show();
  const LONG_PTR style = GetWindowLongPtrW(strip->Handle(), GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrW(strip->Handle(), GWL_EXSTYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_DLGFRAME);
  EXPECT_FALSE(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
  wchar_t name[64] = {};
  GetWindowTextW(strip->Handle(), name, 64);
  EXPECT_STREQ(name, ui::ProgramTitle().c_str());
}

TEST_F(ButtonStripTest, EachCornerDocksAndWritesAllSix) {
  system.workArea = {60, 30, 1024, 768};
  strip->Show();
  for (int k : {1, 2, 3, 3, 0}) {
    store.log.Clear();
    Choose(k);
    EXPECT_EQ(strip->Settings().corner, launcher::MenuItems()[static_cast<std::size_t>(k)].corner);
    for (int corner = 0; corner < 4; ++corner)
      EXPECT_EQ(strip->PopupMenu().IsChecked(ButtonStrip::MenuItemId(corner)), corner == k) << k;
    const RECT outer = Outer();
    const RECT area = Area();
    EXPECT_EQ(k == 1 || k == 2 ? outer.right : outer.left, k == 1 || k == 2 ? area.right : area.left) << k;
    EXPECT_EQ(k >= 2 ? outer.bottom : outer.top, k >= 2 ? area.bottom : area.top) << k;
    EXPECT_EQ(Writes().size(), 6u);
    EXPECT_EQ(Writes()[0], "WriteSetting(Pos, " + std::to_string(k) + ")");
    EXPECT_EQ(Stored(L"Pos"), std::to_wstring(k));
  }
}

TEST_F(ButtonStripTest, EachCheckItemChangesItsSettingRedocksAndWritesAllSix) {
  Put(L"Pos", L"1");
  strip->Show();
  struct Case {
    int item;
    const wchar_t* key;
  };
  for (const Case c : {Case{5, L"TopMost"}, Case{6, L"LageButton"}, Case{7, L"Powerdown"},
                       Case{8, L"Standby"}, Case{10, L"AutoEject"}}) {
    store.log.Clear();
    system.log.Clear();
    Choose(c.item);
    EXPECT_TRUE(strip->PopupMenu().IsChecked(ButtonStrip::MenuItemId(c.item))) << c.item;
    EXPECT_EQ(Stored(c.key), L"True") << c.item;
    EXPECT_EQ(Writes().size(), 6u) << c.item;
    EXPECT_THAT(system.log.Lines(), ElementsAre("DesktopWorkArea()"));
    EXPECT_EQ(Outer().right, Area().right) << c.item;
    EXPECT_EQ(Outer().top, Area().top) << c.item;
  }
  EXPECT_TRUE(TopMost());
  EXPECT_EQ(strip->Settings(), (launcher::StripSettings{Corner::TopRight, true, true, true, true, true}));

  store.log.Clear();
  Choose(5);
  EXPECT_FALSE(strip->PopupMenu().IsChecked(ButtonStrip::MenuItemId(5)));
  EXPECT_FALSE(TopMost());
  EXPECT_THAT(Writes(), ElementsAre("WriteSetting(Pos, 1)", "WriteSetting(TopMost, False)",
                                    "WriteSetting(LageButton, True)", "WriteSetting(Powerdown, True)",
                                    "WriteSetting(AutoEject, True)", "WriteSetting(Standby, True)"));
}

// Moved to a screen of twice the resolution: laid out again at that
// resolution and docked in its corner, wherever Windows suggested.
TEST_F(ButtonStripTest, OnAScreenOfAnotherResolutionItLaysOutAndDocksAgain) {
  Put(L"Pos", L"2");
  strip->Show();
  const int dpi = 2 * ui::ScreenPixelsPerInch().x;
  RECT suggested{5, 5, 50, 50};
  SendMessageW(strip->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(ui::DpiOf(strip->Handle()), dpi);
  EXPECT_EQ(Client().cx, ui::TwipsToPixels(1260, dpi));
  EXPECT_EQ(Client().cy, ui::TwipsToPixels(420, dpi));
  EXPECT_EQ(Outer().right, Area().right);
  EXPECT_EQ(Outer().bottom, Area().bottom);
  RECT button;
  GetClientRect(strip->Button(2).Handle(), &button);
  EXPECT_EQ(button.right, ui::TwipsToPixels(435, dpi));
}

TEST_F(ButtonStripTest, TheClientAreaFitsTheButtonsInEveryMode) {
  strip->Show();
  EXPECT_EQ(Client(), ClientOf(1260, 420));
  Choose(8);  // standby button
  EXPECT_EQ(Client(), ClientOf(1680, 420));
  EXPECT_TRUE(IsWindowVisible(strip->Button(3).Handle()));
  Choose(6);  // large buttons
  EXPECT_EQ(Client(), ClientOf(3840, 960));
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(strip->Button(i).Picture(), 101 + i);
    EXPECT_EQ(strip->Button(i).Text(), launcher::kButtonTags[static_cast<std::size_t>(i)]);
    EXPECT_TRUE(strip->Button(i).CaptionShown());
  }
  Choose(8);
  EXPECT_EQ(Client(), ClientOf(2880, 960));
  EXPECT_FALSE(IsWindowVisible(strip->Button(3).Handle()));
  Choose(6);
  EXPECT_EQ(Client(), ClientOf(1260, 420));
  EXPECT_EQ(strip->Button(0).Text(), launcher::kButtonTags[0]);
  EXPECT_FALSE(strip->Button(0).CaptionShown());
}

TEST_F(ButtonStripTest, AStandbyButtonWidensTheStripToTheLeftInARightCorner) {
  Put(L"Pos", L"2");
  strip->Show();
  const RECT three = Outer();
  Choose(8);
  const RECT four = Outer();
  EXPECT_EQ(four.right, three.right);
  EXPECT_EQ(four.bottom, three.bottom);
  EXPECT_EQ(three.left - four.left, ui::TwipsToPixelsX(420));
}

TEST_F(ButtonStripTest, EachNeighbourCoversTheOverlapAndTheDummyStaysHidden) {
  strip->Show();
  Choose(8);
  for (int i = 0; i < 3; ++i) {
    RECT left;
    GetWindowRect(strip->Button(i).Handle(), &left);
    POINT inOverlap{left.right - 1, left.top + 5};
    EXPECT_EQ(ChildWindowFromPoint(strip->Handle(), (ScreenToClient(strip->Handle(), &inOverlap), inOverlap)),
              strip->Button(i + 1).Handle())
        << i;
  }
  RECT dummy;
  GetWindowRect(strip->FocusSinkHandle(), &dummy);
  POINT inDummy{dummy.left + 2, dummy.top + 2};
  ScreenToClient(strip->Handle(), &inDummy);
  EXPECT_NE(ChildWindowFromPoint(strip->Handle(), inDummy), strip->FocusSinkHandle());
}

TEST_F(ButtonStripTest, OffWindowsNtThePowerAndEjectItemsAreDisabledYetTheirValuesStay) {
  session.platformId = 1;
  Put(L"Powerdown", L"True");
  Put(L"AutoEject", L"True");
  strip->Show();
  for (int k : {7, 10}) {
    EXPECT_FALSE(strip->PopupMenu().IsEnabled(ButtonStrip::MenuItemId(k))) << k;
    EXPECT_FALSE(strip->PopupMenu().IsChecked(ButtonStrip::MenuItemId(k))) << k;
  }
  EXPECT_TRUE(strip->PopupMenu().IsEnabled(ButtonStrip::MenuItemId(8)));
  EXPECT_TRUE(strip->Settings().powerOff);
  EXPECT_TRUE(strip->Settings().autoEject);
  EXPECT_EQ(Stored(L"Powerdown"), L"True");
  EXPECT_EQ(Stored(L"AutoEject"), L"True");
  store.log.Clear();
  Choose(5);
  EXPECT_THAT(Writes(), testing::Contains("WriteSetting(Powerdown, True)"));
  EXPECT_THAT(Writes(), testing::Contains("WriteSetting(AutoEject, True)"));
}

TEST_F(ButtonStripTest, ASettingBroadcastRedocksInTheSameCornerOfTheNewWorkArea) {
  Put(L"Pos", L"2");
  strip->Show();
  EXPECT_EQ(Outer().right, Area().right);
  EXPECT_EQ(Outer().bottom, Area().bottom);
  // The taskbar moves from the bottom to the right edge.
  system.workArea.right -= 60;
  system.workArea.bottom += 30;
  store.log.Clear();
  SendMessageW(strip->Handle(), WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
  EXPECT_EQ(Outer().right, Area().right);
  EXPECT_EQ(Outer().bottom, Area().bottom);
  EXPECT_EQ(Writes().size(), 6u);
  EXPECT_EQ(strip->Settings().corner, Corner::BottomRight);
  // Other messages leave it alone.
  store.log.Clear();
  SendMessageW(strip->Handle(), WM_DISPLAYCHANGE, 32, 0);
  EXPECT_TRUE(store.log.Lines().empty());
}

TEST_F(ButtonStripTest, QuittingFromTheMenuWritesNothingAndCloses) {
  strip->Show();
  Choose(6);
  const auto before = store.sections;
  store.log.Clear();
  Choose(12);
  EXPECT_FALSE(strip->IsOpen());
  EXPECT_TRUE(store.log.Lines().empty());
  EXPECT_EQ(store.sections, before);
}

TEST_F(ButtonStripTest, ACorruptedStoreDocksTopLeftAndIsWrittenBackSound) {
  Put(L"Pos", L"7");
  Put(L"TopMost", L"vielleicht");
  Put(L"Standby", L"True");
  strip->Show();
  EXPECT_EQ(strip->Settings().corner, Corner::TopLeft);
  EXPECT_FALSE(strip->Settings().topMost);
  EXPECT_TRUE(strip->PopupMenu().IsChecked(ButtonStrip::MenuItemId(0)));
  EXPECT_EQ(Outer().left, Area().left);
  EXPECT_EQ(Outer().top, Area().top);
  EXPECT_EQ(Stored(L"Pos"), L"0");
  EXPECT_EQ(Stored(L"TopMost"), L"False");
  EXPECT_EQ(Stored(L"Standby"), L"True");

  auto second = NewStrip();
  strip->Close();
  Put(L"Pos", L"links");
  second->Show();
  EXPECT_EQ(second->Settings().corner, Corner::TopLeft);
}

TEST_F(ButtonStripTest, TheEndOfTheSessionEjectsFirstWhenAskedAndIsNeverRefused) {
  system.driveTypes[L'E'] = platform::kDriveRemovable;
  volumes.driveTypes['E'] = 2;
  Put(L"AutoEject", L"True");
  strip->Show();
  EXPECT_EQ(SendMessageW(strip->Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
  EXPECT_TRUE(strip->IsOpen());
  EXPECT_TRUE(volumes.log.Lines().empty());
  SendMessageW(strip->Handle(), WM_ENDSESSION, TRUE, 0);
  EXPECT_FALSE(strip->IsOpen());
  EXPECT_THAT(volumes.log.Lines(), testing::Contains("Open(E)"));
}

TEST_F(ButtonStripTest, TheEndOfTheSessionWithoutAutoEjectTouchesNoDrive) {
  system.driveTypes[L'E'] = platform::kDriveRemovable;
  volumes.driveTypes['E'] = 2;
  strip->Show();
  SendMessageW(strip->Handle(), WM_ENDSESSION, TRUE, 0);
  EXPECT_FALSE(strip->IsOpen());
  EXPECT_TRUE(volumes.log.Lines().empty());
  EXPECT_THAT(system.log.Lines(), testing::Not(testing::Contains("DriveType(E)")));
}

// An installer's or an update's Restart Manager closes the strip while the
// session goes on: the user's media stay where they are.
TEST_F(ButtonStripTest, ClosedForAnInstallerItEjectsNothing) {
  system.driveTypes[L'E'] = platform::kDriveRemovable;
  volumes.driveTypes['E'] = 2;
  Put(L"AutoEject", L"True");
  strip->Show();
  EXPECT_EQ(SendMessageW(strip->Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP), TRUE);
  SendMessageW(strip->Handle(), WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP);
  EXPECT_FALSE(strip->IsOpen());
  EXPECT_TRUE(volumes.log.Lines().empty());
  EXPECT_THAT(system.log.Lines(), testing::Not(testing::Contains("DriveType(E)")));
}

// Another program's end of the session called off is no concern of a strip
// that asked for none: it stays as it was.
TEST_F(ButtonStripTest, AnEndOfTheSessionCalledOffLeavesADockedStripAsItWas) {
  strip->Show();
  const RECT before = Outer();
  store.log.Clear();
  SendMessageW(strip->Handle(), WM_ENDSESSION, FALSE, 0);
  EXPECT_TRUE(strip->IsOpen());
  EXPECT_TRUE(IsWindowVisible(strip->Handle()));
  const RECT after = Outer();
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_TRUE(store.log.Lines().empty());
}

// Large buttons carry captions: at the user's text sizes of 100, 150 and
// 200 % they grow with the font, and every caption fits below its picture,
// also after a change of text size while the strip runs. Small buttons show
// pictures alone and keep their size.
TEST_F(ButtonStripTest, LargeButtonsGrowWithTheTextSizeAndSmallOnesKeepTheirs) {
  const auto captionsFit = [this] {
    for (int i = 0; i < 4; ++i) {
      const HWND button = strip->Button(i).Handle();
      RECT face;
      GetClientRect(button, &face);
      const SIZE caption =
          testing_support::TextExtent(button, launcher::kButtonTags[static_cast<std::size_t>(i)]);
      // The large pictures are 32 pixels at 96 dpi; 2 pixels lie between
      // picture and caption; the frame takes 2 on each side.
      const int picture = 32 * ui::SystemDpi() / 96;
      if (caption.cx > face.right - 4 || picture + 2 + caption.cy > face.bottom - 4) return false;
    }
    return true;
  };
  Put(L"LageButton", L"True");
  Put(L"Standby", L"True");
  for (const int percent : {100, 150, 200}) {
    SCOPED_TRACE(percent);
    const testing_support::TextSize textSize(percent);
    strip = NewStrip();
    strip->Show();
    EXPECT_TRUE(captionsFit());
    const ui::TextScale scale =
        ui::TextScaleFor(ui::MessageFontAtDpi(ui::SystemDpi()).lfHeight, ui::SystemDpi());
    EXPECT_EQ(Client(), ClientOf(ui::ScaledTwips(3840, scale), ui::ScaledTwips(960, scale)));
    strip->Close();
  }

  strip = NewStrip();
  strip->Show();
  {
    const testing_support::TextSize larger(200);
    testing_support::TextSize::Announce(strip->Handle());
    EXPECT_TRUE(captionsFit()) << "after a change of text size";
    EXPECT_GT(Client().cy, ClientOf(3840, 960).cy);
    EXPECT_EQ(Outer().left, Area().left) << "docked in its corner again";

    Choose(6);  // small buttons
    EXPECT_EQ(Client(), ClientOf(1680, 420)) << "pictures only: the size does not follow the text";
  }
  testing_support::TextSize::Announce(strip->Handle());
  EXPECT_EQ(Client(), ClientOf(1680, 420));
}

TEST_F(ButtonStripTest, ButtonsCarryTheirTooltipsAndTheHandPointer) {
  strip->Show();
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(strip->TooltipOf(i), launcher::kButtonTips[static_cast<std::size_t>(i)]) << i;

  const auto hand =
      static_cast<HCURSOR>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(STRIP_HAND_CURSOR),
                                      IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  ASSERT_NE(hand, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(hand, &info));
  const ui::UniqueBitmap mask(info.hbmMask);
  const ui::UniqueBitmap color(info.hbmColor);
  BITMAP bits{};
  GetObjectW(info.hbmMask, sizeof bits, &bits);
  EXPECT_EQ(bits.bmWidth, 32);
  EXPECT_EQ(info.xHotspot, 12u);
  EXPECT_EQ(info.yHotspot, 1u);

  SendMessageW(strip->Button(2).Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(strip->Button(2).Handle()),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), hand);
}

TEST_F(ButtonStripTest, TheDummyTakesTheFocusAfterEveryMouseRelease) {
  strip->Show();
  SetForegroundWindow(strip->Handle());
  for (int i = 0; i < 3; ++i) {
    const HWND button = strip->Button(i).Handle();
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    EXPECT_EQ(GetFocus(), button) << i;
    // Released off the button: a release on it would be a click, which starts the countdown.
    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(-4, -4));
    EXPECT_EQ(GetFocus(), strip->FocusSinkHandle()) << i;
    SendMessageW(button, WM_MBUTTONUP, 0, MAKELPARAM(4, 4));
    EXPECT_EQ(GetFocus(), strip->FocusSinkHandle()) << i;
  }
}

TEST_F(ButtonStripTest, TabGoesLogOffShutDownRestartDummyStandby) {
  Put(L"Standby", L"True");
  strip->Show();
  SetForegroundWindow(strip->Handle());
  const auto tab = [] {
    MSG message{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    ui::DispatchOne(message);
    return GetFocus();
  };
  SetFocus(strip->Button(1).Handle());
  EXPECT_EQ(tab(), strip->Button(0).Handle());
  EXPECT_EQ(tab(), strip->Button(2).Handle());
  EXPECT_EQ(tab(), strip->FocusSinkHandle());
  EXPECT_EQ(tab(), strip->Button(3).Handle());
  EXPECT_EQ(tab(), strip->Button(1).Handle());
}

TEST_F(ButtonStripTest, PicturesAreDrawnWithPureBlueTransparent) {
  Put(L"LageButton", L"True");
  strip->Show();
  for (int i = 0; i < 4; ++i) {
    const ui::PictureButton& button = strip->Button(i);
    RECT r;
    GetClientRect(button.Handle(), &r);
    const ui::UniqueWindowDc screen = ui::WindowDc(nullptr);
    const ui::UniqueMemoryDc dc(CreateCompatibleDC(screen.get().dc));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), r.right, -r.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pixels = nullptr;
    const ui::UniqueBitmap bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    const auto selected = ui::SelectedObject(dc.get(), bitmap.get());
    DRAWITEMSTRUCT item{
        ODT_BUTTON, static_cast<UINT>(button.Id()), 0, ODA_DRAWENTIRE, 0, button.Handle(), dc.get(), r, 0};
    button.Draw(item);
    GdiFlush();
    const auto* bgrx = static_cast<const std::uint32_t*>(pixels);
    const std::uint32_t face = GetSysColor(COLOR_BTNFACE);
    const std::uint32_t faceBgrx = ((face & 0xFF) << 16) | (face & 0xFF00) | ((face >> 16) & 0xFF);
    int blue = 0;
    int picture = 0;
    for (int p = 0; p < r.right * r.bottom; ++p) {
      const std::uint32_t pixel = bgrx[p] & 0xFFFFFF;
      blue += pixel == 0x0000FF ? 1 : 0;
      const int x = p % r.right;
      const int y = p / r.right;
      // The picture's square in the upper middle.
      if (x > r.right / 2 - 12 && x < r.right / 2 + 12 && y > 8 && y < 36 && pixel != faceBgrx) ++picture;
    }
    EXPECT_EQ(blue, 0) << i;
    EXPECT_GT(picture, 20) << i;
  }
}

}  // namespace
