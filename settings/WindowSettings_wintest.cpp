#include "settings/WindowSettings.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "settings/RegistrySettingsStore.h"
#include "settings/ScratchApplication.h"

namespace settings {
namespace {

using testing_support::ScratchApplication;

// A window's settings on the registry store, as the launcher makes them.
struct RegistryWindowSettings {
  RegistryWindowSettings(const std::wstring& application, const std::wstring& window)
      : store(application), settings(store, window) {}
  WindowSettings* operator->() { return &settings; }

  RegistrySettingsStore store;
  WindowSettings settings;
};

TEST(WindowSettings, SettingsWrittenByOneHelperAreReadByTheNext) {
  ScratchApplication app(L"RoundTrip");
  {
    RegistryWindowSettings writer(app.Name(), L"frmShutDown");
    writer->WriteSetting(L"Pos", std::int16_t{2});
    writer->WriteSetting(L"Low", std::int16_t{-32768});
    writer->WriteSetting(L"High", std::int16_t{32767});
    writer->WriteSetting(L"TopMost", true);
    writer->WriteSetting(L"Standby", false);
  }
  RegistryWindowSettings reader(app.Name(), L"frmShutDown");
  EXPECT_EQ(reader->ReadSetting(L"Pos", std::int16_t{0}), 2);
  EXPECT_EQ(reader->ReadSetting(L"Low", std::int16_t{0}), -32768);
  EXPECT_EQ(reader->ReadSetting(L"High", std::int16_t{0}), 32767);
  EXPECT_TRUE(reader->ReadSetting(L"TopMost", false));
  EXPECT_FALSE(reader->ReadSetting(L"Standby", true));
}

TEST(WindowSettings, StoresTextUnderTheApplicationAndTheWindowName) {
  ScratchApplication app(L"Text");
  RegistryWindowSettings helper(app.Name(), L"frmShutDown");
  helper->WriteSetting(L"Pos", std::int16_t{-5});
  helper->WriteSetting(L"TopMost", true);
  helper->WriteSetting(L"AutoEject", false);
  RegistrySettingsStore store(app.Name());
  EXPECT_EQ(store.ReadText(L"frmShutDown", L"Pos"), L"-5");
  EXPECT_EQ(store.ReadText(L"frmShutDown", L"TopMost"), L"True");
  EXPECT_EQ(store.ReadText(L"frmShutDown", L"AutoEject"), L"False");

  RegistryWindowSettings other(app.Name(), L"frmMsg");
  EXPECT_EQ(other->ReadSetting(L"Pos", std::int16_t{1}), 1) << "each window has its own section";
}

TEST(WindowSettings, MissingOrUnconvertibleValuesGiveTheDefault) {
  ScratchApplication app(L"Defaults");
  RegistrySettingsStore store(app.Name());
  store.WriteText(L"frmShutDown", L"Pos", L"70000");
  store.WriteText(L"frmShutDown", L"Word", L"abc");
  store.WriteText(L"frmShutDown", L"TopMost", L"maybe");
  store.WriteText(L"frmShutDown", L"Empty", L"");
  RegistryWindowSettings helper(app.Name(), L"frmShutDown");
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
  RegistrySettingsStore store(app.Name());
  store.WriteText(L"frmShutDown", L"A", L"TRUE");
  store.WriteText(L"frmShutDown", L"B", L"false");
  store.WriteText(L"frmShutDown", L"C", L"-1");
  store.WriteText(L"frmShutDown", L"D", L"0");
  RegistryWindowSettings helper(app.Name(), L"frmShutDown");
  EXPECT_TRUE(helper->ReadSetting(L"A", false));
  EXPECT_FALSE(helper->ReadSetting(L"B", true));
  EXPECT_TRUE(helper->ReadSetting(L"C", false));
  EXPECT_FALSE(helper->ReadSetting(L"D", true));
}

TEST(WindowSettings, WithoutAnApplicationNameNothingIsStored) {
  RegistryWindowSettings helper(L"", L"frmShutDown");
  helper->WriteSetting(L"Pos", std::int16_t{2});
  EXPECT_EQ(helper->ReadSetting(L"Pos", std::int16_t{0}), 0);
  EXPECT_FALSE(testing_support::KeyExists(L"Software\\frmShutDown"));
}

}  // namespace
}  // namespace settings
