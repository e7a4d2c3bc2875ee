#pragma once

#include <cstdint>

// A rectangle as the drawing layer takes it: right and bottom lie one past the area.
struct RECT {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    friend bool operator==(const RECT &, const RECT &) = default;
};

// Stores the overlap of a and b in dst and returns non-zero when there is one.
// Rectangles that only share an edge do not overlap; an empty rectangle
// (right <= left or bottom <= top) overlaps nothing, and then dst is emptied.
int IntersectRect(RECT &dst, const RECT &a, const RECT &b);
