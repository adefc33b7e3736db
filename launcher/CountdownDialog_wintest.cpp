// The countdown dialog on screen: its controls, its count, and each way it answers.
#include "launcher/CountdownDialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <iostream>
#include <memory>

#include "core/CallLog.h"
#include "core/Unique.h"
#include "launcher/CountdownDialogProbe.h"
#include "ui/LayoutProbe.h"
#include "ui/Resolution.h"
#include "ui/ScreenTwips.h"

namespace {

using launcher::CountdownDialog;
using Mode = launcher::SessionEndMode;
using launcher_test::Clock;
using launcher_test::CountdownWatcher;
using launcher_test::DialogControl;
using launcher_test::PressKey;
using launcher_test::WindowText;
using testing::ElementsAre;
using testing_support::Utf8;

constexpr int kGreen = 0;
constexpr int kYellow = 1;
constexpr int kRed = 2;

std::wstring ExecutableBaseName() {
  wchar_t path[MAX_PATH] = L"";
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring name(path);
  name = name.substr(name.find_last_of(L"\\/") + 1);
  return name.substr(0, name.rfind(L'.'));
}

RECT ClientPlace(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The name changes a screen reader hears from this thread's windows: which
// control each came from, and where the focus was meanwhile.
class NameChangeListener {
 public:
  NameChangeListener() {
    current_ = this;
    hook_.reset(SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr,
                                &NameChangeListener::Heard, GetCurrentProcessId(), GetCurrentThreadId(),
                                WINEVENT_OUTOFCONTEXT));
  }
  ~NameChangeListener() { current_ = nullptr; }
  NameChangeListener(const NameChangeListener&) = delete;
  NameChangeListener& operator=(const NameChangeListener&) = delete;

  // The control ids of the client objects whose names changed, in order.
  const std::vector<int>& Controls() const { return controls_; }
  const std::vector<int>& FocusedControls() const { return focused_; }

 private:
  static void CALLBACK Heard(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    if (!current_ || object != OBJID_CLIENT || child != CHILDID_SELF) return;
    current_->controls_.push_back(GetDlgCtrlID(hwnd));
    current_->focused_.push_back(GetFocus() ? GetDlgCtrlID(GetFocus()) : 0);
  }

  core::Unique<core::NullIsEmpty<HWINEVENTHOOK, &UnhookWinEvent>> hook_;
  std::vector<int> controls_;
  std::vector<int> focused_;
  static inline NameChangeListener* current_ = nullptr;
};

class CountdownDialogTest : public ::testing::Test {
 protected:
  // A dialog as the backdrop makes one: fresh for each question.
  std::shared_ptr<CountdownDialog> Fresh() { return std::make_shared<CountdownDialog>(); }
};

TEST_F(CountdownDialogTest, LeftAloneItCountsNineToOneAndGoesAheadAboutNineSecondsAfterItAppeared) {
  CountdownWatcher watcher;
  const NameChangeListener listener;
  const bool answer = Fresh()->Ask(Mode::Restart);

  EXPECT_TRUE(answer);
  ASSERT_TRUE(watcher.ShownAt());
  ASSERT_TRUE(watcher.ClosedAt());
  const auto since = [&](Clock::time_point t) {
    return std::chrono::duration<double>(t - *watcher.ShownAt()).count();
  };
  const double seconds = since(*watcher.ClosedAt());
  std::cout << "the countdown closed " << seconds << " s after the dialog appeared; steps seen at";
  for (const auto& view : watcher.Views()) std::cout << ' ' << since(view.seenAt);
  std::cout << " s\n";
  RecordProperty("countdown_seconds", std::to_string(seconds));
  EXPECT_GE(seconds, 8.5);
  EXPECT_LE(seconds, 10.5);

  std::vector<std::pair<std::string, int>> steps;
  for (const auto& view : watcher.Views()) steps.emplace_back(Utf8(view.label), view.lamp);
  EXPECT_THAT(steps,
              ElementsAre(std::pair{"9秒後に再起動します", kGreen}, std::pair{"8秒後に再起動します", kYellow},
                          std::pair{"7秒後に再起動します", kRed}, std::pair{"6秒後に再起動します", kGreen},
                          std::pair{"5秒後に再起動します", kYellow}, std::pair{"4秒後に再起動します", kRed},
                          std::pair{"3秒後に再起動します", kGreen}, std::pair{"2秒後に再起動します", kYellow},
                          std::pair{"1秒後に再起動します", kRed}));
  EXPECT_EQ(FindWindowW(CountdownDialog::kClassName, nullptr), nullptr);

  // Each step is announced from the label, and not one moves the focus off OK
  // once the dialog is up (the first step runs before it is shown).
  EXPECT_EQ(listener.Controls(), std::vector<int>(9, CountdownDialog::kMessageId));
  ASSERT_EQ(listener.FocusedControls().size(), 9u);
  EXPECT_THAT(std::vector<int>(listener.FocusedControls().begin() + 1, listener.FocusedControls().end()),
              testing::Each(CountdownDialog::kOkId));
}

TEST_F(CountdownDialogTest, OpensWithTheProgramTitleTheModesCaptionsAndTheFocusOnOK) {
  HWND ok = nullptr;
  CountdownWatcher watcher([&](HWND dialog) {
    ok = DialogControl(dialog, CountdownDialog::kOkId);
    SendMessageW(DialogControl(dialog, CountdownDialog::kCancelId), BM_CLICK, 0, 0);
  });
  Fresh()->Ask(Mode::Standby);

  ASSERT_FALSE(watcher.Views().empty());
  const auto& first = watcher.Views().front();
  EXPECT_EQ(Utf8(first.title), Utf8(ExecutableBaseName()));
  EXPECT_EQ(Utf8(first.okCaption), "スタンバイ");
  EXPECT_EQ(Utf8(first.label), "9秒後にスタンバイ状態になります");
  EXPECT_EQ(first.lamp, kGreen);
  EXPECT_NE(ok, nullptr);
  EXPECT_EQ(watcher.FocusAtShow(), ok);
}

TEST_F(CountdownDialogTest, PowerOffShowsAsShutDown) {
  const auto firstView = [this](Mode mode) {
    CountdownWatcher watcher(
        [](HWND dialog) { SendMessageW(DialogControl(dialog, CountdownDialog::kCancelId), BM_CLICK, 0, 0); });
    Fresh()->Ask(mode);
    return watcher.Views().empty() ? launcher_test::CountdownView{} : watcher.Views().front();
  };
  const auto powerOff = firstView(Mode::PowerOff);
  EXPECT_EQ(Utf8(powerOff.okCaption), "終了");
  EXPECT_EQ(Utf8(powerOff.label), "9秒後に終了します");
}

TEST_F(CountdownDialogTest, EnterGoesAheadAndEscapeStops) {
  {
    CountdownWatcher watcher([](HWND) { PressKey(VK_RETURN); });
    EXPECT_TRUE(Fresh()->Ask(Mode::Shutdown));
  }
  {
    CountdownWatcher watcher([](HWND) { PressKey(VK_ESCAPE); });
    EXPECT_FALSE(Fresh()->Ask(Mode::Shutdown));
  }
  {
    // Enter confirms wherever the focus is, Cancel included.
    CountdownWatcher watcher([](HWND dialog) {
      SetFocus(DialogControl(dialog, CountdownDialog::kCancelId));
      PressKey(VK_RETURN);
    });
    EXPECT_TRUE(Fresh()->Ask(Mode::Logoff));
  }
}

TEST_F(CountdownDialogTest, TheButtonsAnswerAndEveryOtherWayOfClosingStops) {
  const auto answer = [this](std::function<void(HWND)> act) {
    CountdownWatcher watcher(std::move(act));
    return Fresh()->Ask(Mode::Shutdown);
  };
  EXPECT_TRUE(answer(
      [](HWND dialog) { SendMessageW(DialogControl(dialog, CountdownDialog::kOkId), BM_CLICK, 0, 0); }));
  EXPECT_FALSE(answer(
      [](HWND dialog) { SendMessageW(DialogControl(dialog, CountdownDialog::kCancelId), BM_CLICK, 0, 0); }));
  EXPECT_FALSE(answer([](HWND dialog) { PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }));
  EXPECT_FALSE(answer([](HWND dialog) { SendMessageW(dialog, WM_ENDSESSION, TRUE, 0); }));
}

TEST_F(CountdownDialogTest, TheDialogStandsAboveEveryWindowThatIsNotOnTop) {
  bool topmost = false;
  CountdownWatcher watcher([&](HWND dialog) {
    topmost = (GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    SendMessageW(DialogControl(dialog, CountdownDialog::kOkId), BM_CLICK, 0, 0);
  });
  Fresh()->Ask(Mode::Shutdown);
  EXPECT_TRUE(topmost);
}

TEST_F(CountdownDialogTest, EachCallRunsOnAFreshFormThatStartsAtNineGreen) {
  for (int call = 0; call < 2; ++call) {
    CountdownWatcher watcher([](HWND) { PressKey(VK_RETURN); });
    EXPECT_TRUE(Fresh()->Ask(Mode::Shutdown));
    ASSERT_FALSE(watcher.Views().empty());
    EXPECT_EQ(Utf8(watcher.Views().front().label), "9秒後に終了します");
    EXPECT_EQ(watcher.Views().front().lamp, kGreen);
    EXPECT_EQ(FindWindowW(CountdownDialog::kClassName, nullptr), nullptr);
  }
}

TEST_F(CountdownDialogTest, ControlsSitAtTheirTwipsPlacesWithTheirIcons) {
  RECT client{};
  RECT ok{}, cancel{}, label{};
  std::vector<RECT> images;
  std::vector<HICON> icons;
  std::wstring cancelCaption;
  CountdownWatcher watcher([&](HWND dialog) {
    GetClientRect(dialog, &client);
    ok = ClientPlace(DialogControl(dialog, CountdownDialog::kOkId));
    cancel = ClientPlace(DialogControl(dialog, CountdownDialog::kCancelId));
    label = ClientPlace(DialogControl(dialog, CountdownDialog::kMessageId));
    cancelCaption = WindowText(DialogControl(dialog, CountdownDialog::kCancelId));
    for (int i = 0; i < 3; ++i) {
      const HWND image = DialogControl(dialog, CountdownDialog::kFirstLampId + i);
      images.push_back(ClientPlace(image));
      icons.push_back(reinterpret_cast<HICON>(SendMessageW(image, STM_GETICON, 0, 0)));
    }
    PressKey(VK_ESCAPE);
  });
  Fresh()->Ask(Mode::Shutdown);

  const auto same = [](const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  };
  EXPECT_EQ(client.right, ui::TwipsToPixelsX(3435));
  EXPECT_EQ(client.bottom, ui::TwipsToPixelsY(1320));
  EXPECT_TRUE(same(ok, ui::TwipsToPixels({360, 810, 1300, 315})));
  EXPECT_TRUE(same(cancel, ui::TwipsToPixels({1800, 810, 1300, 315})));
  EXPECT_TRUE(same(label, ui::TwipsToPixels({750, 300, 2655, 315})));
  EXPECT_EQ(Utf8(cancelCaption), "キャンセル");
  ASSERT_EQ(images.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(same(images[i], ui::TwipsToPixels({150, 150, 480, 480}))) << i;
    EXPECT_NE(icons[i], nullptr) << i;
  }
  EXPECT_NE(icons[0], icons[1]);
  EXPECT_NE(icons[1], icons[2]);
}

SIZE IconSize(HICON icon) {
  ICONINFO info{};
  GetIconInfo(icon, &info);
  BITMAP colour{};
  GetObjectW(info.hbmColor, sizeof colour, &colour);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return {colour.bmWidth, colour.bmHeight};
}

// Moved to screens of 1.5 and 2 times the resolution, as after a change of
// the display's scale during a weeks-long run: the dialog stands where
// Windows suggests, its client area is its twips at the new resolution, its
// controls stand at their twips places inside it in the message font of
// that resolution, and the lamps show the icons drawn for that size.
TEST_F(CountdownDialogTest, OnAScreenOfAnotherResolutionEverythingIsAtThatResolution) {
  const int system = ui::SystemDpi();
  struct Seen {
    int dpi;
    RECT outer, client, ok, cancel, image;
    LONG fontHeight;
    SIZE icon;
    HICON lamp;
  };
  std::vector<Seen> seen;
  const RECT suggested{20, 30, 20 + 480, 30 + 240};
  CountdownWatcher watcher([&](HWND dialog) {
    for (const int dpi : {system * 3 / 2, system * 2}) {
      RECT place = suggested;
      SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&place));
      Seen now{dpi, {}, {}, {}, {}, {}, 0, {}, nullptr};
      GetWindowRect(dialog, &now.outer);
      GetClientRect(dialog, &now.client);
      now.ok = ClientPlace(DialogControl(dialog, CountdownDialog::kOkId));
      now.cancel = ClientPlace(DialogControl(dialog, CountdownDialog::kCancelId));
      const HWND lamp = DialogControl(dialog, CountdownDialog::kFirstLampId);
      now.image = ClientPlace(lamp);
      now.fontHeight = testing_support::FontOf(DialogControl(dialog, CountdownDialog::kMessageId)).lfHeight;
      now.lamp = reinterpret_cast<HICON>(SendMessageW(lamp, STM_GETICON, 0, 0));
      now.icon = IconSize(now.lamp);
      seen.push_back(now);
    }
    PressKey(VK_ESCAPE);
  });
  Fresh()->Ask(Mode::Shutdown);

  ASSERT_EQ(seen.size(), 2u);
  for (const Seen& at : seen) {
    SCOPED_TRACE(at.dpi);
    EXPECT_EQ(at.outer.left, suggested.left);
    EXPECT_EQ(at.outer.top, suggested.top);
    EXPECT_EQ(at.client.right, ui::TwipsToPixels(3435, at.dpi));
    EXPECT_EQ(at.client.bottom, ui::TwipsToPixels(1320, at.dpi));
    const RECT okThere = ui::TwipsToPixels({360, 810, 1300, 315}, at.dpi);
    EXPECT_TRUE(EqualRect(&at.ok, &okThere));
    EXPECT_LE(at.cancel.right, at.client.right);
    EXPECT_LE(at.cancel.bottom, at.client.bottom);
    const RECT imageThere = ui::TwipsToPixels({150, 150, 480, 480}, at.dpi);
    EXPECT_TRUE(EqualRect(&at.image, &imageThere));
    EXPECT_EQ(at.fontHeight, ui::MessageFontAtDpi(at.dpi).lfHeight);
    EXPECT_EQ(at.icon.cx, ui::TwipsToPixels(480, at.dpi))
        << "the image drawn for that size, not a stretched one";
    EXPECT_EQ(at.icon.cy, ui::TwipsToPixels(480, at.dpi));
  }
  EXPECT_NE(seen[0].lamp, seen[1].lamp) << "each resolution has its own icon";
}

// Every text of the dialog, in its own font, within its control: the
// longest of the captions (standby's) at the user's text sizes of 100, 150
// and 200 %, the layout grown with the font. Standby's message is longer
// than its place in a Japanese font: the place, and the dialog, grow by what
// it lacks. Shut down's fits, and its places are as given
// (ItsControlsStandAtTheirTwipsPlaces above).
TEST_F(CountdownDialogTest, EveryTextFitsAtEveryTextSize) {
  for (const int percent : {100, 150, 200}) {
    SCOPED_TRACE(percent);
    const testing_support::TextSize textSize(percent);
    std::vector<std::wstring> cut{L"<never shown>"};
    RECT client{};
    CountdownWatcher watcher([&](HWND dialog) {
      cut = testing_support::TextsCut(dialog);
      GetClientRect(dialog, &client);
      PressKey(VK_ESCAPE);
    });
    Fresh()->Ask(Mode::Standby);
    EXPECT_THAT(cut, testing::IsEmpty());
    EXPECT_EQ(client.bottom, ui::TwipsToPixelsY(1320 * percent / 100)) << "the layout grows with the text";
    // Standby's message needs more room than its place gives at any size.
    EXPECT_GT(client.right, ui::TwipsToPixelsX(3435 * percent / 100));
  }
}

// The user changes the text size while the dialog counts: Windows tells
// every window, and the dialog lays itself out again in the new font.
TEST_F(CountdownDialogTest, AChangeOfTextSizeWhileItShowsLaysItOutAgain) {
  std::vector<std::wstring> cut{L"<never shown>"};
  LONG before = 0, after = 0;
  RECT client{};
  CountdownWatcher watcher([&](HWND dialog) {
    before = testing_support::FontOf(DialogControl(dialog, CountdownDialog::kOkId)).lfHeight;
    const testing_support::TextSize larger(175);
    testing_support::TextSize::Announce(dialog);
    after = testing_support::FontOf(DialogControl(dialog, CountdownDialog::kOkId)).lfHeight;
    cut = testing_support::TextsCut(dialog);
    GetClientRect(dialog, &client);
    PressKey(VK_ESCAPE);
  });
  Fresh()->Ask(Mode::Logoff);
  EXPECT_EQ(after, -MulDiv(9 * 175, ui::SystemDpi(), 72 * 100));
  EXPECT_NE(before, after);
  EXPECT_THAT(cut, testing::IsEmpty());
  EXPECT_EQ(client.bottom,
            ui::TwipsToPixelsY(ui::ScaledTwips(1320, ui::TextScaleFor(after, ui::SystemDpi()))));
}

}  // namespace
