#include "support/GameTest.h"
#include "shell/layer/qt/Toolkit.h"

#include "shell/layer/Program.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace {

class SetUpTest : public GameTest {};

struct Screen {
    int wide, high;
    float width, height;
};

} // namespace

TEST_F(SetUpTest, ThePlayWindowTakesTwoThirdsOfTheScreen)
{
    for (const Screen screen : {Screen{1024, 768, 10240, 7680}, Screen{800, 600, 8000, 6000}}) {
        program::reset();
        program::setScreenPixels(screen.wide, screen.high);
        FrmMain &window = loadPlayWindow();
        EXPECT_EQ(window.Width(), screen.width);
        EXPECT_EQ(window.Height(), screen.height);
        // The client area is the outer size less the frame: 6 pixels across, 32 down.
        EXPECT_EQ(toolkit::widget(window)->width(), qRound(screen.width / twipsPerPixel) - 6);
        EXPECT_EQ(toolkit::widget(window)->height(), qRound(screen.height / twipsPerPixel) - 32);

        // The panel reaches the outer width and height.
        EXPECT_EQ(window.lblStatus.Left(), screen.width - 2295);
        EXPECT_EQ(window.lblStatus.Width(), 2295);
        EXPECT_EQ(window.lblStatus.Height(), screen.height);
        for (const Label *label : {&window.lblBonus, &window.lblLevel, &window.lblLives, &window.lblScore})
            EXPECT_EQ(label->Left(), screen.width - 2295 + 360);
        EXPECT_EQ(window.lblBonus.Top(), 240);
        EXPECT_EQ(window.lblLevel.Top(), 1320);
        EXPECT_EQ(window.lblLives.Top(), 2400);
        EXPECT_EQ(window.lblScore.Top(), 3480);

        // Centred across the panel with its designed width, then sized to the blank tile.
        EXPECT_EQ(window.picCurrWall.Left(), window.lblStatus.Left() + 397.5f);
        EXPECT_EQ(window.picCurrWall.Top(), 4560);
        EXPECT_EQ(window.picCurrWall.Width(), 1140);
        EXPECT_EQ(window.picCurrWall.Height(), 600);
    }
}

TEST_F(SetUpTest, TheCaptionsShowTheStartingCounters)
{
    FrmMain &window = loadPlayWindow();
    EXPECT_EQ(window.lblBonus.Caption(), "Bonus:\r\n40");
    EXPECT_EQ(window.lblLevel.Caption(), "Level:\r\n1");
    EXPECT_EQ(window.lblLives.Caption(), "Lives:\r\n4");
    EXPECT_EQ(window.lblScore.Caption(), "Score:\r\n0");
    EXPECT_EQ(window.intBallStep, 100);
    EXPECT_EQ(window.blnLeftHeld, flag::False);
    EXPECT_EQ(window.blnRightHeld, flag::False);
    EXPECT_EQ(statusCaption("Score:", -12), "Score:\r\n-12");
}

TEST_F(SetUpTest, TheBallStartsAtItsDesignedPlaceAndBothTimersRun)
{
    FrmMain &window = loadPlayWindow();
    EXPECT_EQ(window.shpBall.Left(), 480);
    EXPECT_EQ(window.shpBall.Top(), 1680);
    EXPECT_EQ(window.tmrBall.Interval(), 10);
    EXPECT_EQ(window.tmrBonus.Interval(), 1000);
    EXPECT_TRUE(window.tmrBall.isRunning());
    EXPECT_TRUE(window.tmrBonus.isRunning());
    EXPECT_FALSE(window.isVisible()); // loading does not show it
}

TEST_F(SetUpTest, TheBallIsWhiteAndPassesBehindThePanel)
{
    FrmMain &window = loadPlayWindow();
    const auto centre = [&window] {
        const QImage painted = toolkit::widget(window)->grab().toImage();
        return painted.pixel(toolkit::rect(window.shpBall.pixelRect()).center()) & 0xFFFFFFu;
    };
    EXPECT_EQ(centre(), 0xFFFFFFu);
    // Over a counter label, below its caption, and over the bare panel: the grey shows.
    window.shpBall.setLeft(window.lblBonus.Left() + 600);
    window.shpBall.setTop(window.lblBonus.Top() + 600);
    EXPECT_EQ(centre(), 0xC0C0C0u);
    window.shpBall.setLeft(window.lblStatus.Left() + 60);
    window.shpBall.setTop(6000);
    EXPECT_EQ(centre(), 0xC0C0C0u);
}
