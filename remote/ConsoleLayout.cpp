#include "remote/ConsoleLayout.h"

#include <algorithm>

namespace remote {

const std::array<ControlLayout, 15> kConsoleControls{{
    {kMachineLabelId, L"マシン名(&P)", {75, 200, 1065, 240}, 0},
    {kMachineId, L"Combo1", {1200, 150, 3615, 300}, 0},
    {kClearId, L"クリア", {4875, 150, 1300, 300}, 0},
    {kMessageFrameId, L"メッセージ(&M)", {150, 600, 6015, 1290}, 0},
    {kMessageLabelId, L"メッセージ", {225, 400, 915, 240}, kMessageFrameId},
    {kMessageId, L"Text1", {1200, 375, 4515, 315}, kMessageFrameId},
    {kTimeLabelId, L"表示時間(&T)", {150, 855, 990, 240}, kMessageFrameId},
    {kTimeOutId, L"", {1200, 825, 3765, 315}, kMessageFrameId},
    // The seconds label starts where the scroll bar ends, so no digit is cut.
    {kTimeOutLabelId, L"Label1", {4965, 825, 750, 315}, kMessageFrameId},
    // Checked, the first box closes applications on the target without asking
    // their users, so its caption says that; the longer caption needs a wider
    // box and frame, which still end left of the Abort button.
    {kOptionsFrameId, L"シャットダウン動作(&S)", {150, 2025, 3300, 1140}, 0},
    {kForceCloseId, L"アプリケーションを強制終了する", {270, 300, 2955, 360}, kOptionsFrameId},
    {kRestartId, L"終了後リブート", {300, 675, 2355, 360}, kOptionsFrameId},
    {kAbortId, L"中止(&A)", {3525, 2400, 1300, 360}, 0},
    {kExecuteId, L"実行(&E)", {3525, 2850, 1300, 360}, 0},
    {kCloseId, L"閉じる", {4950, 2850, 1300, 360}, 0},
}};

const ControlLayout& LayoutOf(ControlId id) {
  return *std::find_if(kConsoleControls.begin(), kConsoleControls.end(),
                       [id](const ControlLayout& c) { return c.id == id; });
}

}  // namespace remote
