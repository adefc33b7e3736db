#pragma once
// dovra's command line and usage text, free of any Windows call. Nothing here
// allocates or throws: dovra is built without exceptions.
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/RequestAnswer.h"
#include "core/Text.h"
#include "core/VersionInfo.h"

namespace dovra {

// The text after the program's own name, without the blanks around it.
std::wstring_view ArgumentText(std::wstring_view commandLine);

// The ExitWindowsEx flag word of the session-end mode the argument text
// names, or nothing when the usage box is due. The option letter counts in
// either case.
std::optional<std::uint32_t> OptionFlags(std::wstring_view argumentText);

// dovra's exit code once Windows has answered its request: 0 when it
// accepted, Windows' error code when it refused (ERROR_GEN_FAILURE where it
// left none), so that a script or a scheduled task can tell.
std::uint32_t ExitCodeOf(const core::RequestAnswer& answer);

// The exit code of a command line that names no option, after the usage box
// or where no one could see one: ERROR_INVALID_PARAMETER.
inline constexpr std::uint32_t kUsageExitCode = 87;

// Room for the usage text with a long file name and long version strings;
// what would go beyond it is cut off.
using UsageBoxText = core::FixedText<1024>;
UsageBoxText UsageText(const core::VersionValues& version);

}  // namespace dovra
