#include "TileKinds.h"

#include "FrmPics.h"

#include <array>

namespace {

struct TileKind {
    const char *name;
    PictureBox FrmPics::*box;
};

const std::array<TileKind, 11> tileKinds{{
    {"BlankWall", &FrmPics::picBlankWall},
    {"SpikeWall", &FrmPics::picSpikeWall},
    {"Wall01", &FrmPics::picWall01},
    {"Wall02", &FrmPics::picWall02},
    {"wall03", &FrmPics::picWall03},
    {"Wall04", &FrmPics::picWall04},
    {"ChWall01", &FrmPics::picChWall01},
    {"ChWall02", &FrmPics::picChWall02},
    {"Chwall03", &FrmPics::picChWall03},
    {"ChWall04", &FrmPics::picChWall04},
    {"FullWall", &FrmPics::picFullWall},
}};

} // namespace

PictureBox &TileFor(const std::string &kind)
{
    FrmPics &pics = frmPics();
    for (const TileKind &tile : tileKinds)
        if (kind == tile.name)
            return pics.*tile.box;
    return pics.picBlankWall;
}
