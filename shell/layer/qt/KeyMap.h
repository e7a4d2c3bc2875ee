#pragma once

#include <cstdint>

// The virtual-key code of a toolkit key (letters as their upper-case character
// codes, digits as theirs); 0 for a key that has none.
std::int16_t virtualKey(int toolkitKey);
// The shift state of the toolkit's modifier flags.
std::int16_t shiftState(int toolkitModifiers);
