#include "support/GameTest.h"

namespace {

constexpr long blue = 0x0000FF, yellow = 0xFFFF00, white = 0xFFFFFF, green = 0x00FF00, darkRed = 0x800000;

class DrawTest : public GameTest {
protected:
    static long at(int x, int y) { return pixelAt(frmMain().hDC(), x, y); }
};

} // namespace

TEST_F(DrawTest, EachWallShowsItsTileAtItsCell)
{
    writeRecords({{3, 1, "Wall01"}, {1, 2, "wall03"}, {2, 3, "Wall03"}, {4, 4, "Chwall03"}});
    loadPlayWindow();
    EXPECT_EQ(at(152 + 20, 18), blue);
    EXPECT_EQ(at(0 + 20, 40 + 18), yellow);
    EXPECT_EQ(at(76 + 20, 80 + 18), white); // no such kind: the blank tile
    EXPECT_EQ(at(228 + 20, 120 + 18), yellow);
    EXPECT_EQ(at(228 + 50, 120 + 18), white);
    EXPECT_EQ(at(152, 18), darkRed); // the tile's frame at the cell's left edge
}

TEST_F(DrawTest, TheStripsBeyondTheTileShowWhatLiesBeneath)
{
    writeRecords({{1, 1, "Wall01"}});
    loadPlayWindow();
    EXPECT_EQ(at(71, 18), darkRed);
    EXPECT_EQ(at(72, 18), -1);
    EXPECT_EQ(at(75, 39), -1);
    EXPECT_EQ(at(20, 36), -1);
}

TEST_F(DrawTest, TheLaterOfTwoWallsOnOneCellIsOnTop)
{
    writeRecords({{2, 2, "Wall01"}, {2, 2, "Wall02"}});
    FrmMain &window = loadPlayWindow();
    EXPECT_EQ(at(76 + 20, 40 + 18), green);
    window.Walls(2).Alive = flag::False;
    window.DrawWalls();
    EXPECT_EQ(at(76 + 20, 40 + 18), blue);
}

TEST_F(DrawTest, RemovedWallsAreNotDrawn)
{
    writeRecords({{1, 1, "Wall01"}, {2, 1, "Wall02"}});
    FrmMain &window = loadPlayWindow();
    window.Walls(1).Alive = flag::False;
    window.DrawWalls();
    EXPECT_EQ(at(20, 18), -1);
    EXPECT_EQ(at(96, 18), green);
    window.Walls(2).Alive = flag::False;
    window.DrawWalls();
    EXPECT_EQ(at(96, 18), -1);
}

TEST_F(DrawTest, OnlyAWallsAliveTrueCounts)
{
    writeRecords({{1, 1, "Wall01"}});
    FrmMain &window = loadPlayWindow();
    window.Walls(1).Alive = 1; // not -1: not standing
    window.DrawWalls();
    EXPECT_EQ(at(20, 18), -1);
}

TEST_F(DrawTest, AWallPartlyOutsideTheWindowShowsItsInsidePart)
{
    writeRecords({{0, 0, "Wall01"}, {1, 0, "Wall02"}});
    loadPlayWindow();
    // Column 0, row 0 lies wholly above and to the left; row 0 of column 1 too.
    for (int x = 0; x < 80; ++x)
        EXPECT_EQ(at(x, 0), -1);
    writeLevel("0.5\r\n1.5\r\nWall02\r\n");
    program::reset();
    program::setFolder(folder());
    loadPlayWindow(); // X = -38, Y = 20
    EXPECT_EQ(at(0, 20), darkRed);
    EXPECT_EQ(at(10, 30), green);
}

TEST_F(DrawTest, TheCurrentWallBoxShowsTheBlankTile)
{
    FrmMain &window = loadPlayWindow();
    EXPECT_EQ(pixelAt(window.picCurrWall.hDC(), 30, 18), white);
    EXPECT_EQ(pixelAt(window.picCurrWall.hDC(), 30, 1), darkRed);
}
