#pragma once

#include <string>

class PictureBox;

// The tile box for a wall's kind: the names are matched whole, exactly and
// case-sensitively ("wall03" and "Chwall03" are spelt so); any other kind,
// the empty one included, gets the blank tile.
PictureBox &TileFor(const std::string &kind);
