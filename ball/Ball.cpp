// The ball: its motion at each tick and its collisions with the walls.
#include "play/FrmMain.h"
#include "shell/layer/Checked.h"

void FrmMain::tmrBall_Timer()
{
    using checked::single;
    shpBall.setTop(single(shpBall.Top() + static_cast<float>(intBallStep), "ball top"));
    if (shpBall.Top() <= 0.0f)
        intBallStep = 100;
    // The turn line lies below the client area: the ball leaves sight before it turns.
    const float bottomTurn = single(Height() - shpBall.Height(), "ball turn line");
    if (shpBall.Top() >= bottomTurn)
        intBallStep = -100;

    if (blnRightHeld == flag::True)
        shpBall.setLeft(single(shpBall.Left() + 100.0f, "ball left"));
    if (blnLeftHeld == flag::True)
        shpBall.setLeft(single(shpBall.Left() - 100.0f, "ball left"));
    if (shpBall.Left() <= 0.0f)
        shpBall.setLeft(0.0f);
    const auto rightLimit = [this] {
        return single(single(Width() - shpBall.Width(), "ball limit") - lblStatus.Width(), "ball limit");
    };
    if (shpBall.Left() >= rightLimit())
        shpBall.setLeft(rightLimit());

    CheckWalls();
}

void FrmMain::CheckWalls()
{
    using checked::round32;
    using checked::single;
    BallRect.left = round32(shpBall.Left(), "ball rectangle");
    BallRect.top = round32(shpBall.Top(), "ball rectangle");
    BallRect.right = round32(single(shpBall.Left() + shpBall.Width(), "ball rectangle"), "ball rectangle");
    BallRect.bottom = round32(single(shpBall.Top() + shpBall.Height(), "ball rectangle"), "ball rectangle");

    RECT overlap;
    for (int i = 0; i <= lastWall; ++i) {
        if (IntersectRect(overlap, WallRects(i), BallRect) == 0)
            continue;
        if (Walls(i).Alive == flag::True) {
            intBallStep = checked::sub16(0, intBallStep, "ball step");
            Walls(i).Alive = flag::False;
            DrawWalls();
        }
    }
}
