#pragma once

#include "shell/layer/Truth.h"

#include <cstdint>
#include <string>

// One wall: where it is drawn and how large, in pixels, whether it stands, and its tile kind.
struct WallInfo {
    std::int16_t X = 0;
    std::int16_t Y = 0;
    std::int16_t Width = 0;
    std::int16_t Height = 0;
    std::int16_t Alive = flag::False;
    std::string Kind;
};
