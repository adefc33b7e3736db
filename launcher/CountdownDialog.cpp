#include "launcher/CountdownDialog.h"

#include <algorithm>

#include "ui/MessageBox.h"
#include "ui/MessageLoop.h"

namespace launcher {
namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

// The client area and the controls, in twips, grown with the user's text
// size. The three lamps stand on one spot; one at a time shows.
constexpr ui::TwipsSize kClientSize{3435, 1320};
constexpr ui::TwipsRect kLampPlace{150, 150, 480, 480};
constexpr ui::TwipsRect kMessagePlace{750, 300, 2655, 315};
constexpr ui::TwipsRect kOkPlace{360, 810, 1300, 315};
constexpr ui::TwipsRect kCancelPlace{1800, 810, 1300, 315};

// The signal icons are resources 300 (green lit), 301 (yellow) and 302 (red);
// see res/signals.rc.in.
constexpr int kSignalIconResource0 = 300;

}  // namespace

bool CountdownDialog::Ask(SessionEndMode mode, HWND owner, std::optional<ui::ScreenRect> monitor) {
  count_ = kCountdownStart;
  goAhead_ = false;
  captions_ = CountdownCaptionsFor(mode);
  Open(owner,
       monitor.value_or(ui::ScreenRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
  // The first number shows before the dialog does.
  OnCountTick();
  ui::RunModal(*this);
  return goAhead_;
}

void CountdownDialog::Open(HWND owner, const ui::ScreenRect& monitor) {
  if (IsOpen()) return;
  ui::WindowParams params;
  params.className = kClassName;
  params.caption = ui::ProgramTitle();
  params.style = kStyle;
  params.exStyle = kExStyle;
  params.owner = owner;
  params.clientTwips = kClientSize;
  params.scalesWithText = true;
  // Made on the monitor, so at its resolution; then in its middle, where the
  // backdrop leaves nothing else to look at.
  const ui::ScreenRect middle = ui::CentredIn(monitor, 0, 0);
  params.left = middle.left;
  params.top = middle.top;
  Create(params);
  FitMessage();
  FitClientTwips([&monitor](SIZE outer) {
    const ui::ScreenRect place = ui::CentredIn(monitor, outer.cx, outer.cy);
    return POINT{place.left, place.top};
  });

  // Above every window, the backdrop's full-screen picture included.
  StayOnTop(true);
}

// The mode's message at its longest, in the dialog's font, can take more room
// than its place gives: standby's does in a Japanese font. The place, and
// the dialog, then grow by what the text lacks, so it is never cut; at a
// change of resolution or text size the font changes, and so may that.
void CountdownDialog::FitMessage() {
  // One pixel spare: the conversion to twips rounds.
  const int textPixels =
      message_.MeasureText(NextCountdownStep(kCountdownStart, captions_.suffix).label).cx + 1;
  const int needed = ui::TwipsBeforeScale(ui::PixelsToTwips(textPixels, Dpi()), CurrentTextScale());
  const int extra = std::max(0, needed - kMessagePlace.width);
  message_.Move({kMessagePlace.left, kMessagePlace.top, kMessagePlace.width + extra, kMessagePlace.height});
  SetClientTwips({kClientSize.width + extra, kClientSize.height});
}

void CountdownDialog::OnDpiChanged(const RECT& suggested) {
  FitMessage();
  DialogWindow::OnDpiChanged(suggested);
}

void CountdownDialog::OnTextSizeChanged() {
  FitMessage();
  DialogWindow::OnTextSizeChanged();
}

void CountdownDialog::OnCreate() {
  // Made in tab order: OK first (it has the focus), then the label, then Cancel.
  const HWND window = Handle();
  ok_.Create(window, kOkId, captions_.okCaption, kOkPlace, true);
  message_.Create(window, kMessageId, L"", kMessagePlace);
  cancel_.Create(window, kCancelId, L"キャンセル", kCancelPlace);
  for (int i = 0; i < static_cast<int>(lamps_.size()); ++i)
    lamps_[i].Create(window, kFirstLampId + i, kSignalIconResource0 + i, kLampPlace);
}

bool CountdownDialog::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case kOkId:
      Answer(true);
      return true;
    case kCancelId:
      Answer(false);
      return true;
  }
  return false;
}

void CountdownDialog::OnTimer(UINT_PTR id) {
  if (id == countTimer_.Id()) OnCountTick();
}

// One step of the count: stopped first and started again last, so a step
// never overlaps the next tick and the next one comes a full interval later.
void CountdownDialog::OnCountTick() {
  countTimer_.Stop();
  const CountdownStep step = NextCountdownStep(count_, captions_.suffix);
  count_ = step.count;
  message_.SetText(step.label);
  // A screen reader hears the count from the label's name changing; the
  // focus stays on the buttons.
  NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, message_.Handle(), OBJID_CLIENT, CHILDID_SELF);
  if (step.lamp) {
    for (int i = 0; i < static_cast<int>(lamps_.size()); ++i) lamps_[i].SetVisible(i == *step.lamp);
  }
  if (step.finished) {
    Answer(true);
  } else {
    countTimer_.Start();
  }
}

// Only OK and the count running out go ahead; every other way of closing
// the dialog stops.
void CountdownDialog::Answer(bool goAhead) {
  goAhead_ = goAhead;
  Close(ui::CloseReason::Code);
}

void CountdownDialog::OnDestroy() { countTimer_.Stop(); }

}  // namespace launcher
