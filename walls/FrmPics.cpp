#include "FrmPics.h"

#include "shell/Program.h"

namespace {

// Boxes of 76 x 40 pixels (the tile and its border), laid out in a column.
TwipRect slot(int index)
{
    return {0.0f, static_cast<float>(index * 600), 1140.0f, 600.0f};
}

} // namespace

FrmPics::FrmPics()
    : Form({"Zellomar", 1140.0f, 6600.0f, colour::black, Frame::FixedTool}),
      picBlankWall(*this, slot(0), true, true),
      picSpikeWall(*this, slot(1), true, true),
      picWall01(*this, slot(2), true, true),
      picWall02(*this, slot(3), true, true),
      picWall03(*this, slot(4), true, true),
      picWall04(*this, slot(5), true, true),
      picChWall01(*this, slot(6), true, true),
      picChWall02(*this, slot(7), true, true),
      picChWall03(*this, slot(8), true, true),
      picChWall04(*this, slot(9), true, true),
      picFullWall(*this, slot(10), true, true)
{
    picBlankWall.setPicture(Picture::fromResource(":/tiles/BlankWall.png"));
    picSpikeWall.setPicture(Picture::fromResource(":/tiles/SpikeWall.png"));
    picWall01.setPicture(Picture::fromResource(":/tiles/Wall01.png"));
    picWall02.setPicture(Picture::fromResource(":/tiles/Wall02.png"));
    picWall03.setPicture(Picture::fromResource(":/tiles/Wall03.png"));
    picWall04.setPicture(Picture::fromResource(":/tiles/Wall04.png"));
    picChWall01.setPicture(Picture::fromResource(":/tiles/ChWall01.png"));
    picChWall02.setPicture(Picture::fromResource(":/tiles/ChWall02.png"));
    picChWall03.setPicture(Picture::fromResource(":/tiles/ChWall03.png"));
    picChWall04.setPicture(Picture::fromResource(":/tiles/ChWall04.png"));
    picFullWall.setPicture(Picture::fromResource(":/tiles/FullWall.png"));
}

FrmPics &frmPics()
{
    FrmPics &pics = program::instance<FrmPics>();
    pics.Load();
    return pics;
}
