#pragma once

#include <cstdint>

// Truth values are 16-bit: true is -1, false is 0, and flags are tested against -1 exactly.
namespace flag {
inline constexpr std::int16_t True = -1;
inline constexpr std::int16_t False = 0;
} // namespace flag
