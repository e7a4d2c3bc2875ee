#include "support/GameTest.h"

#include "shell/layer/KeyCodes.h"

#include <QElapsedTimer>
#include <QTest>

using BonusTest = PlayWindowTest;

TEST_F(BonusTest, CountsDownOncePerTickAndStopsItsTimerAtZero)
{
    window->tmrBonus_Timer();
    EXPECT_EQ(window->lblBonus.Caption(), "Bonus:\r\n39");
    for (int i = 2; i <= 39; ++i)
        window->tmrBonus_Timer();
    EXPECT_EQ(window->lblBonus.Caption(), "Bonus:\r\n1");
    EXPECT_TRUE(window->tmrBonus.Enabled());
    window->tmrBonus_Timer();
    EXPECT_EQ(window->lblBonus.Caption(), "Bonus:\r\n0");
    EXPECT_EQ(window->intBonus, 0);
    EXPECT_FALSE(window->tmrBonus.Enabled());
    EXPECT_TRUE(window->tmrBall.Enabled()); // the ball runs on
}

TEST_F(BonusTest, NeverFallsBelowZeroWhateverTheSpaces)
{
    for (int i = 0; i < 200; ++i) {
        if (window->tmrBonus.Enabled())
            window->tmrBonus_Timer();
        if (i % 3 == 0)
            keyDown(*window, vk::Space);
        ASSERT_GE(window->intBonus, 0);
        ASSERT_LE(window->intBonus, 40);
    }
    EXPECT_EQ(window->intBonus, 0);
    EXPECT_EQ(window->lblBonus.Caption(), "Bonus:\r\n0");
}

TEST_F(BonusTest, OtherCountersStayAsTheyWereWhenItRunsOut)
{
    for (int i = 0; i < 45; ++i)
        window->tmrBonus_Timer();
    EXPECT_EQ(window->lblLevel.Caption(), "Level:\r\n1");
    EXPECT_EQ(window->lblLives.Caption(), "Lives:\r\n4");
    EXPECT_EQ(window->lblScore.Caption(), "Score:\r\n0");
}

// The game's own timer, on the clock: two counts take at least two seconds, however
// slow the machine (a slower one only makes them later).
TEST_F(BonusTest, CountsNoSoonerThanOnceASecond)
{
    window->tmrBonus.setEnabled(false);
    QElapsedTimer clock;
    clock.start();
    window->tmrBonus.setEnabled(true);
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->intBonus <= 38; }, scaledMs(10000)));
    EXPECT_EQ(window->intBonus, 38);
    EXPECT_GE(clock.elapsed(), 1990);
}
