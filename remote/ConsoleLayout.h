#pragma once
// The controls of the console window: caption, place in twips and tab order.
// Controls inside a frame are placed relative to that frame.
#include <array>

#include "ui/Twips.h"

namespace remote {

// Execute and Close carry the identifiers the dialog keys send (Enter: IDOK,
// Esc: IDCANCEL).
enum ControlId : int {
  kExecuteId = 1,
  kCloseId = 2,
  kMachineLabelId = 100,
  kMachineId,
  kClearId,
  kMessageFrameId,
  kMessageLabelId,
  kMessageId,
  kTimeLabelId,
  kTimeOutId,
  kTimeOutLabelId,
  kOptionsFrameId,
  kForceCloseId,
  kRestartId,
  kAbortId,
};

struct ControlLayout {
  ControlId id;
  const wchar_t* caption;
  ui::TwipsRect place;
  int container;  // the frame's id, or 0 for the window's client area
};

inline constexpr int kClientWidth = 6345;
inline constexpr int kClientHeight = 3300;

inline constexpr int kTimeOutArrowStep = 5;
inline constexpr int kTimeOutPageStep = 5;

// In tab order.
extern const std::array<ControlLayout, 15> kConsoleControls;

const ControlLayout& LayoutOf(ControlId id);

}  // namespace remote
