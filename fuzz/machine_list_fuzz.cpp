// A list file of machines, whatever its bytes: it is read in bounded time
// into names that are each a whole machine (no separator, no blank at either
// end, no leading "\\", no comment), each machine once in any case, never
// more than the list may hold; and the history entry the room gets reads back
// as the same room.
#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>

#include "fuzz/FuzzInput.h"
#include "remote/MachineList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using fuzz::Require;
  // The ANSI code page stands in as one character a byte.
  const auto ansi = [](std::string_view bytes) {
    std::wstring text;
    for (const char byte : bytes) text += static_cast<wchar_t>(static_cast<unsigned char>(byte));
    return text;
  };
  const std::wstring text =
      remote::DecodeListFile(std::string_view(reinterpret_cast<const char*>(data), size), ansi);
  const remote::MachineList list = remote::ReadMachineList(text, true);
  Require(list.machines.size() <= remote::kMostMachinesInAList, "no more machines than a list may hold");
  Require(list.machines.empty() == (list.problem != remote::ListProblem::None),
          "a list says why when it has no machine");

  std::set<std::wstring> seen;
  for (const auto& machine : list.machines) {
    const std::wstring& name = machine.displayName;
    Require(!name.empty() && name.find_first_of(L",;\t\n#") == std::wstring::npos,
            "each name is one whole machine, without its comment");
    Require(name.front() != L' ' && name.back() != L' ' && !name.starts_with(L"\\\\"),
            "no blank around a name, no leading \\\\");
    std::wstring folded = name;
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 0x20) : c; });
    Require(seen.insert(folded).second, "each machine once, in any case");
  }

  const remote::MachineList again = remote::ReadMachineList(remote::JoinedNames(list.machines), false);
  Require(std::equal(again.machines.begin(), again.machines.end(), list.machines.begin(), list.machines.end(),
                     [](const auto& a, const auto& b) {
                       return a.displayName == b.displayName && a.target == b.target;
                     }),
          "the room's history entry reads as the same room");
  return 0;
}
