#pragma once

#include <array>
#include <string_view>

// The tile kinds, listed once for the game and for tools/tilegen: the name a level
// file gives each, matched whole, exactly and case-sensitively ("wall03" and
// "Chwall03" are spelt so), and the file of its picture in assets/, which the build
// puts into the program under :/tiles/.
struct TileName {
    std::string_view kind;
    std::string_view picture;
};

inline constexpr std::array<TileName, 11> tileNames{{
    {"BlankWall", "BlankWall.png"},
    {"SpikeWall", "SpikeWall.png"},
    {"Wall01", "Wall01.png"},
    {"Wall02", "Wall02.png"},
    {"wall03", "Wall03.png"},
    {"Wall04", "Wall04.png"},
    {"ChWall01", "ChWall01.png"},
    {"ChWall02", "ChWall02.png"},
    {"Chwall03", "ChWall03.png"},
    {"ChWall04", "ChWall04.png"},
    {"FullWall", "FullWall.png"},
}};
