#pragma once
// The controls of the console window: kind, caption, place in twips and tab
// order. Controls inside a frame are placed relative to that frame.
#include <array>

namespace remote {

enum class ControlKind { Label, ComboBox, Button, Frame, TextBox, ScrollBar, CheckBox };

struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Execute and Close carry the identifiers the dialog keys send (Enter: IDOK,
// Esc: IDCANCEL).
enum ControlId : int {
  kCmdExec = 1,
  kCmdCandel = 2,
  kLblMachine = 100,
  kCboMachine,
  kCmdClear,
  kFraMsg,
  kLblMsg,
  kTxtMsg,
  kLblTime,
  kHsbMsgTime,
  kLblMsgTime,
  kFrmShutDown,
  kChkApp,
  kChkBoot,
  kCmdAbout,
};

struct ControlSpec {
  ControlId id;
  ControlKind kind;
  const wchar_t* caption;
  TwipsRect place;
  int container;  // the frame's id, or 0 for the window's client area
};

inline constexpr int kClientWidth = 6345;
inline constexpr int kClientHeight = 3300;

inline constexpr int kTimeOutArrowStep = 5;
inline constexpr int kTimeOutPageStep = 5;

// In tab order.
extern const std::array<ControlSpec, 15> kDownControls;

// Where a control lies on the window's client area, frame offsets added.
TwipsRect OnClientArea(const ControlSpec& control);

}  // namespace remote
