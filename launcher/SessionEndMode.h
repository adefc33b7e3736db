#pragma once
// The session-end mode a launcher button asks for: 0 shut down, 1 log off,
// 2 restart, 3 shut down with power off, 4 standby.
#include <cstdint>
#include <optional>

namespace launcher {

inline constexpr std::int32_t kModeShutdown = 0;
inline constexpr std::int32_t kModeLogoff = 1;
inline constexpr std::int32_t kModeRestart = 2;
inline constexpr std::int32_t kModePowerOff = 3;
inline constexpr std::int32_t kModeStandby = 4;

// Button 0 powers off instead when Powerdown is set; the others ignore it.
// Nothing for an index that is not one of the four buttons.
std::optional<std::int32_t> SessionEndMode(int buttonIndex, bool powerdown);

}  // namespace launcher
