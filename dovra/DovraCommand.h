#pragma once
// dovra's command line and usage text, free of any Windows call. Nothing here
// allocates or throws: dovra is built without exceptions.
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/Text.h"
#include "core/VersionInfo.h"

namespace dovra {

// The text after the program's own name, without the blanks around it.
std::wstring_view ArgumentText(std::wstring_view commandLine);

// The ExitWindowsEx flag word of the session-end mode the argument text
// names, or nothing when the usage box is due. The option letter counts in
// either case.
std::optional<std::uint32_t> OptionFlags(std::wstring_view argumentText);

// Room for the usage text with a long file name and long version strings;
// what would go beyond it is cut off.
using UsageBoxText = core::FixedText<1024>;
UsageBoxText UsageText(const core::VersionValues& version);

}  // namespace dovra
