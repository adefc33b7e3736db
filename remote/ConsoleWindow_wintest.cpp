// The console window on a real window and the real registry, with recording
// fakes for the privilege and remote-shutdown calls and for message boxes. The
// requests run on a thread of their own: a test runs the window's messages,
// as the program's loop would, until their outcome has come back.
#include "remote/ConsoleWindow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>
#include <atomic>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <new>
#include <thread>

#include "core/FakeSessionApi.h"
#include "core/WindowsHandles.h"
#include "remote/ConsoleLayout.h"
#include "remote/FakeRemoteShutdownApi.h"
#include "remote/FakeTaskbarProgress.h"
#include "remote/VelmarStart.h"
#include "settings/RegistrySettingsStore.h"
#include "settings/ScratchApplication.h"
#include "ui/BusyCursor.h"
#include "ui/LayoutProbe.h"
#include "ui/MessageLoop.h"
#include "ui/Resolution.h"
#include "ui/ScreenTwips.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing_support::FakeRemoteShutdownApi;
using testing_support::FakeSessionApi;
using testing_support::FakeTaskbarProgress;
using testing_support::ScratchApplication;

namespace {

using Values = std::map<std::wstring, std::wstring>;

const std::vector<bool> kReady{true, true, true};
const std::vector<bool> kBusy{false, false, false};
const std::vector<bool> kRequested{true, false, true};

struct ShownBox {
  std::wstring text;
  std::wstring title;
  UINT flags;
};

// The settings of a scratch application, read straight from the registry.
Values StoredSection(const ScratchApplication& app, const std::wstring& section) {
  return testing_support::TextsUnder(app.Path(section));
}

std::wstring CurrentTestName() {
  const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
  return std::wstring(name.begin(), name.end());
}

// Runs the thread's messages, as the program's loop would, until done holds;
// false when it still does not after limitMs.
bool RunMessagesUntil(const std::function<bool()>& done, DWORD limitMs = 10000) {
  const ULONGLONG start = GetTickCount64();
  while (!done()) {
    if (GetTickCount64() - start > limitMs) return false;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ui::DispatchOne(message);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

// Holds each request inside the fake remote seam, as a slow network holds a
// real one, until the test lets it go.
class HeldRequests {
 public:
  HeldRequests()
      : entered_(CreateEventW(nullptr, FALSE, FALSE, nullptr)),
        release_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
  ~HeldRequests() {
    Release();
    // The request's thread is done with the fakes once it has left.
    while (held_ > 0) Sleep(1);
  }
  HeldRequests(const HeldRequests&) = delete;
  HeldRequests& operator=(const HeldRequests&) = delete;

  std::function<void()> Hold() {
    ResetEvent(release_.get());
    return [this] {
      ++held_;
      SetEvent(entered_.get());
      WaitForSingleObject(release_.get(), INFINITE);
      --held_;
    };
  }
  // The request has reached the seam and waits there.
  bool Entered() const { return WaitForSingleObject(entered_.get(), 10000) == WAIT_OBJECT_0; }
  void Release() const { SetEvent(release_.get()); }
  bool Left() const {
    for (int i = 0; i < 10000 && held_ > 0; ++i) Sleep(1);
    return held_ == 0;
  }

 private:
  core::UniqueHandle entered_;
  core::UniqueHandle release_;
  std::atomic<int> held_{0};
};

// Asks the window from another thread, as Windows does to tell whether a
// program still answers, while the window's own thread runs its messages:
// how many of <asks> it answered, each within 100 ms.
int AnswersFromAnotherThread(HWND window, int asks) {
  std::atomic<int> answered{0};
  std::atomic<bool> finished{false};
  std::thread asker([&] {
    for (int i = 0; i < asks; ++i) {
      DWORD_PTR result = 0;
      if (SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 100, &result)) ++answered;
      Sleep(20);
    }
    finished = true;
  });
  RunMessagesUntil([&] { return finished.load(); });
  asker.join();
  return answered;
}

class ConsoleWindow : public ::testing::Test {
 protected:
  ConsoleWindow() : app(L"frmDown_" + CurrentTestName()), store(app.Name()) {}
  ~ConsoleWindow() override {
    held.Release();
    if (console && console->IsOpen()) {
      RunMessagesUntil([this] { return Buttons() != kBusy; });
      console->Close();
    }
  }

  void Prepare(const std::wstring& section, const Values& values) {
    for (const auto& [key, text] : values) store.WriteText(section, key, text);
  }

  remote::ConsoleServices Services() {
    return {session, remote, store,
            [this](HWND owner, const std::wstring& text, const std::wstring& title, UINT flags) {
              EXPECT_NE(owner, nullptr);
              boxes.push_back({text, title, flags});
              if (answers.empty()) return IDOK;
              const int answer = answers.front();
              answers.pop_front();
              return answer;
            },
            &taskbar};
  }

  void Open() {
    console = std::make_unique<remote::ConsoleWindow>(Services());
    console->Open();
  }

  HWND Control(remote::ControlId id) const { return GetDlgItem(console->Handle(), remote::IdOf(id)); }
  // Where a control stands in the window's client area, in pixels.
  RECT PlaceOf(remote::ControlId id) const {
    RECT r;
    GetWindowRect(Control(id), &r);
    MapWindowPoints(nullptr, console->Handle(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  std::wstring Text(remote::ControlId id) const {
    wchar_t text[512] = {};
    GetWindowTextW(Control(id), text, 512);
    return text;
  }
  void SetText(remote::ControlId id, const std::wstring& text) const {
    SetWindowTextW(Control(id), text.c_str());
  }
  void Click(remote::ControlId id) const {
    SendMessageW(console->Handle(), WM_COMMAND, MAKEWPARAM(remote::IdOf(id), BN_CLICKED),
                 reinterpret_cast<LPARAM>(Control(id)));
  }
  // A click on Execute or Abort, and the window's messages until the request
  // it started, if any, has come back.
  void Press(remote::ControlId id) const {
    Click(id);
    EXPECT_TRUE(RunMessagesUntil([this] { return Buttons() != kBusy; })) << "the request never came back";
  }
  // A click on Execute or Abort whose request Windows holds: true once the
  // request waits in the remote seam.
  bool PressHeld(remote::ControlId id) {
    remote.duringRequest = held.Hold();
    Click(id);
    return held.Entered();
  }
  // A request's thread has posted its answer to the window, which has not
  // read it: the thread's messages are not run meanwhile.
  bool AnswerPosted() const {
    MSG posted;
    for (int i = 0; i < 10000; ++i) {
      if (PeekMessageW(&posted, console->Handle(), WM_APP, 0xBFFF, PM_NOREMOVE)) return true;
      Sleep(1);
    }
    return false;
  }
  // What the window's cursor is while the pointer is over its client area.
  HCURSOR CursorOverWindow() const {
    SendMessageW(console->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(console->Handle()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
  }
  bool Checked(remote::ControlId id) const {
    return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  int TimeOut() const { return GetScrollPos(Control(remote::ControlId::TimeOut), SB_CTL); }
  std::vector<std::wstring> History() const {
    std::vector<std::wstring> items;
    const auto count = SendMessageW(Control(remote::ControlId::Machine), CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      wchar_t item[512] = {};
      SendMessageW(Control(remote::ControlId::Machine), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
      items.push_back(item);
    }
    return items;
  }
  // Enabled flags of Close, Execute and Abort.
  std::vector<bool> Buttons() const {
    return {IsWindowEnabled(Control(remote::ControlId::Close)) != FALSE,
            IsWindowEnabled(Control(remote::ControlId::Execute)) != FALSE,
            IsWindowEnabled(Control(remote::ControlId::Abort)) != FALSE};
  }
  std::vector<std::string> Requests() const {
    std::vector<std::string> requests;
    for (const auto& line : session.log.Lines())
      if (line.starts_with("ShutDown") || line.starts_with("AbortShutDown")) requests.push_back(line);
    return requests;
  }

  ScratchApplication app;
  settings::RegistrySettingsStore store;
  FakeSessionApi session;
  FakeRemoteShutdownApi remote{session.log};
  std::vector<ShownBox> boxes;
  std::deque<int> answers;
  FakeTaskbarProgress taskbar;
  HeldRequests held;
  std::unique_ptr<remote::ConsoleWindow> console;
};

TEST_F(ConsoleWindow, LoadsTheHistoryUpToTheFirstGapAndTheInputs) {
  Prepare(L"Machine", {{L"1", L"srv1"}, {L"2", L"SRV1"}, {L"4", L"srv4"}});
  Prepare(L"frmDown",
          {{L"Msg", L"保守のため停止します"}, {L"TimeOut", L"45"}, {L"App", L"1"}, {L"Boot", L"0"}});
  Open();
  EXPECT_THAT(History(), ElementsAre(L"srv1", L"SRV1"));
  EXPECT_EQ(Text(remote::ControlId::Machine), L"srv1");
  EXPECT_EQ(Text(remote::ControlId::Message), L"保守のため停止します");
  EXPECT_EQ(TimeOut(), 45);
  EXPECT_EQ(Text(remote::ControlId::TimeOutLabel), L"45秒");
  EXPECT_TRUE(Checked(remote::ControlId::ForceClose));
  EXPECT_FALSE(Checked(remote::ControlId::Restart));
  EXPECT_EQ(Buttons(), kReady);
  EXPECT_THAT(boxes, IsEmpty());
}

TEST_F(ConsoleWindow, EmptyStoreGivesEmptyInputsAndZeroSeconds) {
  Open();
  EXPECT_THAT(History(), IsEmpty());
  EXPECT_EQ(Text(remote::ControlId::Machine), L"");
  EXPECT_EQ(Text(remote::ControlId::Message), L"");
  EXPECT_EQ(TimeOut(), 0);
  EXPECT_EQ(Text(remote::ControlId::TimeOutLabel), L"0秒");
  EXPECT_FALSE(Checked(remote::ControlId::ForceClose));
  EXPECT_FALSE(Checked(remote::ControlId::Restart));
}

// Moved to screens of 1.5 and 2 times the resolution, as from a laptop's
// panel to a monitor of another scale: the window stands where Windows
// suggests, its client area is its twips at the new resolution, every
// control stands at its twips place inside it, in the message font of that
// resolution.
TEST_F(ConsoleWindow, OnAScreenOfAnotherResolutionEverythingIsAtThatResolution) {
  Open();
  const int system = ui::SystemDpi();
  for (const int dpi : {system * 3 / 2, system * 2}) {
    SCOPED_TRACE(dpi);
    RECT suggested{30, 40, 30 + 900, 40 + 500};
    SendMessageW(console->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    RECT outer, client;
    GetWindowRect(console->Handle(), &outer);
    GetClientRect(console->Handle(), &client);
    EXPECT_EQ(outer.left, suggested.left);
    EXPECT_EQ(outer.top, suggested.top);
    EXPECT_EQ(client.right, ui::TwipsToPixels(remote::kClientWidth, dpi));
    EXPECT_EQ(client.bottom, ui::TwipsToPixels(remote::kClientHeight, dpi));
    for (const auto& params : remote::kConsoleControls) {
      SCOPED_TRACE(remote::IdOf(params.id));
      const ui::TwipsRect place = remote::PlaceInWindow(params.id);
      const RECT r = PlaceOf(params.id);
      EXPECT_EQ(r.left, ui::TwipsToPixels(place.left, dpi));
      EXPECT_EQ(r.top, ui::TwipsToPixels(place.top, dpi));
      EXPECT_EQ(r.right, ui::TwipsToPixels(place.left + place.width, dpi));
      EXPECT_LE(r.right, client.right);
      // The scroll bar draws no text.
      if (params.id != remote::ControlId::TimeOut) {
        EXPECT_EQ(testing_support::FontOf(Control(params.id)).lfHeight, ui::MessageFontAtDpi(dpi).lfHeight);
      }
    }
  }
}

// Every label's, button's, check box's and frame's text, in its own font,
// within its control, the time-out at its longest ("300秒"), at the user's
// text sizes of 100, 150 and 200 %: the layout grows with the font.

TEST_F(ConsoleWindow, EveryTextFitsAtEveryTextSize) {
  Prepare(L"frmDown", {{L"TimeOut", L"300"}});
  for (const int percent : {100, 150, 200}) {
    SCOPED_TRACE(percent);
    const testing_support::TextSize textSize(percent);
    Open();
    EXPECT_EQ(Text(remote::ControlId::TimeOutLabel), L"300秒");
    EXPECT_THAT(testing_support::TextsCut(console->Handle()), IsEmpty());
    RECT client;
    GetClientRect(console->Handle(), &client);
    const ui::TextScale scale = ui::TextScaleFor(
        testing_support::FontOf(Control(remote::ControlId::Execute)).lfHeight, ui::SystemDpi());
    EXPECT_EQ(scale.Enlarges(), percent > 100);
    EXPECT_EQ(client.right, ui::TwipsToPixelsX(ui::ScaledTwips(remote::kClientWidth, scale)));
    EXPECT_EQ(client.bottom, ui::TwipsToPixelsY(ui::ScaledTwips(remote::kClientHeight, scale)));
    console->Close();
  }
}

// The user changes the text size while the window is open: it lays itself
// out again in the new font, keeping its place.
TEST_F(ConsoleWindow, AChangeOfTextSizeWhileItIsOpenLaysItOutAgain) {
  Open();
  RECT before;
  GetWindowRect(console->Handle(), &before);
  const testing_support::TextSize larger(150);
  testing_support::TextSize::Announce(console->Handle());
  RECT after, client;
  GetWindowRect(console->Handle(), &after);
  GetClientRect(console->Handle(), &client);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
  const LONG height = testing_support::FontOf(Control(remote::ControlId::Execute)).lfHeight;
  EXPECT_EQ(height, -MulDiv(27, ui::SystemDpi(), 144)) << "13.5 points, 9 at 150 %";
  const ui::TextScale scale = ui::TextScaleFor(height, ui::SystemDpi());
  EXPECT_EQ(client.right, ui::TwipsToPixelsX(ui::ScaledTwips(remote::kClientWidth, scale)));
  EXPECT_THAT(testing_support::TextsCut(console->Handle()), IsEmpty());
  const RECT abort = PlaceOf(remote::ControlId::Abort);
  EXPECT_EQ(abort.left, ui::TwipsToPixelsX(ui::ScaledTwips(3525, scale))) << "placed again from its twips";
}

TEST_F(ConsoleWindow, ControlsStandAtTheirTwipsPlacesWithTheirCaptions) {
  Open();
  RECT client;
  GetClientRect(console->Handle(), &client);
  EXPECT_EQ(client.right, ui::TwipsToPixelsX(remote::kClientWidth));
  EXPECT_EQ(client.bottom, ui::TwipsToPixelsY(remote::kClientHeight));
  for (const auto& params : remote::kConsoleControls) {
    SCOPED_TRACE(remote::IdOf(params.id));
    const ui::TwipsRect place = remote::PlaceInWindow(params.id);
    const RECT r = PlaceOf(params.id);
    EXPECT_EQ(r.left, ui::TwipsToPixelsX(place.left));
    EXPECT_EQ(r.top, ui::TwipsToPixelsY(place.top));
    EXPECT_EQ(r.right, ui::TwipsToPixelsX(place.left + place.width));
    // A drop-down combo box is as high as its text field; the list hangs below.
    if (params.id != remote::ControlId::Machine) {
      EXPECT_EQ(r.bottom, ui::TwipsToPixelsY(place.top + place.height));
    }
  }
  EXPECT_EQ(Text(remote::ControlId::ForceClose), L"アプリケーションを強制終了する");
  EXPECT_EQ(Text(remote::ControlId::MachineLabel), L"マシン名(&P)");
  EXPECT_EQ(Text(remote::ControlId::Close), L"閉じる");
  EXPECT_TRUE(GetWindowLongPtrW(Control(remote::ControlId::Execute), GWL_STYLE) & BS_DEFPUSHBUTTON);
  const auto style = GetWindowLongPtrW(console->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_TRUE(GetWindowLongPtrW(console->Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
}

TEST_F(ConsoleWindow, AcceptedRequestSendsTheInputsAndPutsTheMachineOnTop) {
  Prepare(L"Machine", {{L"1", L"a"}, {L"2", L"SRV2"}, {L"3", L"b"}, {L"4", L"SRV2"}, {L"5", L"srv2"}});
  Open();
  SetText(remote::ControlId::Machine, L"SRV2");
  SetText(remote::ControlId::Message, L"まもなく停止します");
  SendMessageW(console->Handle(), WM_HSCROLL, SB_PAGERIGHT,
               reinterpret_cast<LPARAM>(Control(remote::ControlId::TimeOut)));
  SendMessageW(Control(remote::ControlId::Restart), BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(Text(remote::ControlId::TimeOutLabel), L"5秒");

  std::vector<bool> during;
  bool busyCursor = false;
  remote.duringRequest = [&] {
    during = Buttons();
    busyCursor = ui::BusyCursor::Active();
  };
  Press(remote::ControlId::Execute);

  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"SRV2をシャットダウンします");
  EXPECT_EQ(boxes[0].title, L"Velmar");
  EXPECT_EQ(boxes[0].flags, 0x141u);
  EXPECT_THAT(Requests(), ElementsAre("ShutDown(\"SRV2\", \"まもなく停止します\", 5, keep apps, restart)"));
  // The privilege step runs right before the request.
  const auto& lines = session.log.Lines();
  const auto request = std::find(lines.begin(), lines.end(), Requests()[0]);
  ASSERT_NE(request, lines.begin());
  EXPECT_EQ(*(request - 1), "EnableShutdownPrivilege()");
  EXPECT_EQ(during, kBusy);
  EXPECT_TRUE(busyCursor);
  EXPECT_FALSE(ui::BusyCursor::Active());
  EXPECT_EQ(Buttons(), kRequested);
  EXPECT_THAT(History(), ElementsAre(L"SRV2", L"a", L"b", L"srv2"));
  EXPECT_EQ(Text(remote::ControlId::Machine), L"SRV2");
}

TEST_F(ConsoleWindow, EmptyMachineAndTheLocalEntryAddressTheLocalMachine) {
  Open();
  Press(remote::ControlId::Execute);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"ローカルマシンをシャットダウンします");
  EXPECT_THAT(History(), ElementsAre(L"ローカルマシン"));
  Press(remote::ControlId::Abort);
  EXPECT_EQ(Buttons(), kReady);
  SendMessageW(Control(remote::ControlId::Machine), CB_SETCURSEL, 0, 0);
  Press(remote::ControlId::Execute);
  EXPECT_THAT(Requests(), ElementsAre("ShutDown(local, \"\", 0, keep apps, stay off)", "AbortShutDown(local)",
                                      "ShutDown(local, \"\", 0, keep apps, stay off)"));
  EXPECT_THAT(History(), ElementsAre(L"ローカルマシン"));
}

TEST_F(ConsoleWindow, RefusedRequestShowsTheErrorAndLeavesTheHistory) {
  Prepare(L"Machine", {{L"1", L"old"}});
  Open();
  SetText(remote::ControlId::Machine, L"srv9");
  remote.shutDownAccepts = false;
  remote.errorCode = 53;
  remote.systemTexts[53] = L"ネットワーク パスが見つかりません。";
  Press(remote::ControlId::Execute);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text, L"ネットワーク パスが見つかりません。(53)");
  EXPECT_EQ(boxes[1].title, L"Velmar");
  EXPECT_EQ(boxes[1].flags, 0x30u);
  EXPECT_EQ(Buttons(), kReady);
  EXPECT_FALSE(ui::BusyCursor::Active());
  EXPECT_THAT(History(), ElementsAre(L"old"));
}

TEST_F(ConsoleWindow, CancelledConfirmationSendsNothingButAbortAddressesTheTypedMachine) {
  Open();
  SetText(remote::ControlId::Machine, L"srv1");
  answers = {IDCANCEL};
  Press(remote::ControlId::Execute);
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_THAT(Requests(), IsEmpty());
  EXPECT_EQ(Buttons(), kReady);
  EXPECT_THAT(History(), IsEmpty());
  Press(remote::ControlId::Abort);
  EXPECT_THAT(Requests(), ElementsAre("AbortShutDown(\"srv1\")"));
}

TEST_F(ConsoleWindow, AbortBeforeAnyRequestAddressesTheLocalMachine) {
  Open();
  SetText(remote::ControlId::Machine, L"srv1");
  Press(remote::ControlId::Abort);
  EXPECT_THAT(Requests(), ElementsAre("AbortShutDown(local)"));
  EXPECT_THAT(boxes, IsEmpty());
}

TEST_F(ConsoleWindow, AbortReturnsToReadyWhateverItsOutcome) {
  Open();
  SetText(remote::ControlId::Machine, L"srv1");
  Press(remote::ControlId::Execute);
  EXPECT_EQ(Buttons(), kRequested);
  Press(remote::ControlId::Abort);
  EXPECT_EQ(Buttons(), kReady);
  EXPECT_EQ(boxes.size(), 1u);

  Press(remote::ControlId::Execute);
  remote.abortAccepts = false;
  remote.errorCode = 1116;
  remote.systemTexts[1116] = L"システム シャットダウンは実行中ではありません。";
  Press(remote::ControlId::Abort);
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[2].text, L"システム シャットダウンは実行中ではありません。(1116)");
  EXPECT_EQ(boxes[2].flags, 0x10u);
  EXPECT_EQ(Buttons(), kReady);
  EXPECT_THAT(Requests(),
              ElementsAre("ShutDown(\"srv1\", \"\", 0, keep apps, stay off)", "AbortShutDown(\"srv1\")",
                          "ShutDown(\"srv1\", \"\", 0, keep apps, stay off)", "AbortShutDown(\"srv1\")"));
}

// The box names the button's handler as it has always been named, in the
// text the user reads: "cmdExec_Click" and "cmdAbout_Click".
TEST_F(ConsoleWindow, ErrorRaisedInAHandlerIsShownWithItsNameAndNumber) {
  Open();
  remote.duringRequest = [] { throw std::bad_alloc(); };
  Press(remote::ControlId::Execute);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text, L"cmdExec_Clickメモリが不足しています。(7)");
  EXPECT_EQ(boxes[1].flags, 0u);
  EXPECT_EQ(Buttons(), kRequested);
  EXPECT_FALSE(ui::BusyCursor::Active());
  EXPECT_THAT(History(), IsEmpty());

  Press(remote::ControlId::Abort);
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[2].text, L"cmdAbout_Clickメモリが不足しています。(7)");
  EXPECT_EQ(boxes[2].flags, 0u);
  EXPECT_EQ(Buttons(), kReady);
  EXPECT_TRUE(console->IsOpen());
}

TEST_F(ConsoleWindow, UnloadWritesExactlyTheHistoryAndTheInputs) {
  Prepare(L"Machine", {{L"1", L"srv1"}, {L"2", L"SRV1"}, {L"4", L"srv4"}});
  Prepare(L"frmDown", {{L"TimeOut", L"9999"}, {L"App", L"-1"}, {L"Boot", L"x"}});
  Open();
  EXPECT_EQ(TimeOut(), 300);
  SetText(remote::ControlId::Machine, L"new");
  SetText(remote::ControlId::Message, L"終了します");
  Press(remote::ControlId::Execute);
  console->Close();
  EXPECT_FALSE(console->IsOpen());
  EXPECT_EQ(StoredSection(app, L"Machine"), (Values{{L"1", L"new"}, {L"2", L"srv1"}, {L"3", L"SRV1"}}));
  EXPECT_EQ(StoredSection(app, L"frmDown"),
            (Values{{L"Msg", L"終了します"}, {L"TimeOut", L"300"}, {L"App", L"1"}, {L"Boot", L"0"}}));
}

TEST_F(ConsoleWindow, ClearThenUnloadLeavesNoHistory) {
  Prepare(L"Machine", {{L"1", L"srv1"}, {L"2", L"srv2"}});
  Open();
  Click(remote::ControlId::Clear);
  EXPECT_THAT(History(), IsEmpty());
  console->Close();
  EXPECT_THAT(StoredSection(app, L"Machine"), IsEmpty());
  EXPECT_EQ(StoredSection(app, L"frmDown").size(), 4u);
}

TEST_F(ConsoleWindow, EnterExecutesEscClosesAndADisabledExecuteIgnoresEnter) {
  Open();
  ShowWindow(console->Handle(), SW_SHOW);
  SetForegroundWindow(console->Handle());
  SetFocus(Control(remote::ControlId::Message));
  const auto press = [&](WPARAM key) {
    MSG message{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
    ui::DispatchOne(message);
  };
  press(VK_RETURN);
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(RunMessagesUntil([this] { return Buttons() == kRequested; }));
  press(VK_RETURN);
  EXPECT_EQ(boxes.size(), 1u);
  press(VK_ESCAPE);
  EXPECT_FALSE(console->IsOpen());
}

TEST_F(ConsoleWindow, AccessKeyOfALabelOrFrameMovesToTheNextControl) {
  Open();
  ShowWindow(console->Handle(), SW_SHOW);
  SetForegroundWindow(console->Handle());
  SetFocus(Control(remote::ControlId::Close));
  const auto alt = [&](wchar_t key) {
    MSG message{GetFocus(), WM_SYSCHAR, key, 0x20000000, 0, {}};
    ui::DispatchOne(message);
  };
  alt(L'm');
  EXPECT_EQ(GetFocus(), Control(remote::ControlId::Message));
  alt(L't');
  EXPECT_EQ(GetFocus(), Control(remote::ControlId::TimeOut));
  alt(L's');
  EXPECT_EQ(GetFocus(), Control(remote::ControlId::ForceClose));
  alt(L'p');
  EXPECT_TRUE(IsChild(Control(remote::ControlId::Machine), GetFocus()) ||
              GetFocus() == Control(remote::ControlId::Machine));
}

TEST_F(ConsoleWindow, StartShowsTheCaptionedWindowOnWindowsNT) {
  console = remote::StartVelmar(Services(), L"リモートシャットダウン(Ver 1.0.1)");
  ASSERT_TRUE(console->IsOpen());
  EXPECT_TRUE(IsWindowVisible(console->Handle()));
  wchar_t caption[128] = {};
  GetWindowTextW(console->Handle(), caption, 128);
  EXPECT_STREQ(caption, L"リモートシャットダウン(Ver 1.0.1)");
  EXPECT_THAT(boxes, IsEmpty());
}

TEST_F(ConsoleWindow, StartRefusesOtherPlatformsAndRewritesTheSettingsUnchanged) {
  session.platformId = 1;
  Prepare(L"Machine", {{L"1", L"srv1"}});
  Prepare(L"frmDown", {{L"Msg", L"m"}, {L"TimeOut", L"30"}, {L"App", L"0"}, {L"Boot", L"1"}});
  console = remote::StartVelmar(Services(), L"caption");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"WindowsNTのみで使用可能です");
  EXPECT_EQ(boxes[0].title, L"Velmar");
  EXPECT_EQ(boxes[0].flags, 0x10u);
  EXPECT_FALSE(console->IsOpen());
  EXPECT_EQ(StoredSection(app, L"Machine"), (Values{{L"1", L"srv1"}}));
  EXPECT_EQ(StoredSection(app, L"frmDown"),
            (Values{{L"Msg", L"m"}, {L"TimeOut", L"30"}, {L"App", L"0"}, {L"Boot", L"1"}}));
  EXPECT_THAT(Requests(), IsEmpty());
}

// A request that Windows holds, as it holds one to a machine that is off or
// behind a firewall: the window answers, repaints and takes input all the
// while, shows that it is busy, and handles the answer when it comes as it
// always has, the history stored at once.
TEST_F(ConsoleWindow, DuringASlowRequestTheWindowAnswersRepaintsAndShowsItIsBusy) {
  Prepare(L"Machine", {{L"1", L"old"}});
  Open();
  ShowWindow(console->Handle(), SW_SHOW);
  SetText(remote::ControlId::Machine, L"srv-slow");
  ASSERT_TRUE(PressHeld(remote::ControlId::Execute));

  EXPECT_EQ(AnswersFromAnotherThread(console->Handle(), 5), 5);
  EXPECT_EQ(Buttons(), kBusy);
  EXPECT_EQ(CursorOverWindow(), LoadCursorW(nullptr, IDC_WAIT));
  InvalidateRect(console->Handle(), nullptr, TRUE);
  EXPECT_TRUE(RunMessagesUntil([this] { return !GetUpdateRect(console->Handle(), nullptr, FALSE); }));
  for (const remote::ControlId input :
       {remote::ControlId::Machine, remote::ControlId::Clear, remote::ControlId::Message,
        remote::ControlId::TimeOut, remote::ControlId::ForceClose, remote::ControlId::Restart}) {
    EXPECT_TRUE(IsWindowEnabled(Control(input))) << remote::IdOf(input);
  }
  SetText(remote::ControlId::Message, L"入力中");
  EXPECT_EQ(Text(remote::ControlId::Message), L"入力中");
  EXPECT_THAT(StoredSection(app, L"Machine"), (Values{{L"1", L"old"}})) << "nothing stored before the answer";

  held.Release();
  ASSERT_TRUE(RunMessagesUntil([this] { return Buttons() != kBusy; }));
  EXPECT_EQ(Buttons(), kRequested);
  EXPECT_NE(CursorOverWindow(), LoadCursorW(nullptr, IDC_WAIT));
  EXPECT_THAT(History(), ElementsAre(L"srv-slow", L"old"));
  EXPECT_EQ(Text(remote::ControlId::Machine), L"srv-slow");
  EXPECT_EQ(StoredSection(app, L"Machine"), (Values{{L"1", L"srv-slow"}, {L"2", L"old"}}))
      << "stored when the request was accepted, before any close";
  EXPECT_THAT(Requests(), ElementsAre("ShutDown(\"srv-slow\", \"\", 0, keep apps, stay off)"));
  EXPECT_EQ(boxes.size(), 1u);
}

// Abort waits for Windows off the window's thread too, with no second
// request meanwhile and, as ever, no hourglass; its refusal is shown once it
// comes.
TEST_F(ConsoleWindow, ASlowAbortKeepsTheWindowAnsweringWithoutTheHourglass) {
  Open();
  remote.abortAccepts = false;
  remote.errorCode = 1116;
  remote.systemTexts[1116] = L"システム シャットダウンは実行中ではありません。";
  ASSERT_TRUE(PressHeld(remote::ControlId::Abort));
  EXPECT_EQ(AnswersFromAnotherThread(console->Handle(), 3), 3);
  EXPECT_EQ(Buttons(), kBusy);
  EXPECT_NE(CursorOverWindow(), LoadCursorW(nullptr, IDC_WAIT));
  Click(remote::ControlId::Abort);
  Click(remote::ControlId::Execute);
  EXPECT_THAT(boxes, IsEmpty()) << "the disabled buttons start nothing";

  held.Release();
  ASSERT_TRUE(RunMessagesUntil([this] { return Buttons() != kBusy; }));
  EXPECT_EQ(Buttons(), kReady);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"システム シャットダウンは実行中ではありません。(1116)");
  EXPECT_EQ(boxes[0].flags, 0x10u);
  EXPECT_THAT(Requests(), ElementsAre("AbortShutDown(local)"));
}

// The close box while Windows holds the request: the window stays until the
// answer has come and been handled (its box shown), then unloads, keeping
// the machine an accepted request reached.
TEST_F(ConsoleWindow, ACloseDuringARequestWaitsForItsAnswerThenUnloads) {
  for (const bool accepted : {true, false}) {
    SCOPED_TRACE(accepted);
    boxes.clear();
    store.DeleteSection(L"Machine");
    store.DeleteSection(L"frmDown");
    Prepare(L"Machine", {{L"1", L"old"}});
    Open();
    SetText(remote::ControlId::Machine, L"srv-closing");
    SetText(remote::ControlId::Message, L"閉じる前に");
    remote.shutDownAccepts = accepted;
    remote.errorCode = 1722;
    ASSERT_TRUE(PressHeld(remote::ControlId::Execute));
    SendMessageW(console->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(console->IsOpen());
    EXPECT_EQ(AnswersFromAnotherThread(console->Handle(), 2), 2);
    EXPECT_TRUE(console->IsOpen()) << "still waiting for the answer";

    held.Release();
    ASSERT_TRUE(RunMessagesUntil([this] { return !console->IsOpen(); }));
    EXPECT_EQ(StoredSection(app, L"Machine"),
              accepted ? (Values{{L"1", L"srv-closing"}, {L"2", L"old"}}) : (Values{{L"1", L"old"}}));
    EXPECT_EQ(StoredSection(app, L"frmDown"),
              (Values{{L"Msg", L"閉じる前に"}, {L"TimeOut", L"0"}, {L"App", L"0"}, {L"Boot", L"0"}}));
    ASSERT_EQ(boxes.size(), accepted ? 1u : 2u);
    if (!accepted) {
      EXPECT_EQ(boxes[1].text, L"不明なｴﾗｰが発生しました(1722)");
    }
  }
}

// The session ends while Windows still holds the request: the window does
// not wait for it, and its unload writes the inputs and the history as they
// stand.
TEST_F(ConsoleWindow, TheEndOfTheSessionDoesNotWaitForARequest) {
  Prepare(L"Machine", {{L"1", L"old"}});
  Open();
  SetText(remote::ControlId::Machine, L"srv-late");
  SetText(remote::ControlId::Message, L"終了");
  ASSERT_TRUE(PressHeld(remote::ControlId::Execute));
  SendMessageW(console->Handle(), WM_ENDSESSION, TRUE, 0);
  EXPECT_FALSE(console->IsOpen());
  EXPECT_EQ(StoredSection(app, L"Machine"), (Values{{L"1", L"old"}}));
  EXPECT_EQ(StoredSection(app, L"frmDown").at(L"Msg"), L"終了");

  held.Release();
  EXPECT_TRUE(held.Left());
  EXPECT_EQ(StoredSection(app, L"Machine"), (Values{{L"1", L"old"}}));
}

// A request to the local machine is accepted and the session ends at once:
// Windows' message may come before the window has read the answer, which
// still puts the machine in the history.
TEST_F(ConsoleWindow, AnAnswerThatCameJustBeforeTheEndOfTheSessionIsKept) {
  Prepare(L"Machine", {{L"1", L"old"}});
  Open();
  SetText(remote::ControlId::Machine, L"");
  Click(remote::ControlId::Execute);
  // The answer is in, posted to the window by its thread, and not read yet.
  ASSERT_TRUE(AnswerPosted());
  SendMessageW(console->Handle(), WM_ENDSESSION, TRUE, 0);
  EXPECT_FALSE(console->IsOpen());
  EXPECT_EQ(StoredSection(app, L"Machine"), (Values{{L"1", L"ローカルマシン"}, {L"2", L"old"}}));
}

// A room typed into the box: each machine asked once on a thread of its own,
// the local machine only after the rest have answered, the window answering
// and busy while one is held, the taskbar following; then one summary, the
// room on top of the history, stored at once, and Abort for the machines that
// accepted.
TEST_F(ConsoleWindow, ARoomIsAskedSideBySideSummedUpKeptAndAborted) {
  Prepare(L"Machine", {{L"1", L"old"}});
  Open();
  SetText(remote::ControlId::Machine, L"pc1, pc2; ローカルマシン, PC1,\t\\\\pc3");
  remote.refusedBy[L"pc3"] = 53;
  remote.systemTexts[53] = L"ネットワーク パスが見つかりません。";
  remote.duringRequestTo = [hold = held.Hold()](const std::wstring& machine) {
    if (machine == L"pc2") hold();
  };
  Click(remote::ControlId::Execute);
  ASSERT_TRUE(held.Entered());
  ASSERT_TRUE(
      RunMessagesUntil([&] { return !taskbar.shown.empty() && taskbar.shown.back() == "2/4 error"; }));
  EXPECT_EQ(AnswersFromAnotherThread(console->Handle(), 3), 3);
  EXPECT_EQ(Buttons(), kBusy);
  EXPECT_EQ(CursorOverWindow(), LoadCursorW(nullptr, IDC_WAIT));
  EXPECT_EQ(Requests().size(), 3u) << "the local machine waits for pc2";

  held.Release();
  ASSERT_TRUE(RunMessagesUntil([this] { return Buttons() != kBusy; }));
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, L"4台のマシンをシャットダウンします\n\npc1\npc2\nローカルマシン\npc3");
  EXPECT_EQ(boxes[0].flags, 0x141u);
  EXPECT_EQ(
      boxes[1].text,
      L"3台が受け付けました。1台が受け付けませんでした。\n\nネットワーク パスが見つかりません。(53)\npc3");
  EXPECT_EQ(boxes[1].flags, static_cast<UINT>(MB_ICONEXCLAMATION));
  const std::vector<std::string> requests = Requests();
  ASSERT_EQ(requests.size(), 4u);
  EXPECT_EQ(requests.back(), "ShutDown(local, \"\", 0, keep apps, stay off)");
  EXPECT_THAT(std::vector<std::string>(requests.begin(), requests.end() - 1),
              ::testing::UnorderedElementsAre("ShutDown(\"pc1\", \"\", 0, keep apps, stay off)",
                                              "ShutDown(\"pc2\", \"\", 0, keep apps, stay off)",
                                              "ShutDown(\"pc3\", \"\", 0, keep apps, stay off)"));
  EXPECT_EQ(Buttons(), kRequested);
  EXPECT_FALSE(ui::BusyCursor::Active());
  EXPECT_EQ(taskbar.shown.back(), "cleared");
  const std::wstring room = L"pc1, pc2, ローカルマシン, pc3";
  EXPECT_THAT(History(), ElementsAre(room, L"old"));
  EXPECT_EQ(StoredSection(app, L"Machine"), (Values{{L"1", room}, {L"2", L"old"}}));

  session.log.Clear();
  remote.refusedBy[L"pc2"] = 1116;
  remote.systemTexts[1116] = L"システム シャットダウンは実行中ではありません。";
  Press(remote::ControlId::Abort);
  EXPECT_THAT(Requests(), ElementsAre(::testing::AnyOf("AbortShutDown(\"pc1\")", "AbortShutDown(\"pc2\")"),
                                      ::testing::AnyOf("AbortShutDown(\"pc1\")", "AbortShutDown(\"pc2\")"),
                                      "AbortShutDown(local)"));
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[2].text,
            L"2台が中止を受け付けました。1台が受け付けませんでした。\n\n"
            L"システム シャットダウンは実行中ではありません。(1116)\npc2");
  EXPECT_EQ(boxes[2].flags, static_cast<UINT>(MB_ICONSTOP));
  EXPECT_EQ(Buttons(), kReady);
}

// Never more than 32 requests under way, each machine asked once, and a room
// that all accepted is summed up with the information icon.
TEST_F(ConsoleWindow, ARoomOfFortyHasAtMostThirtyTwoUnderWay) {
  Open();
  std::wstring names;
  for (int i = 0; i < 40; ++i) names += L"pc" + std::to_wstring(i) + L",";
  SetText(remote::ControlId::Machine, names);
  // Shared with the requests' threads, which may outlive a failed check.
  struct Counts {
    std::atomic<int> underWay{0}, most{0}, asked{0};
  };
  const auto counts = std::make_shared<Counts>();
  remote.duringRequestTo = [counts, hold = held.Hold()](const std::wstring&) {
    const int now = ++counts->underWay;
    for (int seen = counts->most; now > seen && !counts->most.compare_exchange_weak(seen, now);) {
    }
    ++counts->asked;
    hold();
    --counts->underWay;
  };
  Click(remote::ControlId::Execute);
  EXPECT_TRUE(RunMessagesUntil([&] { return counts->asked >= 32; }));
  RunMessagesUntil([] { return false; }, 1000);  // no 33rd, however long it waits
  EXPECT_EQ(counts->asked, 32);
  held.Release();
  EXPECT_TRUE(RunMessagesUntil([this] { return Buttons() != kBusy; }));
  EXPECT_EQ(counts->most, 32);
  std::vector<std::string> requests = Requests();
  std::sort(requests.begin(), requests.end());
  EXPECT_EQ(std::unique(requests.begin(), requests.end()), requests.end());
  EXPECT_EQ(requests.size(), 40u);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text, L"40台が受け付けました。0台が受け付けませんでした。");
  EXPECT_EQ(boxes[1].flags, static_cast<UINT>(MB_ICONINFORMATION));
}

// A close while a room is asked waits for every answer and the summary; a
// room that none accepted leaves the history and readies the buttons.
TEST_F(ConsoleWindow, ACloseDuringARoomWaitsForItsSummaryAndNoAcceptanceKeepsNothing) {
  Prepare(L"Machine", {{L"1", L"old"}});
  Open();
  SetText(remote::ControlId::Machine, L"pc1,pc2");
  remote.shutDownAccepts = false;
  remote.errorCode = 1722;
  remote.duringRequestTo = [hold = held.Hold()](const std::wstring& machine) {
    if (machine == L"pc1") hold();
  };
  Click(remote::ControlId::Execute);
  ASSERT_TRUE(held.Entered());
  SendMessageW(console->Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(AnswersFromAnotherThread(console->Handle(), 2), 2);
  EXPECT_TRUE(console->IsOpen());
  EXPECT_EQ(Buttons(), kBusy);
  held.Release();
  ASSERT_TRUE(RunMessagesUntil([this] { return !console->IsOpen(); }));
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text,
            L"0台が受け付けました。2台が受け付けませんでした。\n\n不明なｴﾗｰが発生しました(1722)\npc1、pc2");
  EXPECT_EQ(StoredSection(app, L"Machine"), (Values{{L"1", L"old"}}));
}

// The session ends while a machine of the room is still held: the window goes
// at once, keeping the room in the history since a machine accepted it, even
// one whose answer the window has not read yet.
TEST_F(ConsoleWindow, TheEndOfTheSessionDoesNotWaitForARoom) {
  Open();
  SetText(remote::ControlId::Machine, L"pc1,pc2");
  remote.duringRequestTo = [hold = held.Hold()](const std::wstring& machine) {
    if (machine == L"pc2") hold();
  };
  Click(remote::ControlId::Execute);
  ASSERT_TRUE(held.Entered());
  // pc1's answer is in, posted to the window by its thread, and not read yet.
  ASSERT_TRUE(AnswerPosted());
  SendMessageW(console->Handle(), WM_ENDSESSION, TRUE, 0);
  EXPECT_FALSE(console->IsOpen());
  EXPECT_EQ(StoredSection(app, L"Machine"), (Values{{L"1", L"pc1, pc2"}}));
  EXPECT_EQ(boxes.size(), 1u) << "no summary";
}

// A list file named by "@path", or dropped on the window: read in its
// encoding, or refused with a box that says why before anything is sent.
TEST_F(ConsoleWindow, AListFileIsReadOrRefusedWithItsReason) {
  wchar_t folder[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  const std::wstring file = std::wstring(folder) + L"velmar-room-" + CurrentTestName() + L".txt";
  const auto write = [&](const std::string& bytes) {
    const core::UniqueHandle out(
        CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    WriteFile(out.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  };
  remote.systemTexts[2] = L"指定されたファイルが見つかりません。";
  const std::u16string utf16 = u"\uFEFF# lab\r\npc1,pc2";
  struct Case {
    std::string bytes;  // none: no file
    std::wstring box;
  };
  const Case cases[] = {
      {std::string(reinterpret_cast<const char*>(utf16.data()), utf16.size() * sizeof(char16_t)),
       L"2台のマシンをシャットダウンします\n\npc1\npc2"},
      {"", file + L"\n指定されたファイルが見つかりません。(2)"},
      {"# no machine\r\n\r\n", file + L"\nマシン名がありません。"},
      {std::string(remote::kLargestListFile + 1, 'a'),
       file + L"\nファイルが大きすぎます。マシンの一覧のファイルは1MB(1048576バイト)までです。"},
  };
  Open();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes.size());
    DeleteFileW(file.c_str());
    if (!c.bytes.empty()) write(c.bytes);
    boxes.clear();
    answers = {IDCANCEL};
    SetText(remote::ControlId::Machine, L"@" + file);
    Press(remote::ControlId::Execute);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, c.box);
    EXPECT_THAT(Requests(), IsEmpty());
  }
  write("pc1\npc2\n");
  Press(remote::ControlId::Execute);
  EXPECT_EQ(History().at(0), L"@" + file);
  DeleteFileW(file.c_str());

  // Dropped on the window: the box names the file.
  const std::wstring dropped = L"C:\\rooms\\3F.txt";
  const std::size_t bytes = sizeof(DROPFILES) + (dropped.size() + 2) * sizeof(wchar_t);
  const HGLOBAL drop = GlobalAlloc(GHND, bytes);
  auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
  files->pFiles = sizeof(DROPFILES);
  files->fWide = TRUE;
  dropped.copy(reinterpret_cast<wchar_t*>(files + 1), dropped.size());
  GlobalUnlock(drop);
  SendMessageW(console->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
  EXPECT_EQ(Text(remote::ControlId::Machine), L"@C:\\rooms\\3F.txt");
}

}  // namespace
