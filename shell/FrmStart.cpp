#include "FrmStart.h"

#include "shell/layer/Program.h"
#include "play/FrmMain.h"

namespace {
const FontSpec buttonFont{"Papyrus", 12.0f, true};
} // namespace

FrmStart::FrmStart()
    : Form({"Zellomar", 6345.0f, 6435.0f, colour::black, Frame::FixedSingle}),
      cmdNew(*this, {600, 5040, 1695, 495}, "New &Game", buttonFont, colour::white, [this] { cmdNew_Click(); }),
      cmdExit(*this, {4680, 5040, 975, 495}, "E&xit", buttonFont, colour::white, [this] { cmdExit_Click(); })
{
    setAccessibleName("Zellomar start"); // the title of both windows, told apart for a screen reader
}

void FrmStart::cmdNew_Click()
{
    FrmMain &playWindow = frmMain();
    playWindow.Load();
    playWindow.Show();
}

void FrmStart::cmdExit_Click()
{
    Unload();
}

void FrmStart::Form_Unload(std::int16_t &)
{
    program::End();
}

FrmStart &frmStart()
{
    return program::instance<FrmStart>();
}
