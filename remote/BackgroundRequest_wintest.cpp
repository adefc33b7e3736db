#include "remote/BackgroundRequest.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <future>
#include <memory>
#include <new>

namespace {

using namespace std::chrono_literals;

// A request that waits until the test lets it answer, and says on which
// thread it and its ended ran.
struct HeldRequest {
  std::promise<void> release;
  std::shared_future<void> released{release.get_future().share()};
  std::promise<DWORD> requestThread;
  std::promise<DWORD> endedThread;

  std::function<bool()> Answering(bool accepted) {
    return [this, accepted] {
      requestThread.set_value(GetCurrentThreadId());
      released.wait();
      return accepted;
    };
  }
  std::function<void()> Ended() {
    return [this] { endedThread.set_value(GetCurrentThreadId()); };
  }
};

TEST(BackgroundRequest, RunsOffTheCallersThreadAndHandsOverItsAnswerOnce) {
  for (const bool accepted : {true, false}) {
    SCOPED_TRACE(accepted);
    HeldRequest held;
    remote::BackgroundRequest background;
    EXPECT_FALSE(background.Take().has_value()) << "none started";
    background.Start(held.Answering(accepted), held.Ended());
    auto running = held.requestThread.get_future();
    ASSERT_EQ(running.wait_for(10s), std::future_status::ready);
    const DWORD requestThread = running.get();
    EXPECT_NE(requestThread, GetCurrentThreadId());
    EXPECT_TRUE(background.UnderWay());
    EXPECT_FALSE(background.Take().has_value()) << "still waiting for its answer";

    held.release.set_value();
    auto ended = held.endedThread.get_future();
    ASSERT_EQ(ended.wait_for(10s), std::future_status::ready);
    EXPECT_EQ(ended.get(), requestThread) << "ended runs on the request's thread, after it";
    EXPECT_TRUE(background.UnderWay()) << "until its outcome is taken";
    const auto outcome = background.Take();
    ASSERT_TRUE(outcome.has_value());
    EXPECT_EQ(outcome->accepted, accepted);
    EXPECT_FALSE(outcome->error);
    EXPECT_FALSE(background.UnderWay());
    EXPECT_FALSE(background.Take().has_value()) << "taken once";
  }
}

TEST(BackgroundRequest, WhatTheRequestRaisedComesBackAsItsOutcome) {
  remote::BackgroundRequest background;
  std::promise<void> ended;
  background.Start([]() -> bool { throw std::bad_alloc(); }, [&ended] { ended.set_value(); });
  ASSERT_EQ(ended.get_future().wait_for(10s), std::future_status::ready);
  const auto outcome = background.Take();
  ASSERT_TRUE(outcome.has_value());
  EXPECT_FALSE(outcome->accepted);
  ASSERT_TRUE(outcome->error);
  EXPECT_THROW(std::rethrow_exception(outcome->error), std::bad_alloc);
}

// The session ends while a request is still with Windows: the window and its
// request object go, and the request finishes on its own.
TEST(BackgroundRequest, TheOwnerMayGoBeforeItsRequestEnds) {
  HeldRequest held;
  auto background = std::make_unique<remote::BackgroundRequest>();
  background->Start(held.Answering(true), held.Ended());
  ASSERT_EQ(held.requestThread.get_future().wait_for(10s), std::future_status::ready);
  background.reset();
  held.release.set_value();
  EXPECT_EQ(held.endedThread.get_future().wait_for(10s), std::future_status::ready);
}

}  // namespace
