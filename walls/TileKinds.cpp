#include "TileKinds.h"

const std::array<TileKind, 11> tileKinds{{
    {"BlankWall", &FrmPics::picBlankWall, ":/tiles/BlankWall.png"},
    {"SpikeWall", &FrmPics::picSpikeWall, ":/tiles/SpikeWall.png"},
    {"Wall01", &FrmPics::picWall01, ":/tiles/Wall01.png"},
    {"Wall02", &FrmPics::picWall02, ":/tiles/Wall02.png"},
    {"wall03", &FrmPics::picWall03, ":/tiles/Wall03.png"},
    {"Wall04", &FrmPics::picWall04, ":/tiles/Wall04.png"},
    {"ChWall01", &FrmPics::picChWall01, ":/tiles/ChWall01.png"},
    {"ChWall02", &FrmPics::picChWall02, ":/tiles/ChWall02.png"},
    {"Chwall03", &FrmPics::picChWall03, ":/tiles/ChWall03.png"},
    {"ChWall04", &FrmPics::picChWall04, ":/tiles/ChWall04.png"},
    {"FullWall", &FrmPics::picFullWall, ":/tiles/FullWall.png"},
}};

PictureBox &TileFor(const std::string &kind)
{
    FrmPics &pics = frmPics();
    for (const TileKind &tile : tileKinds)
        if (kind == tile.name)
            return pics.*tile.box;
    return pics.picBlankWall;
}
