#include "Game.h"

#include "FrmStart.h"

#include "shell/layer/Program.h"

int runGame(int argc, char **argv)
{
    return program::run(argc, argv, [] {
        FrmStart &start = frmStart();
        start.Show();
        start.cmdNew.SetFocus();
    });
}
