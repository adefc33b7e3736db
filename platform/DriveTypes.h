#pragma once
// GetDriveType's answers that the callers look at, written once for the two
// ways the launcher asks (the Windows build checks them against <windows.h>).
#include <cstdint>

namespace platform {

inline constexpr std::uint32_t kDriveNoRootDir = 1;
inline constexpr std::uint32_t kDriveRemovable = 2;
inline constexpr std::uint32_t kDriveFixed = 3;
inline constexpr std::uint32_t kDriveRemote = 4;
inline constexpr std::uint32_t kDriveCdRom = 5;

}  // namespace platform
