#include "support/GameTest.h"

using MotionTest = PlayWindowTest;

TEST_F(MotionTest, TheBallRunsDownTurnsBelowTheWindowAndRunsBetweenMinus20And7480)
{
    ticks(57);
    EXPECT_EQ(window->shpBall.Top(), 7380);
    EXPECT_EQ(window->intBallStep, 100);
    ticks(1); // the 58th tick passes the turn line of 7425
    EXPECT_EQ(window->shpBall.Top(), 7480);
    EXPECT_EQ(window->intBallStep, -100);
    ticks(75);
    EXPECT_EQ(window->shpBall.Top(), -20);
    EXPECT_EQ(window->intBallStep, 100);
    ticks(75);
    EXPECT_EQ(window->shpBall.Top(), 7480);
    EXPECT_EQ(window->intBallStep, -100);
    EXPECT_EQ(window->shpBall.Left(), 480); // no sideways motion without keys
}

TEST_F(MotionTest, HeldRightStopsWhereTheBallMeetsThePanel)
{
    window->blnRightHeld = flag::True;
    ticks(72);
    EXPECT_EQ(window->shpBall.Left(), 7680);
    ticks(1); // 7780 is clamped to the limit 10240 - 255 - 2295
    EXPECT_EQ(window->shpBall.Left(), 7690);
    ticks(5);
    EXPECT_EQ(window->shpBall.Left(), 7690);
    EXPECT_EQ(window->shpBall.Left() + window->shpBall.Width(), window->lblStatus.Left());
}

TEST_F(MotionTest, HeldLeftStopsAtTheLeftEdge)
{
    window->blnLeftHeld = flag::True;
    window->shpBall.setLeft(50);
    ticks(1);
    EXPECT_EQ(window->shpBall.Left(), 0);
    ticks(1);
    EXPECT_EQ(window->shpBall.Left(), 0);
}

TEST_F(MotionTest, BothArrowsHeldMoveTheBallNowhereSideways)
{
    window->blnLeftHeld = flag::True;
    window->blnRightHeld = flag::True;
    ticks(10);
    EXPECT_EQ(window->shpBall.Left(), 480);
}

TEST_F(MotionTest, OnlyATrueFlagSteers)
{
    window->blnRightHeld = 1;
    ticks(3);
    EXPECT_EQ(window->shpBall.Left(), 480);
}

TEST_F(MotionTest, LandingExactlyOnATurnLineTurns)
{
    window->shpBall.setTop(100);
    window->intBallStep = -100;
    ticks(1);
    EXPECT_EQ(window->shpBall.Top(), 0);
    EXPECT_EQ(window->intBallStep, 100);

    window->shpBall.setTop(7325);
    ticks(1);
    EXPECT_EQ(window->shpBall.Top(), 7425);
    EXPECT_EQ(window->intBallStep, -100);
}

TEST_F(MotionTest, AWindowTooShortForTheBallEndsWithTheStepUp)
{
    window->setHeight(200); // the turn line, -55, lies above the top
    window->shpBall.setTop(50);
    window->intBallStep = -100;
    ticks(1);
    EXPECT_EQ(window->shpBall.Top(), -50);
    EXPECT_EQ(window->intBallStep, -100);
}

TEST_F(MotionTest, APlayAreaNarrowerThanTheBallLeavesItAtTheRightLimit)
{
    window->setWidth(2400); // right limit 2400 - 255 - 2295 = -150
    ticks(1);
    EXPECT_EQ(window->shpBall.Left(), -150);
}

TEST_F(MotionTest, TheTurnsChangeTheStepButNeverMoveTheBallBack)
{
    window->shpBall.setTop(7470);
    ticks(1);
    EXPECT_EQ(window->shpBall.Top(), 7570);
    EXPECT_EQ(window->intBallStep, -100);
    ticks(1);
    EXPECT_EQ(window->shpBall.Top(), 7470);
}
