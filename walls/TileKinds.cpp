#include "TileKinds.h"

#include <cstddef>
#include <iterator>

namespace {

// The tile window's boxes, in the order of tileNames.
constexpr PictureBox FrmPics::*boxes[] = {
    &FrmPics::picBlankWall, &FrmPics::picSpikeWall, &FrmPics::picWall01,   &FrmPics::picWall02,
    &FrmPics::picWall03,    &FrmPics::picWall04,    &FrmPics::picChWall01, &FrmPics::picChWall02,
    &FrmPics::picChWall03,  &FrmPics::picChWall04,  &FrmPics::picFullWall,
};
static_assert(std::size(boxes) == tileNames.size(), "one box for each tile kind");

constexpr std::array<TileKind, tileNames.size()> pairedWithBoxes()
{
    std::array<TileKind, tileNames.size()> kinds{};
    for (std::size_t i = 0; i < kinds.size(); ++i)
        kinds[i] = {tileNames[i].kind, boxes[i], tileNames[i].picture};
    return kinds;
}

} // namespace

const std::array<TileKind, tileNames.size()> tileKinds = pairedWithBoxes();

PictureBox &TileFor(const std::string &kind)
{
    FrmPics &pics = frmPics();
    for (const TileKind &tile : tileKinds)
        if (kind == tile.name)
            return pics.*tile.box;
    return pics.picBlankWall;
}
