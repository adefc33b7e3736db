// The window base: binding, handlers, errors kept out of the window procedure,
// the close requests and the main window that ends the program.
#include "ui/Window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "core/Win32Error.h"
#include "ui/BusyCursor.h"
#include "ui/MessageLoop.h"
#include "ui/Resolution.h"

namespace {

constexpr UINT kFail = WM_APP + 7;

class Probe : public ui::Window {
 public:
  bool throwOnCreate = false;
  bool refuseClose = false;
  HWND handleSeenAtCreate = nullptr;
  std::vector<ui::CloseReason> closeRequests;
  int windowsDestroyed = 0;
  int endsCalledOff = 0;
  bool* destroyed = nullptr;

  ~Probe() override {
    if (destroyed) *destroyed = true;
  }
  void Open(const wchar_t* caption = L"probe") {
    ui::WindowParams params;
    params.className = L"ui.test.Probe";
    params.caption = caption;
    params.style = WS_POPUP;
    params.width = 100;
    params.height = 50;
    Create(params);
  }
  using ui::Window::SetControlCursor;
  using ui::Window::SetTabOrder;

 protected:
  void OnCreate() override {
    handleSeenAtCreate = Handle();
    if (throwOnCreate) throw std::runtime_error("load failed");
  }
  bool OnCloseRequest(ui::CloseReason reason) override {
    closeRequests.push_back(reason);
    return !refuseClose;
  }
  void OnDestroy() override { ++windowsDestroyed; }
  void OnSessionEndCancelled() override { ++endsCalledOff; }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kFail) throw std::runtime_error("handler failed");
    return ui::Window::HandleMessage(message, wParam, lParam);
  }
};

// A window of any class and style.
struct ClassWindow : ui::Window {
  void Open(const wchar_t* className, DWORD style) {
    ui::WindowParams params;
    params.className = className;
    params.style = style;
    Create(params);
  }
};

void DispatchPending() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ui::DispatchOne(message);
}

TEST(Window, IsBoundToItsHandleFromTheFirstMessageOn) {
  Probe probe;
  probe.Open();
  EXPECT_TRUE(probe.IsOpen());
  EXPECT_EQ(probe.handleSeenAtCreate, probe.Handle());
  EXPECT_EQ(ui::Window::FromHandle(probe.Handle()), &probe);

  const HWND hwnd = probe.Handle();
  DestroyWindow(hwnd);
  EXPECT_FALSE(probe.IsOpen());
  EXPECT_EQ(probe.windowsDestroyed, 1);
  EXPECT_EQ(ui::Window::FromHandle(hwnd), nullptr);
}

TEST(Window, AWindowOfAnotherProcedureIsNoneOfTheToolkitsWhateverItsUserData) {
  Probe probe;
  probe.Open();
  const HWND other =
      CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(other, nullptr);
  SetWindowLongPtrW(other, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&probe));
  EXPECT_EQ(ui::Window::FromHandle(other), nullptr);
  EXPECT_EQ(ui::Window::FromHandle(nullptr), nullptr);
  DestroyWindow(other);
}

bool IsTopMost(const Probe& probe) {
  return (GetWindowLongPtrW(probe.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

TEST(Window, StayOnTopTogglesTheTopmostStyleWithoutMovingTheWindow) {
  Probe probe;
  probe.Open();
  ShowWindow(probe.Handle(), SW_SHOWNOACTIVATE);
  RECT before{};
  GetWindowRect(probe.Handle(), &before);
  ASSERT_FALSE(IsTopMost(probe));
  probe.StayOnTop(true);
  EXPECT_TRUE(IsTopMost(probe));
  probe.StayOnTop(true);
  EXPECT_TRUE(IsTopMost(probe));
  probe.StayOnTop(false);
  EXPECT_FALSE(IsTopMost(probe));
  RECT after{};
  GetWindowRect(probe.Handle(), &after);
  EXPECT_TRUE(EqualRect(&before, &after));
}

TEST(Window, AnErrorWhileLoadingReachesTheCallerOfCreate) {
  Probe probe;
  probe.throwOnCreate = true;
  EXPECT_THROW(
      {
        try {
          probe.Open();
        } catch (const std::runtime_error& error) {
          EXPECT_STREQ(error.what(), "load failed");
          throw;
        }
      },
      std::runtime_error);
  EXPECT_FALSE(probe.IsOpen());
}

TEST(Window, AnErrorInAHandlerIsRethrownByTheLoopAndTheWindowCarriesOn) {
  Probe probe;
  probe.Open();
  PostMessageW(probe.Handle(), kFail, 0, 0);
  EXPECT_THROW(DispatchPending(), std::runtime_error);
  // Sent, not posted: the error waits for the next dispatch.
  SendMessageW(probe.Handle(), kFail, 0, 0);
  PostMessageW(probe.Handle(), WM_NULL, 0, 0);
  EXPECT_THROW(DispatchPending(), std::runtime_error);
  EXPECT_NO_THROW(DispatchPending());
  EXPECT_TRUE(probe.IsOpen());
}

TEST(Window, CloseRequestsCarryTheirReasonAndMayKeepTheWindow) {
  Probe probe;
  probe.Open();
  probe.refuseClose = true;
  SendMessageW(probe.Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(probe.Close(ui::CloseReason::Code));
  EXPECT_TRUE(probe.IsOpen());
  probe.refuseClose = false;
  EXPECT_TRUE(probe.Close(ui::CloseReason::Code));
  EXPECT_FALSE(probe.IsOpen());
  EXPECT_THAT(probe.closeRequests,
              testing::ElementsAre(ui::CloseReason::User, ui::CloseReason::Code, ui::CloseReason::Code));
}

TEST(Window, TheEndOfTheSessionIsNeverRefusedAndClosesWithReasonTwo) {
  Probe probe;
  probe.Open();
  probe.refuseClose = true;
  EXPECT_EQ(SendMessageW(probe.Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
  EXPECT_TRUE(probe.closeRequests.empty());
  // Another program refused: the session goes on, and so does the window,
  // which hears that the end was called off.
  SendMessageW(probe.Handle(), WM_ENDSESSION, FALSE, 0);
  EXPECT_TRUE(probe.IsOpen());
  EXPECT_TRUE(probe.closeRequests.empty());
  EXPECT_EQ(probe.endsCalledOff, 1);
  probe.refuseClose = false;
  SendMessageW(probe.Handle(), WM_ENDSESSION, TRUE, 0);
  EXPECT_FALSE(probe.IsOpen());
  EXPECT_THAT(probe.closeRequests, testing::ElementsAre(ui::CloseReason::SessionEnding));
}

// Restart Manager closes programs for an installer or an update, and says so
// in lParam: the session goes on.
TEST(Window, ClosedForAnInstallerItIsNoEndOfTheSession) {
  Probe probe;
  probe.Open();
  EXPECT_EQ(SendMessageW(probe.Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP), TRUE);
  SendMessageW(probe.Handle(), WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP);
  EXPECT_FALSE(probe.IsOpen());
  EXPECT_THAT(probe.closeRequests, testing::ElementsAre(ui::CloseReason::RestartManager));
  EXPECT_EQ(probe.endsCalledOff, 0);
}

BOOL CALLBACK CountProperty(HWND, LPWSTR, HANDLE, ULONG_PTR count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}
int PropertiesOf(HWND window) {
  int properties = 0;
  EnumPropsExW(window, CountProperty, reinterpret_cast<LPARAM>(&properties));
  return properties;
}

// A window keeps the resolution it was moved to itself: no window property
// (and global atom) per move, which a weeks-long run would pile up.
TEST(Window, ItKeepsTheResolutionItWasMovedToWithoutAWindowProperty) {
  Probe probe;
  probe.Open();
  EXPECT_EQ(probe.Dpi(), ui::SystemDpi()) << "made where Windows gives the system's";
  // Wine keeps properties of its own on a window.
  const int properties = PropertiesOf(probe.Handle());
  for (const int dpi : {144, 192, 96}) {
    RECT suggested{0, 0, 100, 50};
    SendMessageW(probe.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(probe.Dpi(), dpi);
  }
  EXPECT_EQ(PropertiesOf(probe.Handle()), properties);
}

TEST(Window, TheProgramEndsWithItsMainWindowAndWithNoOther) {
  Probe main, other;
  main.Open();
  other.Open();
  main.MakeMainWindow();
  other.Close();
  MSG message;
  EXPECT_FALSE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
  PostMessageW(main.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(ui::RunMessageLoop(), 0);
  EXPECT_FALSE(main.IsOpen());
}

TEST(Window, AClassRegisteredAheadServesItsFirstWindow) {
  constexpr const wchar_t* kAhead = L"ui.test.Ahead";
  WNDCLASSEXW info{};
  info.cbSize = sizeof info;
  ASSERT_FALSE(GetClassInfoExW(GetModuleHandleW(nullptr), kAhead, &info));
  ui::Window::RegisterClassAhead(kAhead);
  EXPECT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), kAhead, &info));
  ClassWindow window;
  window.Open(kAhead, WS_POPUP);
  EXPECT_EQ(ui::Window::FromHandle(window.Handle()), &window);
}

TEST(Window, AWindowThatWindowsRefusesRaisesTheCallAndItsCode) {
  // A child window needs a parent: CreateWindowExW refuses this one.
  ClassWindow orphan;
  try {
    orphan.Open(L"ui.test.Orphan", WS_CHILD);
    ADD_FAILURE() << "the window was created";
  } catch (const core::Win32Error& error) {
    EXPECT_STREQ(error.call, "CreateWindowExW");
    EXPECT_EQ(error.code, static_cast<std::uint32_t>(ERROR_TLW_WITH_WSCHILD));
  }
  EXPECT_FALSE(orphan.IsOpen());
}

TEST(Window, ControlsShowTheirCursorUnlessTheProgramIsBusy) {
  Probe probe;
  probe.Open();
  const HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, probe.Handle(),
                                     nullptr, nullptr, nullptr);
  const HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
  probe.SetControlCursor(child, hand);
  const auto setCursor = [&] {
    SendMessageW(probe.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(child),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  };
  setCursor();
  EXPECT_EQ(GetCursor(), hand);
  {
    const ui::BusyCursor busy;
    const ui::BusyCursor nested;
    EXPECT_TRUE(ui::BusyCursor::Active());
    setCursor();
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
  }
  EXPECT_FALSE(ui::BusyCursor::Active());
  setCursor();
  EXPECT_EQ(GetCursor(), hand);
}

TEST(Window, TabFollowsTheGivenOrderAndSkipsHiddenControls) {
  Probe probe;
  probe.Open();
  ShowWindow(probe.Handle(), SW_SHOW);
  SetForegroundWindow(probe.Handle());
  HWND buttons[4];
  for (int i = 0; i < 4; ++i)
    buttons[i] = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, i * 20, 0, 20, 20,
                                 probe.Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + i)),
                                 nullptr, nullptr);
  probe.SetTabOrder({buttons[1], buttons[0], buttons[2], buttons[3]});
  ShowWindow(buttons[2], SW_HIDE);
  const auto tab = [] {
    MSG message{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    ui::DispatchOne(message);
    return GetFocus();
  };
  SetFocus(buttons[1]);
  EXPECT_EQ(tab(), buttons[0]);
  EXPECT_EQ(tab(), buttons[3]);
  EXPECT_EQ(tab(), buttons[1]);
}

}  // namespace
