#include "support/GameTest.h"
#include "shell/layer/qt/Toolkit.h"

#include "shell/layer/KeyCodes.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

using KeysTest = PlayWindowTest;

TEST_F(KeysTest, ArrowsSetTheirHeldFlagsWhateverTheShiftState)
{
    keyDown(*window, vk::Left, shiftMask::Shift);
    EXPECT_EQ(window->blnLeftHeld, flag::True);
    EXPECT_EQ(window->blnRightHeld, flag::False);
    keyDown(*window, vk::Right, shiftMask::Ctrl | shiftMask::Alt);
    EXPECT_EQ(window->blnRightHeld, flag::True);
    keyDown(*window, vk::Left); // a repeated key-down sets it again
    EXPECT_EQ(window->blnLeftHeld, flag::True);
}

TEST_F(KeysTest, AnyKeyUpClearsBothFlags)
{
    for (const std::int16_t key : {vk::Left, vk::Right, vk::Space, std::int16_t{'A'}, std::int16_t{0}}) {
        keyDown(*window, vk::Left);
        keyDown(*window, vk::Right);
        keyUp(*window, key);
        EXPECT_EQ(window->blnLeftHeld, flag::False) << key;
        EXPECT_EQ(window->blnRightHeld, flag::False) << key;
    }
}

TEST_F(KeysTest, AnotherKeysReleaseStopsTheSteeringWhileAnArrowIsHeld)
{
    keyDown(*window, vk::Left);
    keyDown(*window, 'A');
    keyUp(*window, 'A');
    window->tmrBall_Timer();
    EXPECT_EQ(window->shpBall.Left(), 480);
    // The held key's next repeat steers again, flagged as a repeat as the toolkit delivers it under Wayland.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(toolkit::widget(*window), &repeat);
    window->tmrBall_Timer();
    EXPECT_EQ(window->shpBall.Left(), 380);
}

TEST_F(KeysTest, OtherKeysDoNothingOnKeyDown)
{
    for (const std::int16_t key : {std::int16_t{'A'}, vk::Up, vk::Down, vk::Return, std::int16_t{0}})
        keyDown(*window, key, shiftMask::Ctrl);
    EXPECT_EQ(window->blnLeftHeld, flag::False);
    EXPECT_EQ(window->blnRightHeld, flag::False);
    EXPECT_TRUE(window->tmrBall.Enabled());
    EXPECT_TRUE(window->tmrBonus.Enabled());
    EXPECT_FALSE(program::ended());
}

TEST_F(KeysTest, SpacePausesAndResumesBothTimers)
{
    keyDown(*window, vk::Space, shiftMask::Ctrl);
    EXPECT_FALSE(window->tmrBall.Enabled());
    EXPECT_FALSE(window->tmrBonus.Enabled());
    EXPECT_FALSE(window->tmrBall.isRunning());
    keyDown(*window, vk::Space);
    EXPECT_TRUE(window->tmrBall.Enabled());
    EXPECT_TRUE(window->tmrBonus.Enabled());
    EXPECT_TRUE(window->tmrBall.isRunning());
}

TEST_F(KeysTest, SpaceFlipsEachTimerFromItsOwnState)
{
    window->tmrBonus.setEnabled(false); // the bonus has run out
    keyDown(*window, vk::Space);
    EXPECT_FALSE(window->tmrBall.Enabled());
    EXPECT_TRUE(window->tmrBonus.Enabled());
}

TEST_F(KeysTest, SpaceAfterTheBonusRanOutShowsZeroStill)
{
    for (int i = 0; i < 40; ++i)
        window->tmrBonus_Timer();
    ASSERT_FALSE(window->tmrBonus.Enabled());
    keyDown(*window, vk::Space); // pauses the ball, starts the bonus timer
    EXPECT_FALSE(window->tmrBall.Enabled());
    EXPECT_TRUE(window->tmrBonus.Enabled());
    window->tmrBonus_Timer();
    EXPECT_EQ(window->intBonus, 0);
    EXPECT_EQ(window->lblBonus.Caption(), "Bonus:\r\n0");
    EXPECT_FALSE(window->tmrBonus.Enabled());
}

TEST_F(KeysTest, APauseKeepsTheStepAndTheFlags)
{
    keyDown(*window, vk::Right);
    window->intBallStep = -100;
    keyDown(*window, vk::Space);
    EXPECT_EQ(window->intBallStep, -100);
    EXPECT_EQ(window->blnRightHeld, flag::True);
}

TEST_F(KeysTest, LosingTheActiveWindowLetsGoOfTheArrowsAndNothingElse)
{
    for (const bool paused : {false, true}) {
        if (paused)
            keyDown(*window, vk::Space);
        keyDown(*window, vk::Left);
        keyDown(*window, vk::Right);
        QEvent deactivate(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(toolkit::widget(*window), &deactivate);
        EXPECT_EQ(window->blnLeftHeld, flag::False) << paused;
        EXPECT_EQ(window->blnRightHeld, flag::False) << paused;
        EXPECT_EQ(window->tmrBall.Enabled(), !paused);
        EXPECT_EQ(window->tmrBonus.Enabled(), !paused);
        EXPECT_EQ(window->intBallStep, 100);
    }
    EXPECT_FALSE(program::ended());
}
