#pragma once
// dovra's command line and usage text, free of any Windows call.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/VersionInfo.h"

namespace dovra {

// The text after the program's own name, without the blanks around it.
std::wstring ArgumentText(std::wstring_view commandLine);

// The ExitWindowsEx flag word the argument text names, or nothing when the
// usage box is due. The whole text is compared after upper-casing.
std::optional<std::uint32_t> OptionFlags(std::wstring_view argumentText);

std::wstring UsageText(const core::VersionValues& version);

}  // namespace dovra
