#pragma once

#include <cstdint>
#include <vector>

// Pixels as the layer keeps them: rows from the top, each pixel a premultiplied
// 0xAARRGGBB word; 0 is transparent.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;
};
