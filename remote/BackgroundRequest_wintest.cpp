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

namespace {

// A room has up to 32 of these under way: each thread reserves 64 KB of
// address space for its stack, not the program's default. Wine reserves no
// less than 1 MB for any thread's stack (a 4 MB reservation it gives as
// asked), so there the test can only see that the reservation was asked for.
TEST(BackgroundRequest, ItsThreadReservesA64KilobyteStack) {
  std::promise<std::size_t> reserved;
  std::promise<void> ended;
  remote::BackgroundRequest background;
  background.Start(
      [&] {
        // Windows 8's, looked up: the headers are for Windows 7.
        const auto limits = reinterpret_cast<void(WINAPI*)(PULONG_PTR, PULONG_PTR)>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetCurrentThreadStackLimits")));
        ULONG_PTR low = 0, high = 0;
        if (limits) limits(&low, &high);
        reserved.set_value(high - low);
        return true;
      },
      [&] { ended.set_value(); });
  auto size = reserved.get_future();
  ASSERT_EQ(size.wait_for(10s), std::future_status::ready);
  const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
  EXPECT_EQ(size.get(), wine ? 1024u * 1024 : 64u * 1024);
  EXPECT_EQ(ended.get_future().wait_for(10s), std::future_status::ready);
}

}  // namespace
