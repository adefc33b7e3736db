#pragma once
// The fixed texts of the launcher: its four buttons, by button index (the tag
// text, which is the caption of a large button, and the tooltip), and what
// it tells the user and Windows.
#include <array>

namespace launcher {

inline constexpr std::array<const wchar_t*, 4> kButtonTags{L"終了", L"ログオフ", L"再起動", L"スタンバイ"};
inline constexpr std::array<const wchar_t*, 4> kButtonTips{
    L"Windowsを終了します", L"現在のユーザーをログオフ", L"コンピューターの再起動",
    L"スタンバイ状態にします"};

// A machine with neither classic sleep nor Modern Standby.
inline constexpr const wchar_t* kNoStandbyMessage = L"このコンピューターはスタンバイに対応していません。";
// Why the end of the session waits for the launcher while it ejects media.
inline constexpr const wchar_t* kEjectingReason = L"リムーバブルメディアを取り出しています…";

}  // namespace launcher
