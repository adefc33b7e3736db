#pragma once
// The confirmation dialog's countdown without the window: what its OK button
// and message line say for a session-end mode, and what each step of the count
// shows. CountdownDialog puts these on screen.
#include <optional>
#include <string>

#include "launcher/SessionEndMode.h"

namespace launcher {

// The count starts one above the first number shown: the first step, taken
// before the dialog shows, shows 9.
inline constexpr int kCountdownStart = 10;

// The OK button's caption and the message line's suffix for a mode.
struct CountdownCaptions {
  std::wstring okCaption;
  std::wstring suffix;
  friend bool operator==(const CountdownCaptions&, const CountdownCaptions&) = default;
};

// Power off reads like shut down.
CountdownCaptions CountdownCaptionsFor(SessionEndMode mode);

// The signal image lit at a count: 0 green, 1 yellow, 2 red, in that order
// going down from 9. Nothing outside 0..9: the images stay as they are.
std::optional<int> SignalLamp(int count);

// What one step of the countdown shows and whether it ends the count.
struct CountdownStep {
  int count = 0;       // after the step's decrease
  std::wstring label;  // the count in decimal followed by the suffix
  std::optional<int> lamp;
  bool finished = false;  // nothing left to count: the dialog confirms and closes
};

CountdownStep NextCountdownStep(int count, const std::wstring& suffix);

}  // namespace launcher
