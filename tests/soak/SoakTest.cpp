// An hour of play at 100 ticks a second against the real play window, with a
// seeded stream of keys and bonus ticks between the ball ticks.
#include "support/GameTest.h"
#include "shell/layer/qt/Toolkit.h"

#include <QTest>
#include <QWidget>

#include <malloc.h>
#include <random>

namespace {

// The bytes the program holds from the allocator. Not the resident size: under
// qemu-user, that counts the emulator's own code cache, which grows as it translates.
long heldBytes()
{
    const auto heap = mallinfo2();
    return static_cast<long>(heap.uordblks + heap.hblkhd);
}

class SoakTest : public GameTest {};

} // namespace

TEST_F(SoakTest, AnHourOfRandomPlayKeepsEveryRule)
{
    std::vector<Record> walls;
    for (int row = 1; row <= 14; ++row)
        for (int column = 1; column <= 6; ++column)
            walls.push_back({column, row, row % 2 ? "Wall01" : "FullWall"});
    writeRecords(walls); // the most walls a level holds
    FrmMain &window = newGame();
    QWidget *widget = toolkit::widget(window);
    const float rightLimit = window.Width() - window.shpBall.Width() - window.lblStatus.Width();

    std::mt19937 random(20261207);
    const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Space, Qt::Key_A, Qt::Key_Up, Qt::Key_Shift};
    std::int16_t alive[FrmMain::wallCount];
    for (int i = 0; i <= FrmMain::lastWall; ++i)
        alive[i] = window.Walls(i).Alive;
    [[maybe_unused]] long heldAfterWarmUp = 0; // unread under AddressSanitizer

    for (long tick = 1; tick <= 360000;) {
        // Between ticks: now and then a key goes down or up, and once a second the bonus ticks.
        const auto roll = random() % 1000;
        if (roll < 20)
            QTest::keyPress(widget, keys[random() % std::size(keys)]);
        else if (roll < 35)
            QTest::keyRelease(widget, keys[random() % std::size(keys)]);
        if (random() % 100 == 0 && window.tmrBonus.Enabled())
            window.tmrBonus_Timer();
        if (!window.tmrBall.Enabled())
            continue; // paused: the ball timer does not tick

        window.tmrBall_Timer();
        ASSERT_FALSE(program::ended()) << "tick " << tick;
        ASSERT_GE(window.shpBall.Left(), 0.0f) << "tick " << tick;
        ASSERT_LE(window.shpBall.Left(), rightLimit) << "tick " << tick;
        ASSERT_TRUE(window.intBallStep == 100 || window.intBallStep == -100) << "tick " << tick;
        ASSERT_GE(window.intBonus, 0);
        ASSERT_LE(window.intBonus, 40);
        ASSERT_EQ(window.intLevel, 1);
        ASSERT_EQ(window.intLives, 4);
        ASSERT_EQ(window.intScore, 0);
        for (int i = 0; i <= FrmMain::lastWall; ++i) {
            ASSERT_TRUE(window.Walls(i).Alive == alive[i] || alive[i] == flag::True) << "wall " << i << " came back";
            alive[i] = window.Walls(i).Alive;
        }
        ASSERT_EQ(window.lblBonus.Caption(), statusCaption("Bonus:", window.intBonus));
        ASSERT_EQ(window.lblLevel.Caption(), statusCaption("Level:", window.intLevel));
        ASSERT_EQ(window.lblLives.Caption(), statusCaption("Lives:", window.intLives));
        ASSERT_EQ(window.lblScore.Caption(), statusCaption("Score:", window.intScore));

        if (tick % 1000 == 0)
            widget->repaint(); // paint the window for real now and then
        if (tick == 10000)
            heldAfterWarmUp = heldBytes();
        ++tick;
    }
    int standing = 0;
    for (int i = 0; i <= FrmMain::lastWall; ++i)
        standing += alive[i] == flag::True;
    EXPECT_LT(standing, FrmMain::lastWall) << "the ball never met a wall";
#ifndef __SANITIZE_ADDRESS__ // AddressSanitizer holds freed memory back on purpose
    const long growth = heldBytes() - heldAfterWarmUp;
    EXPECT_LE(growth, 1L << 20) << "memory held grew by " << growth << " bytes";
#endif
}
