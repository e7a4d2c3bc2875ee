#include "support/GameTest.h"

namespace {

class CollisionTest : public GameTest {
protected:
    FrmMain &play(const std::vector<Record> &records)
    {
        writeRecords(records);
        return loadPlayWindow();
    }

    static void ticks(FrmMain &window, int count)
    {
        for (int i = 0; i < count; ++i)
            window.tmrBall_Timer();
    }
};

} // namespace

TEST_F(CollisionTest, TheBallMissesAWallFourTicksAndHitsItOnTheFifth)
{
    FrmMain &window = play({{1, 5, "Wall01"}});
    ASSERT_EQ(window.WallRects(1), (RECT{0, 2400, 1140, 3000}));
    const long before = window.refreshCount();
    ticks(window, 4);
    EXPECT_EQ(window.shpBall.Top(), 2080);
    EXPECT_EQ(window.BallRect, (RECT{480, 2080, 735, 2335}));
    EXPECT_EQ(window.Walls(1).Alive, flag::True);
    ticks(window, 1);
    EXPECT_EQ(window.BallRect, (RECT{480, 2180, 735, 2435}));
    EXPECT_EQ(window.Walls(1).Alive, flag::False);
    EXPECT_EQ(window.intBallStep, -100);
    EXPECT_EQ(window.refreshCount(), before + 1);
    EXPECT_EQ(pixelAt(window.hDC(), 20, 178), -1); // gone from the screen too
}

TEST_F(CollisionTest, EdgesThatOnlyTouchAreNoHit)
{
    FrmMain &window = play({{1, 5, "Wall01"}});
    window.shpBall.setTop(2045); // the tick brings the bottom edge to 2400, the wall's top
    ticks(window, 1);
    EXPECT_EQ(window.BallRect.bottom, 2400);
    EXPECT_EQ(window.Walls(1).Alive, flag::True);
    EXPECT_EQ(window.intBallStep, 100);

    window.shpBall.setLeft(1140); // left edge on the wall's right edge
    ticks(window, 2);
    EXPECT_EQ(window.Walls(1).Alive, flag::True);
}

TEST_F(CollisionTest, AnOverlapOfOneTwipIsAHit)
{
    FrmMain &window = play({{2, 5, "Wall01"}}); // 1140, 2400, 2280, 3000
    window.shpBall.setLeft(886);                  // right edge 1141
    window.shpBall.setTop(2046);                  // after the tick, bottom edge 2401
    ticks(window, 1);
    EXPECT_EQ(window.Walls(1).Alive, flag::False);
    EXPECT_EQ(window.intBallStep, -100);
}

TEST_F(CollisionTest, EachWallHitInOneTickTurnsTheBallAndRedrawsOnce)
{
    FrmMain &window = play({{1, 5, "Wall01"}, {1, 5, "Wall02"}});
    window.shpBall.setTop(2080);
    const long before = window.refreshCount();
    ticks(window, 1);
    EXPECT_EQ(window.Walls(1).Alive, flag::False);
    EXPECT_EQ(window.Walls(2).Alive, flag::False);
    EXPECT_EQ(window.intBallStep, 100); // two turns: as it was
    EXPECT_EQ(window.refreshCount(), before + 2);
}

TEST_F(CollisionTest, ThreeWallsInOneTickTurnTheBall)
{
    FrmMain &window = play({{1, 5, "Wall01"}, {1, 5, "Wall02"}, {1, 5, "Wall04"}});
    window.shpBall.setTop(2080);
    const long before = window.refreshCount();
    ticks(window, 1);
    EXPECT_EQ(window.intBallStep, -100);
    EXPECT_EQ(window.refreshCount(), before + 3);
}

TEST_F(CollisionTest, ARemovedWallIsNotHitAgain)
{
    FrmMain &window = play({{1, 5, "Wall01"}});
    ticks(window, 5);
    ASSERT_EQ(window.Walls(1).Alive, flag::False);
    window.intBallStep = 100; // push on through the removed wall
    const long before = window.refreshCount();
    ticks(window, 3);
    EXPECT_EQ(window.intBallStep, 100);
    EXPECT_EQ(window.refreshCount(), before);
    EXPECT_EQ(window.WallRects(1), (RECT{0, 2400, 1140, 3000})); // the rectangle is kept
}

TEST_F(CollisionTest, AnEmptyRectangleIsNeverHit)
{
    FrmMain &window = play({});
    window.Walls(0).Alive = flag::True; // rectangle 0, 0, 0, 0
    window.shpBall.setLeft(-100);
    window.shpBall.setTop(-100);
    window.intBallStep = 0;
    ticks(window, 1);
    EXPECT_EQ(window.Walls(0).Alive, flag::True);
}

TEST_F(CollisionTest, TheBallRectangleRoundsTiesToEven)
{
    FrmMain &window = play({});
    window.shpBall.setLeft(100.5f);
    window.CheckWalls();
    EXPECT_EQ(window.BallRect.left, 100);
    EXPECT_EQ(window.BallRect.right, 356);
}

TEST_F(CollisionTest, AWallAtTheTopTurnsTheBallBackAfterTheEdgeTurn)
{
    FrmMain &window = play({{1, 1, "Wall01"}});
    window.shpBall.setTop(80);
    window.intBallStep = -100;
    ticks(window, 1); // Top -20: the edge turn sets +100, the hit makes it -100
    EXPECT_EQ(window.shpBall.Top(), -20);
    EXPECT_EQ(window.intBallStep, -100);
    EXPECT_EQ(window.Walls(1).Alive, flag::False);
    ticks(window, 1);
    EXPECT_EQ(window.shpBall.Top(), -120);
    EXPECT_EQ(window.intBallStep, 100);
}

TEST_F(CollisionTest, AfterTheLastWallThePlayGoesOnUnchanged)
{
    FrmMain &window = play({{1, 5, "Wall01"}});
    ticks(window, 5);
    for (int x = 0; x < 100; ++x)
        EXPECT_EQ(pixelAt(window.hDC(), x, 170), -1);
    ticks(window, 300);
    EXPECT_GE(window.shpBall.Top(), -20 - 100);
    EXPECT_EQ(window.lblScore.Caption(), "Score:\r\n0");
    EXPECT_EQ(window.lblLives.Caption(), "Lives:\r\n4");
    EXPECT_EQ(window.lblLevel.Caption(), "Level:\r\n1");
    EXPECT_EQ(window.intBonus, 40);
}

TEST_F(CollisionTest, TheLastIndexIsDrawnAndHitLikeAnyOther)
{
    std::vector<Record> records(83, Record{4, 1, "Wall02"}); // out of the ball's way
    records.push_back({1, 5, "Wall01"});                      // the last index, in its path
    FrmMain &window = play(records);
    ASSERT_EQ(window.Walls(FrmMain::lastWall).Alive, flag::True);
    EXPECT_EQ(pixelAt(window.hDC(), 20, 178), 0x0000FF);
    ticks(window, 5);
    EXPECT_EQ(window.Walls(FrmMain::lastWall).Alive, flag::False);
    EXPECT_EQ(window.intBallStep, -100);
    EXPECT_EQ(pixelAt(window.hDC(), 20, 178), -1);
}
