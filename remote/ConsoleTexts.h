#pragma once
// The fixed texts of the console window and the caption built at start-up.
#include <string>
#include <string_view>

namespace remote {

inline constexpr wchar_t kProgramTitle[] = L"Velmar";
inline constexpr wchar_t kNotWindowsNT[] = L"WindowsNTのみで使用可能です";

// The program's comment text directly followed by "(Ver major.minor.revision)".
std::wstring WindowCaption(std::wstring_view comments, unsigned major, unsigned minor, unsigned revision);

// The question asked before a request: the display name and "をシャットダウンします".
std::wstring ConfirmationText(std::wstring_view displayName);

}  // namespace remote
