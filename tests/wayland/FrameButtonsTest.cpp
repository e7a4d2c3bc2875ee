// The game in a Wayland session, where the toolkit draws the window frame with
// its own minimise and maximise buttons. Pressing them asks for the same window
// states as below; the game must run on with its windows as designed.
#include "support/GameTest.h"
#include "shell/layer/qt/Toolkit.h"

#include "shell/FrmStart.h"

#include <QTest>
#include <QWidget>
#include <QWindow>

using FrameButtonsTest = GameTest;

TEST_F(FrameButtonsTest, MaximiseAndMinimiseLeaveTheGameRunning)
{
    FrmMain &play = newGame();
    for (Form *form : {static_cast<Form *>(&frmStart()), static_cast<Form *>(&play)}) {
        QWidget *widget = toolkit::widget(*form);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(widget, scaledMs(5000)));
        const QSize designed = widget->size();
        for (const Qt::WindowState state : {Qt::WindowMaximized, Qt::WindowNoState, Qt::WindowMinimized,
                                            Qt::WindowNoState}) {
            widget->windowHandle()->setWindowState(state);
            QTest::qWait(scaledMs(500)); // time for the compositor to act on it; then the game puts it back
            EXPECT_TRUE(QTest::qWaitFor([&] { return widget->size() == designed; }, scaledMs(5000)))
                << state << ": " << widget->width() << " x " << widget->height();
            EXPECT_FALSE(program::ended()) << state;
        }
    }
    const float top = play.shpBall.Top();
    EXPECT_TRUE(QTest::qWaitFor([&] { return play.shpBall.Top() != top; }, scaledMs(5000))) << "the ball stopped";
}
