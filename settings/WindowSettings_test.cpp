#include "settings/WindowSettings.h"

#include <gtest/gtest.h>

#include "settings/FakeSettingsStore.h"

namespace {

using Section = testing_support::FakeSettingsStore::Section;

TEST(WindowSettings, WritesTextIntoTheWindowsOwnSection) {
  testing_support::FakeSettingsStore store;
  settings::WindowSettings strip(store, L"frmShutDown");
  strip.WriteSetting(L"Pos", std::int16_t{-5});
  strip.WriteSetting(L"TopMost", true);
  strip.WriteSetting(L"LageButton", false);
  EXPECT_EQ(store.sections[L"frmShutDown"],
            (Section{{L"Pos", L"-5"}, {L"TopMost", L"True"}, {L"LageButton", L"False"}}));
  EXPECT_EQ(store.sections.size(), 1u);
}

TEST(WindowSettings, ReadsItsOwnSectionInAnyCaseAndAsNumbers) {
  testing_support::FakeSettingsStore store;
  store.sections[L"frmShutDown"] = {{L"A", L"tRUE"}, {L"B", L"0"}, {L"C", L"-1"}, {L"Pos", L"3"}};
  store.sections[L"frmMsg"] = {{L"D", L"True"}};
  const settings::WindowSettings strip(store, L"frmShutDown");
  EXPECT_TRUE(strip.ReadSetting(L"A", false));
  EXPECT_FALSE(strip.ReadSetting(L"B", true));
  EXPECT_TRUE(strip.ReadSetting(L"C", false));
  EXPECT_FALSE(strip.ReadSetting(L"D", false)) << "another window's value";
  EXPECT_EQ(strip.ReadSetting(L"Pos", std::int16_t{0}), 3);
}

TEST(WindowSettings, MissingOrUnreadableValuesGiveTheDefault) {
  testing_support::FakeSettingsStore store;
  store.sections[L"frmShutDown"] = {{L"Pos", L"links"}, {L"TopMost", L"ja"}, {L"Empty", L""}};
  const settings::WindowSettings strip(store, L"frmShutDown");
  EXPECT_EQ(strip.ReadSetting(L"Pos", std::int16_t{2}), 2);
  EXPECT_TRUE(strip.ReadSetting(L"TopMost", true));
  EXPECT_FALSE(strip.ReadSetting(L"TopMost", false));
  EXPECT_EQ(strip.ReadSetting(L"Empty", std::int16_t{1}), 1);
  EXPECT_TRUE(strip.ReadSetting(L"Never", true));
  EXPECT_EQ(strip.ReadSetting(L"Never", std::int16_t{-7}), -7);
}

}  // namespace
