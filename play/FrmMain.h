#pragma once

#include "shell/layer/CheckedArray.h"
#include "shell/layer/Form.h"
#include "shell/layer/Label.h"
#include "shell/layer/PictureBox.h"
#include "shell/layer/Rect.h"
#include "shell/layer/Shape.h"
#include "shell/layer/StatusBar.h"
#include "shell/layer/Timer.h"
#include "shell/layer/Truth.h"
#include "walls/WallInfo.h"

#include <cstdint>
#include <string>

// The play window: the black field with the ball and the walls, the grey status
// panel on its right, and all the state of the game.
class FrmMain : public Form {
public:
    static constexpr int wallCount = 85;
    static constexpr int lastWall = wallCount - 1; // a level fills 1 to lastWall; 0 stays gone

    FrmMain();

    // Game state, given its starting values by Form_Load.
    std::int16_t intBallStep = 0;
    std::int16_t blnLeftHeld = flag::False;
    std::int16_t blnRightHeld = flag::False;
    std::int16_t intLevel = 0;
    std::int16_t intLives = 0;
    std::int16_t intScore = 0;
    std::int16_t intBonus = 0;
    CheckedArray<WallInfo, wallCount> Walls;
    CheckedArray<RECT, wallCount> WallRects; // twips, parallel to Walls
    RECT BallRect;

    // Controls, from the back to the front; the current-wall box is a child
    // window and so lies in front of them all, and of the walls.
    Shape shpBall;
    StatusBar lblStatus;
    Label lblBonus;
    Label lblLevel;
    Label lblLives;
    Label lblScore;
    PictureBox picCurrWall;
    Timer tmrBall;
    Timer tmrBonus;

    // Handlers.
    void Form_Load() override;
    void Form_Unload(std::int16_t &Cancel) override;
    void Form_KeyDown(std::int16_t KeyCode, std::int16_t Shift) override;
    void Form_KeyUp(std::int16_t KeyCode, std::int16_t Shift) override;
    void Form_Deactivate() override;
    void tmrBonus_Timer();
    void tmrBall_Timer(); // ball/

    // The walls (walls/) and the collisions (ball/).
    void StartWalls();
    void LoadLevel();
    void DrawWalls();
    void CheckWalls();
};

// A status caption: the title, CR LF, then the counter in decimal.
std::string statusCaption(const char *title, std::int16_t value);

FrmMain &frmMain();
