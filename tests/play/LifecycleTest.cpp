#include "support/GameTest.h"
#include "shell/layer/qt/Toolkit.h"

#include "shell/FrmStart.h"
#include "shell/layer/Program.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace {

class LifecycleTest : public GameTest {
protected:
    FrmStart &start()
    {
        program::dispatch([] { frmStart().Show(); });
        return frmStart();
    }
};

} // namespace

TEST_F(LifecycleTest, TheStartWindowIsBlackWithTwoButtonsAtItsFoot)
{
    FrmStart &window = start();
    EXPECT_EQ(toolkit::widget(window)->width(), 423);
    EXPECT_EQ(toolkit::widget(window)->height(), 429);
    EXPECT_EQ(toolkit::widget(window)->windowTitle(), QStringLiteral("Zellomar"));
    const QImage painted = toolkit::widget(window)->grab().toImage();
    for (const QPoint point : {QPoint(0, 0), QPoint(211, 200), QPoint(422, 428), QPoint(200, 350), QPoint(20, 350)})
        EXPECT_EQ(painted.pixel(point), qRgb(0, 0, 0)) << point.x() << "," << point.y();
    EXPECT_EQ(toolkit::widget(window.cmdNew)->text(), QStringLiteral("New &Game"));
    EXPECT_EQ(toolkit::widget(window.cmdExit)->text(), QStringLiteral("E&xit"));
    EXPECT_EQ(toolkit::widget(window.cmdNew)->geometry(), QRect(40, 336, 113, 33));
    EXPECT_EQ(toolkit::widget(window.cmdExit)->geometry(), QRect(312, 336, 65, 33));
    EXPECT_EQ(toolkit::widget(window.cmdNew)->nextInFocusChain(), toolkit::widget(window.cmdExit));
    EXPECT_FALSE(frmMain().isLoaded());
}

TEST_F(LifecycleTest, NewGameOpensThePlayWindowAndLeavesTheStartWindowOpen)
{
    FrmStart &window = start();
    toolkit::widget(window.cmdNew)->click();
    EXPECT_TRUE(frmMain().isLoaded());
    EXPECT_TRUE(frmMain().isVisible());
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(program::ended());
}

TEST_F(LifecycleTest, ASecondNewGameBringsAMinimisedPlayWindowBackAndChangesNothing)
{
    writeRecords({{3, 1, "Wall01"}});
    FrmStart &window = start();
    toolkit::widget(window.cmdNew)->click();
    FrmMain &play = frmMain();
    play.tmrBall_Timer();
    play.tmrBonus_Timer();
    play.Walls(1).Alive = flag::False;
    toolkit::widget(play)->setWindowState(Qt::WindowMinimized);
    toolkit::widget(window.cmdNew)->click();
    EXPECT_FALSE(toolkit::widget(play)->windowState() & Qt::WindowMinimized);
    EXPECT_EQ(play.shpBall.Top(), 1780);
    EXPECT_EQ(play.intBonus, 39);
    EXPECT_EQ(play.lblBonus.Caption(), "Bonus:\r\n39");
    EXPECT_EQ(play.Walls(1).Alive, flag::False);
}

TEST_F(LifecycleTest, AWindowMadeFullScreenOrMaximisedIsPutBackAtItsOwnSize)
{
    FrmMain &play = newGame();
    for (QWidget *widget : {toolkit::widget(frmStart()), toolkit::widget(play)}) {
        const QSize own = widget->size();
        for (const Qt::WindowState state : {Qt::WindowFullScreen, Qt::WindowMaximized}) {
            widget->windowHandle()->setWindowState(state);
            EXPECT_TRUE(QTest::qWaitFor([&] {
                return widget->windowHandle()->windowState() == Qt::WindowNoState && widget->size() == own;
            }, scaledMs(5000))) << state;
        }
    }
}

TEST_F(LifecycleTest, ExitEndsTheProgramWithStatusZero)
{
    toolkit::widget(start().cmdExit)->click();
    EXPECT_TRUE(program::ended());
    EXPECT_EQ(program::exitStatus(), 0);
    EXPECT_FALSE(frmStart().isVisible());
}

TEST_F(LifecycleTest, ExitWhilePlayingDoesNotRunThePlayWindowsUnload)
{
    FrmStart &window = start();
    toolkit::widget(window.cmdNew)->click();
    toolkit::widget(window.cmdExit)->click();
    EXPECT_TRUE(program::ended());
    EXPECT_EQ(program::exitStatus(), 0);
    EXPECT_TRUE(frmMain().isLoaded()); // its unload never ran
    EXPECT_FALSE(frmMain().tmrBall.isRunning());
    EXPECT_FALSE(frmMain().isVisible());
}

TEST_F(LifecycleTest, TheStartWindowsCloseBoxEndsTheProgram)
{
    toolkit::widget(start())->close();
    EXPECT_TRUE(program::ended());
    EXPECT_EQ(program::exitStatus(), 0);
}

TEST_F(LifecycleTest, ThePlayWindowsCloseBoxEndsTheProgram)
{
    FrmMain &play = newGame();
    toolkit::widget(play)->close();
    EXPECT_TRUE(program::ended());
    EXPECT_EQ(program::exitStatus(), 0);
    EXPECT_FALSE(frmStart().isVisible());
}

TEST_F(LifecycleTest, EscapeInThePlayWindowEndsTheProgramEvenWhilePaused)
{
    FrmMain &play = newGame();
    QTest::keyClick(toolkit::widget(play), Qt::Key_Space);
    EXPECT_FALSE(play.tmrBall.Enabled());
    QTest::keyClick(toolkit::widget(play), Qt::Key_Escape);
    EXPECT_TRUE(program::ended());
    EXPECT_EQ(program::exitStatus(), 0);
}

TEST_F(LifecycleTest, AutoRepeatReleasesAreNotKeyUps)
{
    FrmMain &play = newGame();
    QTest::keyPress(toolkit::widget(play), Qt::Key_Left);
    EXPECT_EQ(play.blnLeftHeld, flag::True);
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(toolkit::widget(play), &repeatRelease);
    EXPECT_EQ(play.blnLeftHeld, flag::True);
    QTest::keyRelease(toolkit::widget(play), Qt::Key_Left);
    EXPECT_EQ(play.blnLeftHeld, flag::False);
}

TEST_F(LifecycleTest, AButtonsGreyEdgeIsItsOutermostPixelAtEveryScale)
{
    QPushButton *button = toolkit::widget(start().cmdNew);
    for (const int scale : {1, 2}) {
        QImage image(button->size() * scale, QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::black);
        button->render(&image);
        const int right = image.width() - 1, bottom = image.height() - 1;
        for (const QPoint edge : {QPoint(0, bottom / 2), QPoint(right, bottom / 2), QPoint(right / 2, 0),
                                  QPoint(right / 2, bottom), QPoint(right, bottom)})
            EXPECT_EQ(image.pixel(edge), qRgb(0x80, 0x80, 0x80))
                << "scale " << scale << " at " << edge.x() << "," << edge.y();
    }
}

TEST_F(LifecycleTest, TheButtonsHaveTheirAccessKeys)
{
    FrmStart &window = start();
    EXPECT_EQ(toolkit::widget(window.cmdNew)->shortcut(), QKeySequence(Qt::ALT | Qt::Key_G));
    EXPECT_EQ(toolkit::widget(window.cmdExit)->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
}
