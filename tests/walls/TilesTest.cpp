#include "support/GameTest.h"

#include "walls/FrmPics.h"
#include "walls/TileKinds.h"

#include <QImage>

namespace {

constexpr long darkRed = 0x800000, white = 0xFFFFFF, black = 0x000000, blue = 0x0000FF, green = 0x00FF00,
               yellow = 0xFFFF00, magenta = 0xFF00FF;

class TilesTest : public GameTest {
protected:
    static long at(PictureBox &box, int x, int y) { return pixelAt(box.hDC(), x, y); }

    // The dark red frame: rows 0-3 and 32-35, columns 0-3 and 68-71, away from the rounded corners.
    static void expectFrame(PictureBox &box)
    {
        for (int x = 8; x <= 63; ++x)
            for (int y : {0, 3, 32, 35})
                EXPECT_EQ(at(box, x, y), darkRed) << x << "," << y;
        for (int y = 7; y <= 28; ++y)
            for (int x : {0, 3, 68, 71})
                EXPECT_EQ(at(box, x, y), darkRed) << x << "," << y;
        // The outer corners are rounded off by black, the inner ones by the frame colour.
        EXPECT_EQ(at(box, 0, 0), black);
        EXPECT_EQ(at(box, 7, 0), black);
        EXPECT_EQ(at(box, 0, 6), black);
        EXPECT_EQ(at(box, 71, 35), black);
        EXPECT_EQ(at(box, 64, 35), black);
        EXPECT_EQ(at(box, 4, 4), darkRed);
        EXPECT_EQ(at(box, 67, 31), darkRed);
    }

    static void expectArea(PictureBox &box, int left, int top, int right, int bottom, long colour)
    {
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x)
                EXPECT_EQ(at(box, x, y), colour) << x << "," << y;
    }
};

} // namespace

TEST_F(TilesTest, EveryTileIs72By36AndItsBoxAddsTheBorder)
{
    FrmPics &pics = frmPics();
    for (const TileKind &tile : tileKinds) {
        PictureBox &box = pics.*tile.box;
        EXPECT_EQ(box.GetPicture().width(), 72) << tile.name;
        EXPECT_EQ(box.GetPicture().height(), 36) << tile.name;
        EXPECT_EQ(box.Width(), 1140) << tile.name;
        EXPECT_EQ(box.Height(), 600) << tile.name;
        EXPECT_EQ(&TileFor(std::string(tile.name)), &box);
    }
    EXPECT_FALSE(pics.isVisible());
}

TEST_F(TilesTest, PlainTilesAreFramedWithOneColourInside)
{
    FrmPics &pics = frmPics();
    const std::pair<PictureBox *, long> plain[] = {{&pics.picBlankWall, white}, {&pics.picWall01, blue},
                                                   {&pics.picWall02, green},    {&pics.picWall03, yellow},
                                                   {&pics.picWall04, magenta}};
    for (const auto &[box, colour] : plain) {
        expectFrame(*box);
        expectArea(*box, 6, 6, 65, 29, colour);
    }
}

TEST_F(TilesTest, SplitTilesHaveABarWithColourLeftAndWhiteRight)
{
    FrmPics &pics = frmPics();
    const std::pair<PictureBox *, long> split[] = {{&pics.picChWall01, blue}, {&pics.picChWall02, green},
                                                   {&pics.picChWall03, yellow}, {&pics.picChWall04, magenta}};
    for (const auto &[box, colour] : split) {
        expectFrame(*box);
        expectArea(*box, 6, 6, 33, 29, colour);
        expectArea(*box, 34, 4, 37, 31, darkRed);
        expectArea(*box, 38, 6, 65, 29, white);
    }
}

TEST_F(TilesTest, TheFullWallIsACheckerboardWithItsTopLeftSquareWhite)
{
    PictureBox &box = frmPics().picFullWall;
    expectFrame(box);
    EXPECT_EQ(at(box, 6, 6), white);   // the narrow first column of squares, x 4 to 7
    EXPECT_EQ(at(box, 7, 9), white);
    EXPECT_EQ(at(box, 8, 6), black);   // an edge at x = 8
    EXPECT_EQ(at(box, 13, 9), black);
    EXPECT_EQ(at(box, 14, 9), white);  // and at x = 14
    EXPECT_EQ(at(box, 6, 10), black);  // an edge at y = 10
    EXPECT_EQ(at(box, 8, 10), white);
    EXPECT_EQ(at(box, 20, 28), black); // column 3, row 4
    EXPECT_EQ(at(box, 67, 28), white); // column 10, the last and narrow one, row 4
}

TEST_F(TilesTest, TheSpikeWallIsAWhiteRoundedRectangleCrossedInBlue)
{
    PictureBox &box = frmPics().picSpikeWall;
    EXPECT_EQ(at(box, 0, 0), black);
    EXPECT_EQ(at(box, 3, 10), black);
    EXPECT_EQ(at(box, 4, 4), black); // a rounded corner
    expectArea(box, 8, 8, 30, 14, white);
    expectArea(box, 0, 16, 71, 19, blue);
    expectArea(box, 34, 0, 37, 35, blue);
    EXPECT_EQ(at(box, 33, 0), black);
    EXPECT_EQ(at(box, 0, 20), black);
}

TEST_F(TilesTest, KindsAreMatchedWholeAndCaseSensitively)
{
    FrmPics &pics = frmPics();
    EXPECT_EQ(&TileFor("wall03"), &pics.picWall03);
    EXPECT_EQ(&TileFor("Wall03"), &pics.picBlankWall);
    EXPECT_EQ(&TileFor("Chwall03"), &pics.picChWall03);
    EXPECT_EQ(&TileFor("ChWall03"), &pics.picBlankWall);
    EXPECT_EQ(&TileFor("Wall01"), &pics.picWall01);
    EXPECT_EQ(&TileFor("wall01"), &pics.picBlankWall);
    EXPECT_EQ(&TileFor("Wall01 "), &pics.picBlankWall);
    EXPECT_EQ(&TileFor(""), &pics.picBlankWall);
    EXPECT_EQ(&TileFor("SpikeWall"), &pics.picSpikeWall);
    EXPECT_EQ(&TileFor("FullWall"), &pics.picFullWall);
    EXPECT_EQ(&TileFor(std::string("Wall01\0", 7)), &pics.picBlankWall);
}
