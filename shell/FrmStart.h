#pragma once

#include "shell/layer/CommandButton.h"
#include "shell/layer/Form.h"

#include <cstdint>

// The start window: a black window with "New Game" and "Exit" at its foot.
class FrmStart : public Form {
public:
    FrmStart();

    void cmdNew_Click();
    void cmdExit_Click();
    void Form_Unload(std::int16_t &Cancel) override;

    CommandButton cmdNew;
    CommandButton cmdExit;
};

FrmStart &frmStart();
