#include "remote/ConsoleTexts.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowCaption, CommentTextDirectlyFollowedByTheVersion) {
  EXPECT_EQ(remote::WindowCaption(L"リモートシャットダウン", 6, 0, 26),
            L"リモートシャットダウン(Ver 6.0.26)");
  EXPECT_EQ(remote::WindowCaption(L"", 1, 10, 0), L"(Ver 1.10.0)");
}

TEST(ConfirmationText, DisplayNameFollowedByTheQuestion) {
  EXPECT_EQ(remote::ConfirmationText(L"ローカルマシン"), L"ローカルマシンをシャットダウンします");
  EXPECT_EQ(remote::ConfirmationText(L"SRV1"), L"SRV1をシャットダウンします");
}

TEST(RoomConfirmationText, CountsTheRoomAndNamesTheFirstTwenty) {
  std::vector<remote::MachineChoice> room;
  for (int i = 1; i <= 22; ++i) room.push_back(remote::ChooseMachine(L"pc" + std::to_wstring(i)));
  std::wstring named;
  for (int i = 1; i <= 20; ++i) named += L"\npc" + std::to_wstring(i);
  EXPECT_EQ(remote::RoomConfirmationText(room),
            L"22台のマシンをシャットダウンします\n" + named + L"\nほか2台");
  room.resize(2);
  room.push_back(remote::ChooseMachine(L""));
  EXPECT_EQ(remote::RoomConfirmationText(room),
            L"3台のマシンをシャットダウンします\n\npc1\npc2\nローカルマシン");
}

}  // namespace
