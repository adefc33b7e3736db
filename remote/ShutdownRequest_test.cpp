#include "remote/ShutdownRequest.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/FakeSessionApi.h"
#include "remote/FakeRemoteShutdownApi.h"

using ::testing::ElementsAre;
using testing_support::FakeRemoteShutdownApi;
using testing_support::FakeSessionApi;

namespace {

const char* const kPrivilege = "EnableShutdownPrivilege()";

class RequestObject : public ::testing::Test {
 protected:
  // Whether every request was asked with the privilege enabled right before it.
  bool EachRequestFollowsThePrivilegeStep() const {
    const auto& lines = session.log.Lines();
    if (lines.empty() || lines.size() % 2 != 0) return false;
    for (std::size_t i = 0; i < lines.size(); i += 2)
      if (lines[i] != kPrivilege || lines[i + 1] == kPrivilege) return false;
    return true;
  }

  FakeSessionApi session;
  FakeRemoteShutdownApi remote{session.log};
  remote::ShutdownRequest request{session, remote};
};

TEST_F(RequestObject, UntouchedObjectAsksTheLocalMachineToRestartClosingApplications) {
  EXPECT_EQ(request.LastError(), L"");
  EXPECT_TRUE(request.Send(L""));
  EXPECT_THAT(session.log.Lines(), ElementsAre(kPrivilege, "ShutDown(local, \"\", 0, close apps, restart)"));
  EXPECT_EQ(request.LastError(), L"");
}

TEST_F(RequestObject, SendsTheWrittenParametersAndTheNameUnchanged) {
  request.Message(L"まもなく停止します");
  request.TimeOut(30);
  request.ForceAppsClosed(false);
  request.RebootAfterShutdown(false);
  request.Send(L"srv-1.例");
  // The parameters stay for the next request.
  request.Send(L"SRV2");
  EXPECT_THAT(
      session.log.Lines(),
      ElementsAre(kPrivilege, "ShutDown(\"srv-1.例\", \"まもなく停止します\", 30, keep apps, stay off)",
                  kPrivilege, "ShutDown(\"SRV2\", \"まもなく停止します\", 30, keep apps, stay off)"));
  EXPECT_TRUE(EachRequestFollowsThePrivilegeStep());
}

TEST_F(RequestObject, AbortEnablesThePrivilegeAndAddressesTheGivenMachine) {
  EXPECT_TRUE(request.Abort(L""));
  EXPECT_TRUE(request.Abort(L"srv1"));
  EXPECT_THAT(session.log.Lines(),
              ElementsAre(kPrivilege, "AbortShutDown(local)", kPrivilege, "AbortShutDown(\"srv1\")"));
}

TEST_F(RequestObject, RefusalIsToldAsTheSystemTextDirectlyFollowedByTheCode) {
  remote.shutDownAccepts = false;
  remote.errorCode = 5;
  remote.systemTexts[5] = L"アクセスが拒否されました。";
  EXPECT_FALSE(request.Send(L"srv1"));
  EXPECT_EQ(request.LastError(), L"アクセスが拒否されました。(5)");
  EXPECT_TRUE(EachRequestFollowsThePrivilegeStep());
}

TEST_F(RequestObject, RefusedAbortIsToldTheSameWay) {
  remote.abortAccepts = false;
  remote.errorCode = 1116;
  remote.systemTexts[1116] = L"システム シャットダウンは実行中ではありません。";
  EXPECT_FALSE(request.Abort(L"srv1"));
  EXPECT_EQ(request.LastError(), L"システム シャットダウンは実行中ではありません。(1116)");
}

TEST_F(RequestObject, CodeZeroIsToldAsTheUnknownErrorNotAsTheSystemsTextForSuccess) {
  remote.abortAccepts = false;
  remote.errorCode = 0;
  remote.systemTexts[0] = L"この操作を正しく終了しました。";
  EXPECT_FALSE(request.Abort(L"srv1"));
  EXPECT_EQ(request.LastError(), L"不明なｴﾗｰが発生しました(0)");
}

TEST_F(RequestObject, CodeWithoutSystemTextGivesTheUnknownErrorTextInSignedDecimal) {
  remote.abortAccepts = false;
  remote.errorCode = 0x80070005;
  EXPECT_FALSE(request.Abort(L""));
  EXPECT_EQ(request.LastError(), L"不明なｴﾗｰが発生しました(-2147024891)");
}

TEST_F(RequestObject, SuccessAfterAFailureEmptiesLastError) {
  remote.shutDownAccepts = false;
  remote.errorCode = 1115;
  remote.systemTexts[1115] = L"シャットダウン中です。";
  EXPECT_FALSE(request.Send(L"srv1"));
  EXPECT_EQ(request.LastError(), L"シャットダウン中です。(1115)");
  remote.shutDownAccepts = true;
  EXPECT_TRUE(request.Send(L"srv1"));
  EXPECT_EQ(request.LastError(), L"");

  remote.abortAccepts = false;
  EXPECT_FALSE(request.Abort(L"srv1"));
  EXPECT_NE(request.LastError(), L"");
  remote.abortAccepts = true;
  EXPECT_TRUE(request.Abort(L"srv1"));
  EXPECT_EQ(request.LastError(), L"");
}

}  // namespace
