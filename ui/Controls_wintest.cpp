// The standard controls, the popup menu, tooltips, the single-instance check
// and the twips of this screen.
#include "ui/Controls.h"

#include <gtest/gtest.h>

#include "ui/MessageBox.h"
#include "ui/PlainWindow.h"
#include "ui/PopupMenu.h"
#include "ui/ScreenTwips.h"
#include "ui/SingleInstance.h"
#include "ui/ToolTip.h"
#include "ui/Window.h"

namespace {

using Host = testing_support::PlainWindow;

TEST(Controls, ArePlacedInTwipsOfTheRealScreen) {
  Host host;
  host.Open();
  ui::Label label;
  label.Create(host.Handle(), 10, L"ラベル", {1440, 150, 2880, 315});
  const ui::PixelsPerInch ppi = ui::ScreenPixelsPerInch();
  RECT r;
  GetWindowRect(label.Handle(), &r);
  MapWindowPoints(nullptr, host.Handle(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, ppi.x);
  EXPECT_EQ(r.right - r.left, 2 * ppi.x);
  EXPECT_EQ(r.top, ui::TwipsToPixels(150, ppi.y));
  EXPECT_EQ(r.bottom, ui::TwipsToPixels(465, ppi.y));
  EXPECT_EQ(label.Text(), L"ラベル");
  EXPECT_EQ(label.Id(), 10);
}

TEST(Controls, ShareTheirEdgesInPixelsWhenTheyShareThemInTwips) {
  const RECT left = ui::TwipsToPixels({0, 0, 975, 960});
  const RECT right = ui::TwipsToPixels({975, 0, 975, 960});
  EXPECT_EQ(left.right, right.left);
}

TEST(Controls, StatesAndTexts) {
  Host host;
  host.Open();
  ui::CheckBox check;
  check.Create(host.Handle(), 11, L"終了後リブート", {0, 0, 2355, 360});
  EXPECT_FALSE(check.IsChecked());
  check.SetChecked(true);
  EXPECT_TRUE(check.IsChecked());
  check.SetEnabled(false);
  EXPECT_FALSE(check.IsEnabled());
  check.SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(check.Handle()));
}

TEST(ComboBox, KeepsItsTextWhenTheListIsEmptied) {
  Host host;
  host.Open();
  ui::ComboBox combo;
  combo.Create(host.Handle(), 13, L"Combo1", {0, 0, 3615, 300});
  combo.AddItem(L"srv1");
  combo.AddItem(L"SRV1");
  combo.InsertItem(0, L"ローカルマシン");
  ASSERT_EQ(combo.Count(), 3);
  EXPECT_EQ(combo.Item(0), L"ローカルマシン");
  EXPECT_EQ(combo.Item(2), L"SRV1");
  combo.Select(1);
  EXPECT_EQ(combo.Text(), L"srv1");
  combo.Clear();
  EXPECT_EQ(combo.Count(), 0);
  EXPECT_EQ(combo.Text(), L"srv1");
  EXPECT_EQ(combo.Item(0), L"");
}

TEST(ScrollBar, MovesByItsStepsWithinItsRange) {
  Host host;
  host.Open();
  ui::ScrollBar bar;
  bar.Create(host.Handle(), 14, {0, 0, 3765, 315});
  bar.SetRange(0, 300);
  bar.SetSteps(5, 5);
  bar.SetValue(298);
  EXPECT_TRUE(bar.Scroll(SB_LINERIGHT));
  EXPECT_EQ(bar.Value(), 300);
  EXPECT_FALSE(bar.Scroll(SB_PAGERIGHT));
  EXPECT_TRUE(bar.Scroll(SB_PAGELEFT));
  EXPECT_EQ(bar.Value(), 295);
  bar.SetValue(-3);
  EXPECT_EQ(bar.Value(), 0);
}

// An item of a menu as Windows holds it: its type flags and its caption.
struct MenuItemSeen {
  UINT type = 0;
  std::wstring caption;
};
MenuItemSeen SeenItem(HMENU menu, UINT id) {
  wchar_t caption[64] = L"";
  MENUITEMINFOW item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_FTYPE | MIIM_STRING;
  item.dwTypeData = caption;
  item.cch = 64;
  GetMenuItemInfoW(menu, id, FALSE, &item);
  return {item.fType, caption};
}

TEST(PopupMenu, HoldsChecksRadioMarksEnabledStatesAndSeparators) {
  const ui::PopupMenu menu;
  menu.AddItem(100, L"左上", true);
  menu.AddSeparator(104);
  menu.AddItem(105, L"常に手前");
  EXPECT_EQ(SeenItem(menu.Handle(), 100).caption, L"左上");
  EXPECT_TRUE(SeenItem(menu.Handle(), 100).type & MFT_RADIOCHECK);
  EXPECT_FALSE(SeenItem(menu.Handle(), 105).type & MFT_RADIOCHECK);
  EXPECT_TRUE(SeenItem(menu.Handle(), 104).type & MFT_SEPARATOR);
  EXPECT_FALSE(SeenItem(menu.Handle(), 105).type & MFT_SEPARATOR);
  EXPECT_FALSE(menu.IsChecked(105));
  menu.SetChecked(105, true);
  EXPECT_TRUE(menu.IsChecked(105));
  EXPECT_FALSE(menu.IsChecked(100));
  menu.SetEnabled(105, false);
  EXPECT_FALSE(menu.IsEnabled(105));
  EXPECT_TRUE(menu.IsChecked(105));
  menu.SetEnabled(105, true);
  EXPECT_TRUE(menu.IsEnabled(105));
  EXPECT_FALSE(menu.IsChecked(999));
}

TEST(ToolTip, KnowsTheTextOfEachControl) {
  Host host;
  host.Open();
  ui::Button first, second;
  first.Create(host.Handle(), 20, L"a", {0, 0, 600, 600});
  second.Create(host.Handle(), 21, L"b", {600, 0, 600, 600});
  ui::ToolTip tips;
  tips.Create(host.Handle());
  tips.Add(first.Handle(), L"Windowsを終了します");
  tips.Add(second.Handle(), L"現在のユーザーをログオフ");
  EXPECT_EQ(tips.TextOf(first.Handle()), L"Windowsを終了します");
  EXPECT_EQ(tips.TextOf(second.Handle()), L"現在のユーザーをログオフ");
}

TEST(ToolTip, LeavesItsWindowFreeToBeTopmostAndGoesWithItsObject) {
  Host host;
  host.Open();
  HWND tipWindow = nullptr;
  {
    ui::ToolTip tips;
    tips.Create(host.Handle());
    tipWindow = tips.Handle();
    ASSERT_TRUE(IsWindow(tipWindow));
    SetWindowPos(host.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_TRUE(GetWindowLongPtrW(host.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    SetWindowPos(host.Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_FALSE(GetWindowLongPtrW(host.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  }
  EXPECT_FALSE(IsWindow(tipWindow));
}

TEST(SingleInstance, OnlyTheFirstHolderOfANameRunsAlone) {
  {
    const ui::SingleInstance first(L"ui.test.single");
    EXPECT_FALSE(first.AnotherIsRunning());
    const ui::SingleInstance second(L"ui.test.single");
    EXPECT_TRUE(second.AnotherIsRunning());
    const ui::SingleInstance other(L"ui.test.other");
    EXPECT_FALSE(other.AnotherIsRunning());
  }
  const ui::SingleInstance again(L"ui.test.single");
  EXPECT_FALSE(again.AnotherIsRunning());
}

TEST(MessageBox, TitleIsTheProgramsName) { EXPECT_EQ(ui::ProgramTitle(), L"ui_wintest"); }

}  // namespace
