// The console window on a real window and the real registry, with recording
// fakes for the privilege and remote-shutdown calls and for message boxes.
#include "remote/ConsoleWindow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <new>

#include "core/FakeSessionApi.h"
#include "remote/ConsoleLayout.h"
#include "remote/FakeRemoteShutdownApi.h"
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
using testing_support::ScratchApplication;

namespace {

using Values = std::map<std::wstring, std::wstring>;

struct ShownBox {
  std::wstring text;
  std::wstring title;
  UINT flags;
};

// The settings of a scratch application, read straight from the registry.
Values StoredSection(const ScratchApplication& app, const std::wstring& section) {
  Values values;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, app.Path(section).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return values;
  for (DWORD i = 0;; ++i) {
    wchar_t name[256];
    wchar_t data[1024];
    DWORD nameLength = 256;
    DWORD dataBytes = sizeof data;
    DWORD type = 0;
    if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(data), &dataBytes) !=
        ERROR_SUCCESS)
      break;
    values[name] = std::wstring(data, wcsnlen(data, dataBytes / sizeof(wchar_t)));
  }
  RegCloseKey(key);
  return values;
}

std::wstring CurrentTestName() {
  const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
  return std::wstring(name.begin(), name.end());
}

// A control's place in twips in the window's client area: a control in a
// frame is placed relative to the frame.
ui::TwipsRect InWindow(const remote::ControlLayout& params) {
  ui::TwipsRect place = params.place;
  if (params.container != 0) {
    place.left += remote::LayoutOf(static_cast<remote::ControlId>(params.container)).place.left;
    place.top += remote::LayoutOf(static_cast<remote::ControlId>(params.container)).place.top;
  }
  return place;
}

class ConsoleWindow : public ::testing::Test {
 protected:
  ConsoleWindow() : app(L"frmDown_" + CurrentTestName()), store(app.name()) {}
  ~ConsoleWindow() override {
    if (console && console->IsLoaded()) console->Close();
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
            }};
  }

  void Load() {
    console = std::make_unique<remote::ConsoleWindow>(Services());
    console->Load();
  }

  HWND Control(int id) const { return GetDlgItem(console->Handle(), id); }
  // Where a control stands in the window's client area, in pixels.
  RECT PlaceOf(int id) const {
    RECT r;
    GetWindowRect(Control(id), &r);
    MapWindowPoints(nullptr, console->Handle(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  std::wstring Text(int id) const {
    wchar_t text[512] = {};
    GetWindowTextW(Control(id), text, 512);
    return text;
  }
  void SetText(int id, const std::wstring& text) const { SetWindowTextW(Control(id), text.c_str()); }
  void Click(int id) const {
    SendMessageW(console->Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Control(id)));
  }
  bool Checked(int id) const { return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  int TimeOut() const { return GetScrollPos(Control(remote::kTimeOutId), SB_CTL); }
  std::vector<std::wstring> History() const {
    std::vector<std::wstring> items;
    const auto count = SendMessageW(Control(remote::kMachineId), CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      wchar_t item[512] = {};
      SendMessageW(Control(remote::kMachineId), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
      items.push_back(item);
    }
    return items;
  }
  // Enabled flags of Close, Execute and Abort.
  std::vector<bool> Buttons() const {
    return {IsWindowEnabled(Control(remote::kCloseId)) != FALSE,
            IsWindowEnabled(Control(remote::kExecuteId)) != FALSE,
            IsWindowEnabled(Control(remote::kAbortId)) != FALSE};
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
  std::unique_ptr<remote::ConsoleWindow> console;
};

const std::vector<bool> kReady{true, true, true};
const std::vector<bool> kBusy{false, false, false};
const std::vector<bool> kRequested{true, false, true};

TEST_F(ConsoleWindow, LoadsTheHistoryUpToTheFirstGapAndTheInputs) {
  Prepare(L"Machine", {{L"1", L"srv1"}, {L"2", L"SRV1"}, {L"4", L"srv4"}});
  Prepare(L"frmDown",
          {{L"Msg", L"保守のため停止します"}, {L"TimeOut", L"45"}, {L"App", L"1"}, {L"Boot", L"0"}});
  Load();
  EXPECT_THAT(History(), ElementsAre(L"srv1", L"SRV1"));
  EXPECT_EQ(Text(remote::kMachineId), L"srv1");
  EXPECT_EQ(Text(remote::kMessageId), L"保守のため停止します");
  EXPECT_EQ(TimeOut(), 45);
  EXPECT_EQ(Text(remote::kTimeOutLabelId), L"45秒");
  EXPECT_TRUE(Checked(remote::kForceCloseId));
  EXPECT_FALSE(Checked(remote::kRestartId));
  EXPECT_EQ(Buttons(), kReady);
  EXPECT_THAT(boxes, IsEmpty());
}

TEST_F(ConsoleWindow, EmptyStoreGivesEmptyInputsAndZeroSeconds) {
  Load();
  EXPECT_THAT(History(), IsEmpty());
  EXPECT_EQ(Text(remote::kMachineId), L"");
  EXPECT_EQ(Text(remote::kMessageId), L"");
  EXPECT_EQ(TimeOut(), 0);
  EXPECT_EQ(Text(remote::kTimeOutLabelId), L"0秒");
  EXPECT_FALSE(Checked(remote::kForceCloseId));
  EXPECT_FALSE(Checked(remote::kRestartId));
}

// Moved to screens of 1.5 and 2 times the resolution, as from a laptop's
// panel to a monitor of another scale: the window stands where Windows
// suggests, its client area is its twips at the new resolution, every
// control stands at its twips place inside it, in the message font of that
// resolution.
TEST_F(ConsoleWindow, OnAScreenOfAnotherResolutionEverythingIsAtThatResolution) {
  Load();
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
      SCOPED_TRACE(params.id);
      const ui::TwipsRect place = InWindow(params);
      const RECT r = PlaceOf(params.id);
      EXPECT_EQ(r.left, ui::TwipsToPixels(place.left, dpi));
      EXPECT_EQ(r.top, ui::TwipsToPixels(place.top, dpi));
      EXPECT_EQ(r.right, ui::TwipsToPixels(place.left + place.width, dpi));
      EXPECT_LE(r.right, client.right);
      // The scroll bar draws no text.
      if (params.id != remote::kTimeOutId) {
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
    Load();
    EXPECT_EQ(Text(remote::kTimeOutLabelId), L"300秒");
    EXPECT_THAT(testing_support::TextsCut(console->Handle()), IsEmpty());
    RECT client;
    GetClientRect(console->Handle(), &client);
    const ui::TextScale scale =
        ui::TextScaleFor(testing_support::FontOf(Control(remote::kExecuteId)).lfHeight, ui::SystemDpi());
    EXPECT_EQ(scale.Enlarges(), percent > 100);
    EXPECT_EQ(client.right, ui::TwipsToPixelsX(ui::ScaledTwips(remote::kClientWidth, scale)));
    EXPECT_EQ(client.bottom, ui::TwipsToPixelsY(ui::ScaledTwips(remote::kClientHeight, scale)));
    console->Close();
  }
}

// The user changes the text size while the window is open: it lays itself
// out again in the new font, keeping its place.
TEST_F(ConsoleWindow, AChangeOfTextSizeWhileItIsOpenLaysItOutAgain) {
  Load();
  RECT before;
  GetWindowRect(console->Handle(), &before);
  const testing_support::TextSize larger(150);
  testing_support::TextSize::Announce(console->Handle());
  RECT after, client;
  GetWindowRect(console->Handle(), &after);
  GetClientRect(console->Handle(), &client);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
  const LONG height = testing_support::FontOf(Control(remote::kExecuteId)).lfHeight;
  EXPECT_EQ(height, -MulDiv(27, ui::SystemDpi(), 144)) << "13.5 points, 9 at 150 %";
  const ui::TextScale scale = ui::TextScaleFor(height, ui::SystemDpi());
  EXPECT_EQ(client.right, ui::TwipsToPixelsX(ui::ScaledTwips(remote::kClientWidth, scale)));
  EXPECT_THAT(testing_support::TextsCut(console->Handle()), IsEmpty());
  const RECT abort = PlaceOf(remote::kAbortId);
  EXPECT_EQ(abort.left, ui::TwipsToPixelsX(ui::ScaledTwips(3525, scale))) << "placed again from its twips";
}

TEST_F(ConsoleWindow, ControlsStandAtTheirTwipsPlacesWithTheirCaptions) {
  Load();
  RECT client;
  GetClientRect(console->Handle(), &client);
  EXPECT_EQ(client.right, ui::TwipsToPixelsX(remote::kClientWidth));
  EXPECT_EQ(client.bottom, ui::TwipsToPixelsY(remote::kClientHeight));
  for (const auto& params : remote::kConsoleControls) {
    SCOPED_TRACE(params.id);
    const ui::TwipsRect place = InWindow(params);
    const RECT r = PlaceOf(params.id);
    EXPECT_EQ(r.left, ui::TwipsToPixelsX(place.left));
    EXPECT_EQ(r.top, ui::TwipsToPixelsY(place.top));
    EXPECT_EQ(r.right, ui::TwipsToPixelsX(place.left + place.width));
    // A drop-down combo box is as high as its text field; the list hangs below.
    if (params.id != remote::kMachineId) {
      EXPECT_EQ(r.bottom, ui::TwipsToPixelsY(place.top + place.height));
    }
  }
  EXPECT_EQ(Text(remote::kForceCloseId), L"アプリケーションを強制終了する");
  EXPECT_EQ(Text(remote::kMachineLabelId), L"マシン名(&P)");
  EXPECT_EQ(Text(remote::kCloseId), L"閉じる");
  EXPECT_TRUE(GetWindowLongPtrW(Control(remote::kExecuteId), GWL_STYLE) & BS_DEFPUSHBUTTON);
  const auto style = GetWindowLongPtrW(console->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_TRUE(GetWindowLongPtrW(console->Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
}

TEST_F(ConsoleWindow, AcceptedRequestSendsTheInputsAndPutsTheMachineOnTop) {
  Prepare(L"Machine", {{L"1", L"a"}, {L"2", L"SRV2"}, {L"3", L"b"}, {L"4", L"SRV2"}, {L"5", L"srv2"}});
  Load();
  SetText(remote::kMachineId, L"SRV2");
  SetText(remote::kMessageId, L"まもなく停止します");
  SendMessageW(console->Handle(), WM_HSCROLL, SB_PAGERIGHT,
               reinterpret_cast<LPARAM>(Control(remote::kTimeOutId)));
  SendMessageW(Control(remote::kRestartId), BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(Text(remote::kTimeOutLabelId), L"5秒");

  std::vector<bool> during;
  bool busyCursor = false;
  remote.duringRequest = [&] {
    during = Buttons();
    busyCursor = ui::BusyCursor::Active();
  };
  Click(remote::kExecuteId);

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
  EXPECT_EQ(Text(remote::kMachineId), L"SRV2");
}

TEST_F(ConsoleWindow, EmptyMachineAndTheLocalEntryAddressTheLocalMachine) {
  Load();
  Click(remote::kExecuteId);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"ローカルマシンをシャットダウンします");
  EXPECT_THAT(History(), ElementsAre(L"ローカルマシン"));
  Click(remote::kAbortId);
  EXPECT_EQ(Buttons(), kReady);
  SendMessageW(Control(remote::kMachineId), CB_SETCURSEL, 0, 0);
  Click(remote::kExecuteId);
  EXPECT_THAT(Requests(), ElementsAre("ShutDown(local, \"\", 0, keep apps, stay off)", "AbortShutDown(local)",
                                      "ShutDown(local, \"\", 0, keep apps, stay off)"));
  EXPECT_THAT(History(), ElementsAre(L"ローカルマシン"));
}

TEST_F(ConsoleWindow, RefusedRequestShowsTheErrorAndLeavesTheHistory) {
  Prepare(L"Machine", {{L"1", L"old"}});
  Load();
  SetText(remote::kMachineId, L"srv9");
  remote.shutDownAccepts = false;
  remote.errorCode = 53;
  remote.systemTexts[53] = L"ネットワーク パスが見つかりません。";
  Click(remote::kExecuteId);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text, L"ネットワーク パスが見つかりません。(53)");
  EXPECT_EQ(boxes[1].title, L"Velmar");
  EXPECT_EQ(boxes[1].flags, 0x30u);
  EXPECT_EQ(Buttons(), kReady);
  EXPECT_FALSE(ui::BusyCursor::Active());
  EXPECT_THAT(History(), ElementsAre(L"old"));
}

TEST_F(ConsoleWindow, CancelledConfirmationSendsNothingButAbortAddressesTheTypedMachine) {
  Load();
  SetText(remote::kMachineId, L"srv1");
  answers = {IDCANCEL};
  Click(remote::kExecuteId);
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_THAT(Requests(), IsEmpty());
  EXPECT_EQ(Buttons(), kReady);
  EXPECT_THAT(History(), IsEmpty());
  Click(remote::kAbortId);
  EXPECT_THAT(Requests(), ElementsAre("AbortShutDown(\"srv1\")"));
}

TEST_F(ConsoleWindow, AbortBeforeAnyRequestAddressesTheLocalMachine) {
  Load();
  SetText(remote::kMachineId, L"srv1");
  Click(remote::kAbortId);
  EXPECT_THAT(Requests(), ElementsAre("AbortShutDown(local)"));
  EXPECT_THAT(boxes, IsEmpty());
}

TEST_F(ConsoleWindow, AbortReturnsToReadyWhateverItsOutcome) {
  Load();
  SetText(remote::kMachineId, L"srv1");
  Click(remote::kExecuteId);
  EXPECT_EQ(Buttons(), kRequested);
  Click(remote::kAbortId);
  EXPECT_EQ(Buttons(), kReady);
  EXPECT_EQ(boxes.size(), 1u);

  Click(remote::kExecuteId);
  remote.abortAccepts = false;
  remote.errorCode = 1116;
  remote.systemTexts[1116] = L"システム シャットダウンは実行中ではありません。";
  Click(remote::kAbortId);
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[2].text, L"システム シャットダウンは実行中ではありません。(1116)");
  EXPECT_EQ(boxes[2].flags, 0x10u);
  EXPECT_EQ(Buttons(), kReady);
  EXPECT_THAT(Requests(),
              ElementsAre("ShutDown(\"srv1\", \"\", 0, keep apps, stay off)", "AbortShutDown(\"srv1\")",
                          "ShutDown(\"srv1\", \"\", 0, keep apps, stay off)", "AbortShutDown(\"srv1\")"));
}

TEST_F(ConsoleWindow, ErrorRaisedInAHandlerIsShownWithItsNameAndNumber) {
  Load();
  remote.duringRequest = [] { throw std::bad_alloc(); };
  Click(remote::kExecuteId);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text, L"cmdExec_Clickメモリが不足しています。(7)");
  EXPECT_EQ(boxes[1].flags, 0u);
  EXPECT_EQ(Buttons(), kRequested);
  EXPECT_FALSE(ui::BusyCursor::Active());
  EXPECT_THAT(History(), IsEmpty());

  Click(remote::kAbortId);
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[2].text, L"cmdAbout_Clickメモリが不足しています。(7)");
  EXPECT_EQ(boxes[2].flags, 0u);
  EXPECT_EQ(Buttons(), kReady);
  EXPECT_TRUE(console->IsLoaded());
}

TEST_F(ConsoleWindow, UnloadWritesExactlyTheHistoryAndTheInputs) {
  Prepare(L"Machine", {{L"1", L"srv1"}, {L"2", L"SRV1"}, {L"4", L"srv4"}});
  Prepare(L"frmDown", {{L"TimeOut", L"9999"}, {L"App", L"-1"}, {L"Boot", L"x"}});
  Load();
  EXPECT_EQ(TimeOut(), 300);
  SetText(remote::kMachineId, L"new");
  SetText(remote::kMessageId, L"終了します");
  Click(remote::kExecuteId);
  console->Close();
  EXPECT_FALSE(console->IsLoaded());
  EXPECT_EQ(StoredSection(app, L"Machine"), (Values{{L"1", L"new"}, {L"2", L"srv1"}, {L"3", L"SRV1"}}));
  EXPECT_EQ(StoredSection(app, L"frmDown"),
            (Values{{L"Msg", L"終了します"}, {L"TimeOut", L"300"}, {L"App", L"1"}, {L"Boot", L"0"}}));
}

TEST_F(ConsoleWindow, ClearThenUnloadLeavesNoHistory) {
  Prepare(L"Machine", {{L"1", L"srv1"}, {L"2", L"srv2"}});
  Load();
  Click(remote::kClearId);
  EXPECT_THAT(History(), IsEmpty());
  console->Close();
  EXPECT_THAT(StoredSection(app, L"Machine"), IsEmpty());
  EXPECT_EQ(StoredSection(app, L"frmDown").size(), 4u);
}

TEST_F(ConsoleWindow, EnterExecutesEscClosesAndADisabledExecuteIgnoresEnter) {
  Load();
  ShowWindow(console->Handle(), SW_SHOW);
  SetForegroundWindow(console->Handle());
  SetFocus(Control(remote::kMessageId));
  const auto press = [&](WPARAM key) {
    MSG message{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
    ui::DispatchOne(message);
  };
  press(VK_RETURN);
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(Buttons(), kRequested);
  press(VK_RETURN);
  EXPECT_EQ(boxes.size(), 1u);
  press(VK_ESCAPE);
  EXPECT_FALSE(console->IsLoaded());
}

TEST_F(ConsoleWindow, AccessKeyOfALabelOrFrameMovesToTheNextControl) {
  Load();
  ShowWindow(console->Handle(), SW_SHOW);
  SetForegroundWindow(console->Handle());
  SetFocus(Control(remote::kCloseId));
  const auto alt = [&](wchar_t key) {
    MSG message{GetFocus(), WM_SYSCHAR, key, 0x20000000, 0, {}};
    ui::DispatchOne(message);
  };
  alt(L'm');
  EXPECT_EQ(GetFocus(), Control(remote::kMessageId));
  alt(L't');
  EXPECT_EQ(GetFocus(), Control(remote::kTimeOutId));
  alt(L's');
  EXPECT_EQ(GetFocus(), Control(remote::kForceCloseId));
  alt(L'p');
  EXPECT_TRUE(IsChild(Control(remote::kMachineId), GetFocus()) || GetFocus() == Control(remote::kMachineId));
}

TEST_F(ConsoleWindow, StartShowsTheCaptionedWindowOnWindowsNT) {
  console = remote::StartVelmar(Services(), L"リモートシャットダウン(Ver 1.0.1)");
  ASSERT_TRUE(console->IsLoaded());
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
  EXPECT_FALSE(console->IsLoaded());
  EXPECT_EQ(StoredSection(app, L"Machine"), (Values{{L"1", L"srv1"}}));
  EXPECT_EQ(StoredSection(app, L"frmDown"),
            (Values{{L"Msg", L"m"}, {L"TimeOut", L"30"}, {L"App", L"0"}, {L"Boot", L"1"}}));
  EXPECT_THAT(Requests(), IsEmpty());
}

}  // namespace
