#include "launcher/StripMenu.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using launcher::ChooseMenuItem;
using launcher::Corner;
using launcher::MenuItemKind;
using launcher::MenuOutcome;
using launcher::MenuState;
using launcher::MenuStateAtLoad;
using launcher::StripSettings;

TEST(MenuItems, CaptionsAndKindsInOrder) {
  const auto& items = launcher::MenuItems();
  const wchar_t* captions[] = {L"左上",
                               L"右上",
                               L"右下",
                               L"左下",
                               L"-",
                               L"常に手前",
                               L"大きいボタン",
                               L"終了で電源断",
                               L"スタンバイボタン",
                               L"-",
                               L"MO自動排出",
                               L"-",
                               L"VuriRivuを終了"};
  for (std::size_t k = 0; k < items.size(); ++k) EXPECT_EQ(std::wstring(items[k].caption), captions[k]) << k;
  EXPECT_EQ(items[2].kind, MenuItemKind::Corner);
  EXPECT_EQ(items[9].kind, MenuItemKind::Separator);
  EXPECT_EQ(items[7].kind, MenuItemKind::NtOnlyCheck);
  EXPECT_EQ(items[10].kind, MenuItemKind::NtOnlyCheck);
  EXPECT_EQ(items[8].kind, MenuItemKind::Check);
  EXPECT_EQ(items[12].kind, MenuItemKind::Quit);
}

TEST(MenuStateAtLoad, ChecksFollowTheSettings) {
  const StripSettings s{Corner::BottomRight, true, false, true, false, true};
  const MenuState state = MenuStateAtLoad(s, true);
  const bool expected[] = {false, false, true,  false, false, true, false,
                           true,  true,  false, false, false, false};
  for (std::size_t k = 0; k < 13; ++k) {
    EXPECT_EQ(state.checked[k], expected[k]) << k;
    EXPECT_TRUE(state.enabled[k]) << k;
  }
}

TEST(MenuStateAtLoad, OffWindowsNtThePowerAndEjectItemsAreDisabledAndClear) {
  const StripSettings s{Corner::TopLeft, false, false, true, true, false};
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
  EXPECT_EQ(s, (StripSettings{Corner::TopLeft, true, true, true, true, true}));
  EXPECT_EQ(ChooseMenuItem(5, state, s), MenuOutcome::ApplySettings);
  EXPECT_FALSE(s.topMost || state.checked[5]);
}

TEST(ChooseMenuItem, QuitQuitsAndChangesNothing) {
  StripSettings s{Corner::TopRight, true, false, false, false, false};
  MenuState state = MenuStateAtLoad(s, true);
  const MenuState before = state;
  EXPECT_EQ(ChooseMenuItem(12, state, s), MenuOutcome::Quit);
  EXPECT_EQ(state, before);
  EXPECT_EQ(s, (StripSettings{Corner::TopRight, true, false, false, false, false}));
}

TEST(ChooseMenuItem, SeparatorsDisabledItemsAndStrangeIndexesDoNothing) {
  StripSettings s{Corner::TopLeft, false, false, true, true, false};
  MenuState state = MenuStateAtLoad(s, false);
  const MenuState before = state;
  for (int k : {4, 9, 11, 7, 10, -1, 13}) EXPECT_EQ(ChooseMenuItem(k, state, s), MenuOutcome::Nothing) << k;
  EXPECT_EQ(state, before);
  // Off Windows NT the stored True values stay in force.
  EXPECT_TRUE(s.powerOff && s.autoEject);
}

}  // namespace
