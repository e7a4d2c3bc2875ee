#pragma once

#include "shell/layer/Form.h"
#include "shell/layer/PictureBox.h"

// The hidden window that holds the eleven tile pictures. It is never shown;
// walls are copied from its boxes' surfaces.
class FrmPics : public Form {
public:
    FrmPics();

    PictureBox picBlankWall;
    PictureBox picSpikeWall;
    PictureBox picWall01;
    PictureBox picWall02;
    PictureBox picWall03;
    PictureBox picWall04;
    PictureBox picChWall01;
    PictureBox picChWall02;
    PictureBox picChWall03;
    PictureBox picChWall04;
    PictureBox picFullWall;
};

// The tile window, created and loaded (hidden) at its first reference.
FrmPics &frmPics();
