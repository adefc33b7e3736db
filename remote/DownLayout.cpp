#include "remote/DownLayout.h"

#include <algorithm>

namespace remote {

const std::array<ControlSpec, 15> kDownControls{{
    {kLblMachine, ControlKind::Label, L"マシン名(&P)", {75, 200, 1065, 240}, 0},
    {kCboMachine, ControlKind::ComboBox, L"Combo1", {1200, 150, 3615, 300}, 0},
    {kCmdClear, ControlKind::Button, L"クリア", {4875, 150, 1300, 300}, 0},
    {kFraMsg, ControlKind::Frame, L"メッセージ(&M)", {150, 600, 6015, 1290}, 0},
    {kLblMsg, ControlKind::Label, L"メッセージ", {225, 400, 915, 240}, kFraMsg},
    {kTxtMsg, ControlKind::TextBox, L"Text1", {1200, 375, 4515, 315}, kFraMsg},
    {kLblTime, ControlKind::Label, L"表示時間(&T)", {150, 855, 990, 240}, kFraMsg},
    {kHsbMsgTime, ControlKind::ScrollBar, L"", {1200, 825, 3765, 315}, kFraMsg},
    {kLblMsgTime, ControlKind::Label, L"Label1", {4950, 825, 765, 315}, kFraMsg},
    {kFrmShutDown, ControlKind::Frame, L"シャットダウン動作(&S)", {150, 2025, 2790, 1140}, 0},
    // Checked, this box closes applications on the target without asking
    // their users, so its caption says that.
    {kChkApp, ControlKind::CheckBox, L"アプリケーションを強制終了する", {270, 300, 2355, 360}, kFrmShutDown},
    {kChkBoot, ControlKind::CheckBox, L"終了後リブート", {300, 675, 2355, 360}, kFrmShutDown},
    {kCmdAbout, ControlKind::Button, L"中止(&A)", {3525, 2400, 1300, 360}, 0},
    {kCmdExec, ControlKind::Button, L"実行(&E)", {3525, 2850, 1300, 360}, 0},
    {kCmdCandel, ControlKind::Button, L"閉じる", {4950, 2850, 1300, 360}, 0},
}};

TwipsRect OnClientArea(const ControlSpec& control) {
  TwipsRect place = control.place;
  if (control.container != 0) {
    const auto frame = std::find_if(kDownControls.begin(), kDownControls.end(),
                                    [&](const ControlSpec& c) { return c.id == control.container; });
    place.left += frame->place.left;
    place.top += frame->place.top;
  }
  return place;
}

}  // namespace remote
