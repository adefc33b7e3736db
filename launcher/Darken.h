#pragma once
// The backdrop's darkening of the frozen screen.
#include <cstdint>
#include <span>

namespace launcher {

// The share of its brightness each pixel keeps, in percent.
inline constexpr int kDarkenedBrightnessPercent = 50;

// Darkens 32-bit pixels (0xAARRGGBB or 0xAABBGGRR alike) in place: each colour
// channel is halved, so every colour keeps its hue on any colour scheme,
// light, dark or high contrast, white becomes mid grey and black stays black.
// One shift and one mask a pixel: a full screen takes about a millisecond.
void Darken(std::span<std::uint32_t> pixels);

}  // namespace launcher
