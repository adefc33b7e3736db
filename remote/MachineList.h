#pragma once
// A room of machines named at once: several names in the machine box, or a
// text file of them named by "@path". Names are split only on characters that
// no Windows computer name can hold (comma, semicolon, tab), so a single name
// is never taken for a list.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "remote/MachineHistory.h"

namespace remote {

inline constexpr std::size_t kMostMachinesInAList = 10000;
inline constexpr std::size_t kLargestListFile = 1 << 20;  // bytes

// The box names a list: a separator stands in it, or it starts with "@".
bool NamesAList(std::wstring_view typed);

// The path of a box text "@path", blanks around it dropped; nothing for any
// other text.
std::optional<std::wstring> ListFilePath(std::wstring_view typed);

enum class ListProblem { None, NoMachine, TooManyMachines };

struct MachineList {
  // In the order given, each machine once; "ローカルマシン" is the local one.
  std::vector<MachineChoice> machines;
  ListProblem problem = ListProblem::None;
};

// The machines of a box text or of a list file's text. Each entry is trimmed
// and loses a leading "\\"; empty entries are passed over, and a name given
// again, in any case, counts once. A file's lines may end in a comment, from
// "#" to the end of the line.
MachineList ReadMachineList(std::wstring_view text, bool fileComments);

// A list file's bytes as text: UTF-16 LE with its byte-order mark, UTF-8 with
// or without one; any other bytes are in the ANSI code page, which fromAnsi
// converts.
std::wstring DecodeListFile(std::string_view bytes,
                            const std::function<std::wstring(std::string_view)>& fromAnsi);

// How a room stands in the history: its names joined by ", ", which read as
// the same room when chosen again.
std::wstring JoinedNames(const std::vector<MachineChoice>& machines);

}  // namespace remote
