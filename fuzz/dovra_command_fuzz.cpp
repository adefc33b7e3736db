// dovra's command line as Windows hands it over (GetCommandLineW): the flag
// word comes only from exactly one of /S /R /L /P, in either case, and the
// argument never keeps the program name or the blanks around it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/SessionEnd.h"
#include "dovra/DovraCommand.h"
#include "fuzz/FuzzInput.h"

namespace {

// The flag word a whole argument text names, letter by letter.
std::optional<std::uint32_t> NamedFlags(std::wstring_view argument) {
  if (argument.size() != 2 || argument[0] != L'/') return std::nullopt;
  switch (argument[1]) {
    case L'S':
    case L's':
      return core::kExitShutdown;
    case L'R':
    case L'r':
      return core::kExitReboot;
    case L'L':
    case L'l':
      return core::kExitLogoff;
    case L'P':
    case L'p':
      return core::kExitPowerOff;
    default:
      return std::nullopt;
  }
}

bool IsFlagWord(std::uint32_t flags) {
  return flags == core::kExitLogoff || flags == core::kExitShutdown || flags == core::kExitReboot ||
         flags == core::kExitPowerOff;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using fuzz::Require;
  const std::wstring commandLine = fuzz::WideText(data, size);

  const std::wstring_view argument = dovra::ArgumentText(commandLine);
  Require(argument.empty() || (!fuzz::IsBlank(argument.front()) && !fuzz::IsBlank(argument.back())),
          "the argument has no blanks around it");
  Require(fuzz::TrimBlanks(commandLine).ends_with(argument), "the argument is the end of the command line");

  const auto flags = dovra::OptionFlags(argument);
  Require(!flags || IsFlagWord(*flags), "a result is one of the four flag words");
  Require(flags == NamedFlags(argument), "a result only for exactly /S /R /L /P in either case");

  // The same text behind a program name, bare or quoted with blanks in its
  // path, comes back as it was once its own blanks are gone.
  const std::wstring_view trimmed = fuzz::TrimBlanks(commandLine);
  Require(dovra::ArgumentText(L"dovra " + commandLine) == trimmed, "a bare program name is dropped");
  Require(dovra::ArgumentText(L"\"C:\\Program Files\\dovra.exe\" " + commandLine) == trimmed,
          "a quoted program name is dropped");
  Require(dovra::OptionFlags(dovra::ArgumentText(L"dovra.exe\t" + commandLine)) == NamedFlags(trimmed),
          "the option after a program name names its flag word");
  return 0;
}
