#pragma once
// The fixed texts of the launcher's four buttons, by button index: the tag
// text (the caption of a large button) and the tooltip.
#include <array>

namespace launcher {

inline constexpr std::array<const wchar_t*, 4> kButtonTags{L"終了", L"ログオフ", L"再起動", L"スタンバイ"};
inline constexpr std::array<const wchar_t*, 4> kButtonTips{
    L"Windowsを終了します", L"現在のユーザーをログオフ", L"コンピューターの再起動",
    L"スタンバイ状態にします"};

}  // namespace launcher
