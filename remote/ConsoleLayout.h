#pragma once
// The controls of the console window: caption, place in twips and tab order.
// Controls inside a frame are placed relative to that frame.
#include <array>
#include <optional>

#include "ui/Twips.h"

namespace remote {

// The console's controls. Execute and Close carry the identifiers the dialog
// keys send (Enter: IDOK, Esc: IDCANCEL).
enum class ControlId : int {
  Execute = 1,
  Close = 2,
  MachineLabel = 100,
  Machine,
  Clear,
  MessageFrame,
  MessageLabel,
  Message,
  TimeLabel,
  TimeOut,
  TimeOutLabel,
  OptionsFrame,
  ForceClose,
  Restart,
  Abort,
};

// The identifier as Windows takes it.
constexpr int IdOf(ControlId id) { return static_cast<int>(id); }

struct ControlLayout {
  ControlId id;
  const wchar_t* caption;
  ui::TwipsRect place;             // in its frame, or in the window's client area
  std::optional<ControlId> frame;  // the frame it stands in, if any
};

inline constexpr int kClientWidth = 6345;
inline constexpr int kClientHeight = 3300;

inline constexpr int kTimeOutArrowStep = 5;
inline constexpr int kTimeOutPageStep = 5;

// In tab order.
extern const std::array<ControlLayout, 15> kConsoleControls;

const ControlLayout& LayoutOf(ControlId id);

// Where a control stands in the window's client area: one in a frame, at
// its place in the frame.
ui::TwipsRect PlaceInWindow(ControlId id);

}  // namespace remote
