#include "platform/MessageHook.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "testing/TestWindow.h"

namespace platform {
namespace {

using testing_support::TestWindow;

struct Seen {
  std::uint32_t message;
  std::uintptr_t wParam;
  std::intptr_t lParam;
  WindowHandle window;
};

class MessageHookTest : public testing::Test {
 protected:
  TestWindow window;
  std::vector<Seen> seen;
  MessageHook::Listener Recorder() {
    return [this](std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam, WindowHandle from) {
      seen.push_back({message, wParam, lParam, from});
    };
  }
  WindowHandle Handle() const { return reinterpret_cast<WindowHandle>(window.get()); }
  int Count(std::uint32_t message) const {
    int count = 0;
    for (const auto& one : seen) count += one.message == message ? 1 : 0;
    return count;
  }
};

TEST_F(MessageHookTest, SeesABroadcastSettingChangeAndTheWindowStillHandlesIt) {
  MessageHook hook;
  hook.Attach(Handle(), Recorder());
  static const wchar_t area[] = L"BrevokTestArea";
  DWORD_PTR answer = 0;
  ASSERT_NE(SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETWORKAREA,
                                reinterpret_cast<LPARAM>(area), SMTO_ABORTIFHUNG, 5000, &answer),
            0);
  ASSERT_EQ(Count(WM_SETTINGCHANGE), 1);
  for (const auto& one : seen) {
    if (one.message != WM_SETTINGCHANGE) continue;
    EXPECT_EQ(one.message, 26u);
    EXPECT_EQ(one.wParam, static_cast<std::uintptr_t>(SPI_SETWORKAREA));
    EXPECT_EQ(one.window, Handle());
  }
  EXPECT_EQ(window.Handled(WM_SETTINGCHANGE), 1);
}

TEST_F(MessageHookTest, PassesEveryMessageOnWithItsAnswerUnchanged) {
  MessageHook hook;
  hook.Attach(Handle(), Recorder());
  EXPECT_EQ(SendMessageW(window.get(), TestWindow::kEchoMessage, 4321, 77), 4321);
  EXPECT_EQ(window.Handled(TestWindow::kEchoMessage), 1);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].message, TestWindow::kEchoMessage);
  EXPECT_EQ(seen[0].wParam, 4321u);
  EXPECT_EQ(seen[0].lParam, 77);
}

TEST_F(MessageHookTest, AFailingListenerDoesNotDisturbTheWindow) {
  MessageHook hook;
  hook.Attach(Handle(), [](std::uint32_t, std::uintptr_t, std::intptr_t, WindowHandle) {
    throw std::runtime_error("listener failed");
  });
  EXPECT_EQ(SendMessageW(window.get(), TestWindow::kEchoMessage, 9, 0), 9);
  EXPECT_EQ(window.Handled(TestWindow::kEchoMessage), 1);
}

TEST_F(MessageHookTest, TwoHooksOnOneWindowBothHear) {
  MessageHook first;
  MessageHook second;
  int secondHeard = 0;
  first.Attach(Handle(), Recorder());
  second.Attach(Handle(), [&](std::uint32_t message, std::uintptr_t, std::intptr_t, WindowHandle) {
    secondHeard += message == TestWindow::kEchoMessage ? 1 : 0;
  });
  SendMessageW(window.get(), TestWindow::kEchoMessage, 1, 0);
  EXPECT_EQ(Count(TestWindow::kEchoMessage), 1);
  EXPECT_EQ(secondHeard, 1);
}

TEST_F(MessageHookTest, StopsHearingWhenDetachedOrDestroyed) {
  {
    MessageHook hook;
    hook.Attach(Handle(), Recorder());
    hook.Detach();
    SendMessageW(window.get(), TestWindow::kEchoMessage, 1, 0);
    EXPECT_EQ(Count(TestWindow::kEchoMessage), 0);
    hook.Attach(Handle(), Recorder());
  }
  SendMessageW(window.get(), TestWindow::kEchoMessage, 1, 0);
  EXPECT_EQ(Count(TestWindow::kEchoMessage), 0) << "a destroyed hook leaves the window";
  EXPECT_EQ(window.Handled(TestWindow::kEchoMessage), 2);
}

TEST_F(MessageHookTest, AListenerMayEndItsOwnHook) {
  auto hook = std::make_unique<MessageHook>();
  hook->Attach(Handle(), [&](std::uint32_t message, std::uintptr_t, std::intptr_t, WindowHandle) {
    if (message == TestWindow::kEchoMessage) hook.reset();
  });
  EXPECT_EQ(SendMessageW(window.get(), TestWindow::kEchoMessage, 5, 0), 5);
  EXPECT_EQ(hook, nullptr);
  EXPECT_EQ(SendMessageW(window.get(), TestWindow::kEchoMessage, 6, 0), 6);
  EXPECT_EQ(window.Handled(TestWindow::kEchoMessage), 2);
}

TEST_F(MessageHookTest, OutlivesItsWindow) {
  MessageHook hook;
  hook.Attach(Handle(), Recorder());
  window.Destroy();
  EXPECT_EQ(Count(WM_NCDESTROY), 1);
  hook.Detach();
}

}  // namespace
}  // namespace platform
