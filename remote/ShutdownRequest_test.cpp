#include "remote/ShutdownRequest.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/FakeSessionApi.h"
#include "remote/FakeRemoteShutdownApi.h"

using ::testing::ElementsAre;
using testing_support::FakeRemoteShutdownApi;
using testing_support::FakeSessionApi;

namespace {

// The privilege step, as the shared log records it.
const char* const kPrivilege = "EnableShutdownPrivilege()";
const char* const kLastError = "GetLastError()";

class RequestObject : public ::testing::Test {
 protected:
  FakeSessionApi session;
  FakeRemoteShutdownApi remote{session.log};
  remote::ShutdownRequest request{session, remote};
};

TEST_F(RequestObject, StartsWithForceAndRebootOnNoMessageAndNoTimeOut) {
  EXPECT_TRUE(request.ForceAppsClosed());
  EXPECT_TRUE(request.RebootAfterShutdown());
  EXPECT_EQ(request.TimeOut(), 0);
  EXPECT_EQ(request.Message(), L"");
  EXPECT_EQ(request.LastError(), L"");
}

TEST_F(RequestObject, UntouchedObjectAsksTheLocalMachineAfterThePrivilegeStep) {
  EXPECT_TRUE(request.Send(L""));
  EXPECT_THAT(session.log.Lines(),
              ElementsAre(kPrivilege, "InitiateSystemShutdownW(null, null, 0, 1, 1)", kLastError));
  EXPECT_EQ(request.LastError(), L"");
}

TEST_F(RequestObject, SendsTheWrittenParametersAndTheNameUnchanged) {
  request.Message(L"まもなく停止します");
  request.TimeOut(30);
  request.ForceAppsClosed(false);
  request.RebootAfterShutdown(false);
  request.Send(L"srv-1.例");
  EXPECT_EQ(session.log.Lines().at(1),
            "InitiateSystemShutdownW(\"srv-1.例\", \"まもなく停止します\", 30, 0, 0)");
  // The parameters stay for the next request.
  session.log.Clear();
  request.Send(L"SRV2");
  EXPECT_EQ(session.log.Lines().at(1), "InitiateSystemShutdownW(\"SRV2\", \"まもなく停止します\", 30, 0, 0)");
}

TEST_F(RequestObject, AbortRunsThePrivilegeStepAndAddressesTheGivenMachine) {
  EXPECT_TRUE(request.Abort(L""));
  EXPECT_TRUE(request.Abort(L"srv1"));
  EXPECT_THAT(session.log.Lines(), ElementsAre(kPrivilege, "AbortSystemShutdownW(null)", kLastError,
                                               kPrivilege, "AbortSystemShutdownW(\"srv1\")", kLastError));
}

TEST_F(RequestObject, RefusalTakesTheSystemTextDirectlyFollowedByTheCode) {
  remote.initiateAccepts = false;
  remote.errorCode = 5;
  remote.systemTexts[5] = L"アクセスが拒否されました。";
  EXPECT_FALSE(request.Send(L"srv1"));
  EXPECT_EQ(request.LastError(), L"アクセスが拒否されました。(5)");
  EXPECT_THAT(session.log.Lines(), ElementsAre(kPrivilege, "InitiateSystemShutdownW(\"srv1\", null, 0, 1, 1)",
                                               kLastError, "SystemMessage(5, 255)"));
}

TEST_F(RequestObject, CodeZeroGivesTheUnknownErrorTextWithoutAskingTheSystem) {
  remote.abortAccepts = false;
  remote.errorCode = 0;
  EXPECT_FALSE(request.Abort(L"srv1"));
  EXPECT_EQ(request.LastError(), L"不明なｴﾗｰが発生しました(0)");
  EXPECT_EQ(session.log.Lines().back(), kLastError);
}

TEST_F(RequestObject, CodeWithoutSystemTextGivesTheUnknownErrorTextInSignedDecimal) {
  remote.abortAccepts = false;
  remote.errorCode = 0x80070005;
  EXPECT_FALSE(request.Abort(L""));
  EXPECT_EQ(request.LastError(), L"不明なｴﾗｰが発生しました(-2147024891)");
}

TEST_F(RequestObject, SuccessAfterAFailureEmptiesLastError) {
  remote.initiateAccepts = false;
  remote.errorCode = 1115;
  remote.systemTexts[1115] = L"シャットダウン中です。";
  EXPECT_FALSE(request.Send(L"srv1"));
  EXPECT_EQ(request.LastError(), L"シャットダウン中です。(1115)");
  remote.initiateAccepts = true;
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
