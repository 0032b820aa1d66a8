#pragma once

#include <cstdint>

// The colour of a picture that is cut away from its window, as 0xRRGGBB.
namespace KeyColour {
inline constexpr std::uint32_t editor = 0xFF0000;
inline constexpr std::uint32_t character = 0x0000FF;
inline constexpr std::uint32_t bubble = 0xFFFFFF;
} // namespace KeyColour
