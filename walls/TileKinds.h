#pragma once

#include "FrmPics.h"
#include "TileNames.h"

#include <array>
#include <string>
#include <string_view>

// A tile kind (its name and picture from tileNames) with its box on the tile window.
struct TileKind {
    std::string_view name;
    PictureBox FrmPics::*box;
    std::string_view picture;
};

extern const std::array<TileKind, tileNames.size()> tileKinds;

// The tile box for a wall's kind; any other kind, the empty one included, gets the blank tile.
PictureBox &TileFor(const std::string &kind);
