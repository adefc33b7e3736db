#include "settings/WindowSettings.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "settings/RegistryWindowSettings.h"
#include "settings/SettingsStore.h"
#include "testing/TestRegistry.h"
#include "testing/TestWindow.h"

namespace settings {
namespace {

using testing_support::ScratchApplication;
using testing_support::TestWindow;

WindowHandle Handle(const TestWindow& window) { return reinterpret_cast<WindowHandle>(window.get()); }

std::unique_ptr<WindowSettings> AttachedHelper(const TestWindow& window, const std::wstring& form,
                                               const std::wstring& app) {
  auto helper = NewRegistryWindowSettings();
  helper->Attach(Handle(window), form);
  helper->AppName(app);
  return helper;
}

TEST(WindowSettings, SettingsWrittenByOneHelperAreReadByTheNext) {
  ScratchApplication app(L"RoundTrip");
  TestWindow window;
  {
    auto writer = AttachedHelper(window, L"frmShutDown", app.name());
    writer->WriteSetting(L"Pos", std::int16_t{2});
    writer->WriteSetting(L"Low", std::int16_t{-32768});
    writer->WriteSetting(L"High", std::int16_t{32767});
    writer->WriteSetting(L"TopMost", true);
    writer->WriteSetting(L"Standby", false);
  }
  auto reader = AttachedHelper(window, L"frmShutDown", app.name());
  EXPECT_EQ(reader->ReadSetting(L"Pos", std::int16_t{0}), 2);
  EXPECT_EQ(reader->ReadSetting(L"Low", std::int16_t{0}), -32768);
  EXPECT_EQ(reader->ReadSetting(L"High", std::int16_t{0}), 32767);
  EXPECT_TRUE(reader->ReadSetting(L"TopMost", false));
  EXPECT_FALSE(reader->ReadSetting(L"Standby", true));
}

TEST(WindowSettings, StoresTextUnderTheApplicationAndTheWindowName) {
  ScratchApplication app(L"Text");
  TestWindow window;
  auto helper = AttachedHelper(window, L"frmShutDown", app.name());
  helper->WriteSetting(L"Pos", std::int16_t{-5});
  helper->WriteSetting(L"TopMost", true);
  helper->WriteSetting(L"AutoEject", false);
  const SettingsStore store(app.name());
  EXPECT_EQ(store.ReadText(L"frmShutDown", L"Pos"), L"-5");
  EXPECT_EQ(store.ReadText(L"frmShutDown", L"TopMost"), L"True");
  EXPECT_EQ(store.ReadText(L"frmShutDown", L"AutoEject"), L"False");

  auto other = AttachedHelper(window, L"frmMsg", app.name());
  EXPECT_EQ(other->ReadSetting(L"Pos", std::int16_t{1}), 1) << "each window has its own section";
}

TEST(WindowSettings, MissingOrUnconvertibleValuesGiveTheDefault) {
  ScratchApplication app(L"Defaults");
  const SettingsStore store(app.name());
  store.WriteText(L"frmShutDown", L"Pos", L"70000");
  store.WriteText(L"frmShutDown", L"Word", L"abc");
  store.WriteText(L"frmShutDown", L"TopMost", L"maybe");
  store.WriteText(L"frmShutDown", L"Empty", L"");
  TestWindow window;
  auto helper = AttachedHelper(window, L"frmShutDown", app.name());
  EXPECT_EQ(helper->ReadSetting(L"Never", std::int16_t{3}), 3);
  EXPECT_TRUE(helper->ReadSetting(L"Never", true));
  EXPECT_EQ(helper->ReadSetting(L"Pos", std::int16_t{1}), 1);
  EXPECT_EQ(helper->ReadSetting(L"Word", std::int16_t{1}), 1);
  EXPECT_TRUE(helper->ReadSetting(L"TopMost", true));
  EXPECT_FALSE(helper->ReadSetting(L"TopMost", false));
  EXPECT_TRUE(helper->ReadSetting(L"Empty", true));
  EXPECT_EQ(helper->ReadSetting(L"Empty", std::int16_t{2}), 2);
  EXPECT_EQ(store.ReadText(L"frmShutDown", L"Pos"), L"70000") << "reading leaves the stored text alone";
}

TEST(WindowSettings, ReadsOtherSpellingsOfBooleans) {
  ScratchApplication app(L"Spellings");
  const SettingsStore store(app.name());
  store.WriteText(L"frmShutDown", L"A", L"TRUE");
  store.WriteText(L"frmShutDown", L"B", L"false");
  store.WriteText(L"frmShutDown", L"C", L"-1");
  store.WriteText(L"frmShutDown", L"D", L"0");
  TestWindow window;
  auto helper = AttachedHelper(window, L"frmShutDown", app.name());
  EXPECT_TRUE(helper->ReadSetting(L"A", false));
  EXPECT_FALSE(helper->ReadSetting(L"B", true));
  EXPECT_TRUE(helper->ReadSetting(L"C", false));
  EXPECT_FALSE(helper->ReadSetting(L"D", true));
}

TEST(WindowSettings, WithoutAnApplicationNameNothingIsStored) {
  TestWindow window;
  auto helper = NewRegistryWindowSettings();
  helper->Attach(Handle(window), L"frmShutDown");
  helper->WriteSetting(L"Pos", std::int16_t{2});
  EXPECT_EQ(helper->ReadSetting(L"Pos", std::int16_t{0}), 0);
  HKEY key = nullptr;
  EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\frmShutDown", 0, KEY_READ, &key), ERROR_SUCCESS);
}

bool IsTopMost(const TestWindow& window) {
  return (GetWindowLongPtrW(window.get(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

TEST(WindowSettings, AlwaysOnTopTogglesTheTopmostStyleWithoutMovingTheWindow) {
  TestWindow window;
  ShowWindow(window.get(), SW_SHOWNOACTIVATE);
  RECT before{};
  GetWindowRect(window.get(), &before);
  auto helper = NewRegistryWindowSettings();
  helper->Attach(Handle(window), L"frmMsg");
  ASSERT_FALSE(IsTopMost(window));
  helper->AlwaysOnTop(true);
  EXPECT_TRUE(IsTopMost(window));
  helper->AlwaysOnTop(true);
  EXPECT_TRUE(IsTopMost(window));
  helper->AlwaysOnTop(false);
  EXPECT_FALSE(IsTopMost(window));
  RECT after{};
  GetWindowRect(window.get(), &after);
  EXPECT_TRUE(EqualRect(&before, &after));
}

}  // namespace
}  // namespace settings
