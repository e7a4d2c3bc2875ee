#include "FrmPics.h"

#include "TileKinds.h"

#include "shell/layer/Program.h"

namespace {

// Boxes of 76 x 40 pixels (the tile and its border), laid out in a column.
TwipRect slot(int index)
{
    return {0.0f, static_cast<float>(index * 600), 1140.0f, 600.0f};
}

// Each box takes its tile's size.
constexpr PictureBox::Design tileBox{.enabled = true, .autoSize = true};

} // namespace

FrmPics::FrmPics()
    : Form({"Zellomar", 1140.0f, 6600.0f, colour::black, Frame::FixedTool}),
      picBlankWall(*this, slot(0), tileBox),
      picSpikeWall(*this, slot(1), tileBox),
      picWall01(*this, slot(2), tileBox),
      picWall02(*this, slot(3), tileBox),
      picWall03(*this, slot(4), tileBox),
      picWall04(*this, slot(5), tileBox),
      picChWall01(*this, slot(6), tileBox),
      picChWall02(*this, slot(7), tileBox),
      picChWall03(*this, slot(8), tileBox),
      picChWall04(*this, slot(9), tileBox),
      picFullWall(*this, slot(10), tileBox)
{
    for (const TileKind &tile : tileKinds)
        (this->*tile.box).setPicture(Picture::fromResource(":/tiles/" + std::string(tile.picture)));
}

FrmPics &frmPics()
{
    FrmPics &pics = program::instance<FrmPics>();
    pics.Load();
    return pics;
}
