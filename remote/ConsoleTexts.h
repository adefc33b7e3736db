#pragma once
// The fixed texts of the console window and the caption built at start-up.
#include <string>
#include <string_view>
#include <vector>

#include "remote/MachineList.h"
#include "remote/RoomSchedule.h"

namespace remote {

inline constexpr wchar_t kProgramTitle[] = L"Velmar";
inline constexpr wchar_t kNotWindowsNT[] = L"WindowsNTのみで使用可能です";

// The program's comment text directly followed by "(Ver major.minor.revision)".
std::wstring WindowCaption(std::wstring_view comments, unsigned major, unsigned minor, unsigned revision);

// The question asked before a request: the display name and "をシャットダウンします".
std::wstring ConfirmationText(std::wstring_view displayName);

// The question asked before a room is asked: how many machines, a blank line,
// then the first of them one a line and how many more.
inline constexpr std::size_t kMachinesNamedInConfirmation = 20;
std::wstring RoomConfirmationText(const std::vector<MachineChoice>& machines);

// What a room answered, once every machine has: how many accepted and how
// many refused, then each refusal's text followed by the machines it concerns.
enum class RoomAction { ShutDown, Abort };
std::wstring RoomSummaryText(RoomAction action, const RoomSchedule& answers);

// Why a list cannot be asked. A file's problems name the file first.
std::wstring ListProblemText(ListProblem problem, std::wstring_view file);
std::wstring ListFileTooLargeText(std::wstring_view file);
std::wstring ListFileUnreadableText(std::wstring_view file, std::wstring_view errorText);

}  // namespace remote
