#include "remote/ConsoleLayout.h"

#include <algorithm>

namespace remote {

const std::array<ControlLayout, 15> kConsoleControls{{
    {ControlId::MachineLabel, L"マシン名(&P)", {75, 200, 1065, 240}, std::nullopt},
    {ControlId::Machine, L"Combo1", {1200, 150, 3615, 300}, std::nullopt},
    {ControlId::Clear, L"クリア", {4875, 150, 1300, 300}, std::nullopt},
    {ControlId::MessageFrame, L"メッセージ(&M)", {150, 600, 6015, 1290}, std::nullopt},
    {ControlId::MessageLabel, L"メッセージ", {225, 400, 915, 240}, ControlId::MessageFrame},
    {ControlId::Message, L"Text1", {1200, 375, 4515, 315}, ControlId::MessageFrame},
    {ControlId::TimeLabel, L"表示時間(&T)", {150, 855, 990, 240}, ControlId::MessageFrame},
    {ControlId::TimeOut, L"", {1200, 825, 3765, 315}, ControlId::MessageFrame},
    // The seconds label starts where the scroll bar ends, so no digit is cut.
    {ControlId::TimeOutLabel, L"Label1", {4965, 825, 750, 315}, ControlId::MessageFrame},
    // Checked, the first box closes applications on the target without asking
    // their users, so its caption says that; the longer caption needs a wider
    // box and frame, which still end left of the Abort button.
    {ControlId::OptionsFrame, L"シャットダウン動作(&S)", {150, 2025, 3300, 1140}, std::nullopt},
    {ControlId::ForceClose,
     L"アプリケーションを強制終了する",
     {270, 300, 2955, 360},
     ControlId::OptionsFrame},
    {ControlId::Restart, L"終了後リブート", {300, 675, 2355, 360}, ControlId::OptionsFrame},
    {ControlId::Abort, L"中止(&A)", {3525, 2400, 1300, 360}, std::nullopt},
    {ControlId::Execute, L"実行(&E)", {3525, 2850, 1300, 360}, std::nullopt},
    {ControlId::Close, L"閉じる", {4950, 2850, 1300, 360}, std::nullopt},
}};

const ControlLayout& LayoutOf(ControlId id) {
  return *std::find_if(kConsoleControls.begin(), kConsoleControls.end(),
                       [id](const ControlLayout& c) { return c.id == id; });
}

ui::TwipsRect PlaceInWindow(ControlId id) {
  const ControlLayout& control = LayoutOf(id);
  if (!control.frame) return control.place;
  const ui::TwipsRect& frame = LayoutOf(*control.frame).place;
  return {frame.left + control.place.left, frame.top + control.place.top, control.place.width,
          control.place.height};
}

}  // namespace remote
