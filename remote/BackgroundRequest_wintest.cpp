// What the console's tests cannot show: the owner of a request going before
// the request has ended. The rest of BackgroundRequest is seen through the
// console window (ConsoleWindow_wintest.cpp).
#include "remote/BackgroundRequest.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <future>
#include <memory>

namespace {

using namespace std::chrono_literals;

// The session ends while a request is still with Windows: the window and its
// request object go, and the request finishes on its own thread, its ended
// still called, nothing of the owner touched.
TEST(BackgroundRequest, TheOwnerMayGoBeforeItsRequestEnds) {
  std::promise<void> started, release, ended;
  std::shared_future<void> released = release.get_future().share();
  auto background = std::make_unique<remote::BackgroundRequest>();
  background->Start(
      [&] {
        started.set_value();
        released.wait();
        return true;
      },
      [&] { ended.set_value(); });
  ASSERT_EQ(started.get_future().wait_for(10s), std::future_status::ready);
  EXPECT_TRUE(background->UnderWay());
  EXPECT_FALSE(background->Take().has_value()) << "no outcome while the request runs";
  background.reset();
  release.set_value();
  EXPECT_EQ(ended.get_future().wait_for(10s), std::future_status::ready);
}

}  // namespace
