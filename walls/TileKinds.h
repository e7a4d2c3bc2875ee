#pragma once

#include "FrmPics.h"

#include <array>
#include <string>

// A tile kind: the name a level file gives it, matched whole, exactly and
// case-sensitively ("wall03" and "Chwall03" are spelt so), its box on the tile
// window, and its picture among those built into the program.
struct TileKind {
    const char *name;
    PictureBox FrmPics::*box;
    const char *picture;
};

extern const std::array<TileKind, 11> tileKinds;

// The tile box for a wall's kind; any other kind, the empty one included, gets the blank tile.
PictureBox &TileFor(const std::string &kind);
