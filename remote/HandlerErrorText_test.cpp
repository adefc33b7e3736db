#include "remote/ErrorText.h"

#include <gtest/gtest.h>

namespace {

TEST(HandlerErrorText, NameDescriptionAndNumberFollowEachOtherDirectly) {
  EXPECT_EQ(remote::HandlerErrorText(L"cmdExec_Click", L"メモリが不足しています。", 7),
            L"cmdExec_Clickメモリが不足しています。(7)");
  EXPECT_EQ(remote::HandlerErrorText(L"cmdAbout_Click", L"", -2147221504), L"cmdAbout_Click(-2147221504)");
}

}  // namespace
