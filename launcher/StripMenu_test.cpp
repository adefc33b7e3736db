#include "launcher/StripMenu.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

namespace {

using launcher::ChooseMenuItem;
using launcher::Corner;
using launcher::MenuItemKind;
using launcher::MenuOutcome;
using launcher::MenuState;
using launcher::MenuStateAtLoad;
using launcher::StripSettings;

// The item a user reads a caption on.
int ItemCaptioned(std::wstring_view caption) {
  const auto& items = launcher::MenuItems();
  for (std::size_t k = 0; k < items.size(); ++k)
    if (items[k].caption == caption) return static_cast<int>(k);
  ADD_FAILURE() << "no item " << testing::PrintToString(std::wstring(caption));
  return -1;
}

// Each item, found by the caption the user reads, does what it says; the
// separators part the corners, the options and the quit as the user sees them.
TEST(MenuItems, EachCaptionDoesWhatItSays) {
  const std::pair<const wchar_t*, Corner> corners[] = {{L"左上", Corner::TopLeft},
                                                       {L"右上", Corner::TopRight},
                                                       {L"右下", Corner::BottomRight},
                                                       {L"左下", Corner::BottomLeft}};
  const std::pair<const wchar_t*, bool StripSettings::*> options[] = {
      {L"常に手前", &StripSettings::topMost},
      {L"大きいボタン", &StripSettings::largeButtons},
      {L"終了で電源断", &StripSettings::powerOff},
      {L"スタンバイボタン", &StripSettings::standbyButton},
      {L"MO自動排出", &StripSettings::autoEject}};
  StripSettings s;
  MenuState state = MenuStateAtLoad(s, true);
  for (const auto& [caption, corner] : corners) {
    EXPECT_EQ(ChooseMenuItem(ItemCaptioned(caption), state, s), MenuOutcome::ApplySettings);
    EXPECT_EQ(s.corner, corner) << testing::PrintToString(std::wstring(caption));
  }
  for (const auto& [caption, setting] : options) {
    const StripSettings before = s;
    EXPECT_EQ(ChooseMenuItem(ItemCaptioned(caption), state, s), MenuOutcome::ApplySettings);
    StripSettings expected = before;
    expected.*setting = true;
    EXPECT_EQ(s, expected) << testing::PrintToString(std::wstring(caption)) << " turns its setting on alone";
  }
  EXPECT_EQ(ChooseMenuItem(ItemCaptioned(L"VuriRivuを終了"), state, s), MenuOutcome::Quit);

  const auto& items = launcher::MenuItems();
  ASSERT_EQ(items.size(), 13u);
  for (const int separator : {4, 9, 11}) {
    EXPECT_EQ(std::wstring(items[static_cast<std::size_t>(separator)].caption), L"-");
    EXPECT_EQ(items[static_cast<std::size_t>(separator)].kind, MenuItemKind::Separator);
  }
}

TEST(MenuStateAtLoad, ChecksFollowTheSettings) {
  const StripSettings s{
      .corner = Corner::BottomRight, .topMost = true, .powerOff = true, .standbyButton = true};
  const MenuState state = MenuStateAtLoad(s, true);
  const bool expected[] = {false, false, true,  false, false, true, false,
                           true,  true,  false, false, false, false};
  for (std::size_t k = 0; k < 13; ++k) {
    EXPECT_EQ(state.checked[k], expected[k]) << k;
    EXPECT_TRUE(state.enabled[k]) << k;
  }
}

TEST(MenuStateAtLoad, OffWindowsNtThePowerAndEjectItemsAreDisabledAndClear) {
  const StripSettings s{.powerOff = true, .autoEject = true};
  const MenuState state = MenuStateAtLoad(s, false);
  EXPECT_FALSE(state.enabled[7]);
  EXPECT_FALSE(state.enabled[10]);
  EXPECT_FALSE(state.checked[7]);
  EXPECT_FALSE(state.checked[10]);
  EXPECT_TRUE(state.enabled[5] && state.enabled[12]);
}

// The corner items are the first four, in the order of the corners.
constexpr Corner kCornerOfItem[] = {Corner::TopLeft, Corner::TopRight, Corner::BottomRight,
                                    Corner::BottomLeft};

TEST(ChooseMenuItem, ACornerMovesTheMarkAndTheCorner) {
  StripSettings s;
  MenuState state = MenuStateAtLoad(s, true);
  for (int k : {3, 1, 1, 2, 0}) {
    EXPECT_EQ(ChooseMenuItem(k, state, s), MenuOutcome::ApplySettings);
    EXPECT_EQ(s.corner, kCornerOfItem[k]);
    for (int corner = 0; corner < 4; ++corner) EXPECT_EQ(state.checked[corner], corner == k) << k;
  }
}

TEST(ChooseMenuItem, ACheckItemInvertsItsMarkAndSetting) {
  StripSettings s;
  MenuState state = MenuStateAtLoad(s, true);
  EXPECT_EQ(ChooseMenuItem(5, state, s), MenuOutcome::ApplySettings);
  EXPECT_TRUE(s.topMost && state.checked[5]);
  EXPECT_EQ(ChooseMenuItem(6, state, s), MenuOutcome::ApplySettings);
  EXPECT_TRUE(s.largeButtons);
  EXPECT_EQ(ChooseMenuItem(7, state, s), MenuOutcome::ApplySettings);
  EXPECT_TRUE(s.powerOff);
  EXPECT_EQ(ChooseMenuItem(8, state, s), MenuOutcome::ApplySettings);
  EXPECT_TRUE(s.standbyButton);
  EXPECT_EQ(ChooseMenuItem(10, state, s), MenuOutcome::ApplySettings);
  EXPECT_TRUE(s.autoEject);
  EXPECT_EQ(s, (StripSettings{.topMost = true,
                              .largeButtons = true,
                              .powerOff = true,
                              .autoEject = true,
                              .standbyButton = true}));
  EXPECT_EQ(ChooseMenuItem(5, state, s), MenuOutcome::ApplySettings);
  EXPECT_FALSE(s.topMost || state.checked[5]);
}

TEST(ChooseMenuItem, QuitQuitsAndChangesNothing) {
  StripSettings s{.corner = Corner::TopRight, .topMost = true};
  MenuState state = MenuStateAtLoad(s, true);
  const MenuState before = state;
  EXPECT_EQ(ChooseMenuItem(12, state, s), MenuOutcome::Quit);
  EXPECT_EQ(state, before);
  EXPECT_EQ(s, (StripSettings{.corner = Corner::TopRight, .topMost = true}));
}

TEST(ChooseMenuItem, SeparatorsDisabledItemsAndStrangeIndexesDoNothing) {
  StripSettings s{.powerOff = true, .autoEject = true};
  MenuState state = MenuStateAtLoad(s, false);
  const MenuState before = state;
  for (int k : {4, 9, 11, 7, 10, -1, 13}) EXPECT_EQ(ChooseMenuItem(k, state, s), MenuOutcome::Nothing) << k;
  EXPECT_EQ(state, before);
  // Off Windows NT the stored True values stay in force.
  EXPECT_TRUE(s.powerOff && s.autoEject);
}

}  // namespace
