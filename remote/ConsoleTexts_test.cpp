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

}  // namespace
