#include "remote/ErrorText.h"

#include <gtest/gtest.h>

namespace {

TEST(ErrorText, SystemTextIsFollowedByTheCodeWithoutASeparator) {
  EXPECT_EQ(remote::ErrorText(5, L"アクセスが拒否されました。"), L"アクセスが拒否されました。(5)");
  EXPECT_EQ(remote::ErrorText(53, L"ネットワーク パスが見つかりません。 "),
            L"ネットワーク パスが見つかりません。 (53)");
}

TEST(ErrorText, CodeZeroOrNoSystemTextGivesTheUnknownErrorText) {
  EXPECT_EQ(remote::ErrorText(0, L""), L"不明なｴﾗｰが発生しました(0)");
  EXPECT_EQ(remote::ErrorText(0, L"この操作を正しく終了しました。"), L"不明なｴﾗｰが発生しました(0)");
  EXPECT_EQ(remote::ErrorText(1234567, L""), L"不明なｴﾗｰが発生しました(1234567)");
  EXPECT_EQ(remote::ErrorText(-2147024891, L""), L"不明なｴﾗｰが発生しました(-2147024891)");
}

TEST(HandlerErrorText, NameDescriptionAndNumberFollowEachOtherDirectly) {
  EXPECT_EQ(remote::HandlerErrorText(L"cmdExec_Click", L"メモリが不足しています。", 7),
            L"cmdExec_Clickメモリが不足しています。(7)");
  EXPECT_EQ(remote::HandlerErrorText(L"cmdAbout_Click", L"", -2147221504), L"cmdAbout_Click(-2147221504)");
}

}  // namespace
