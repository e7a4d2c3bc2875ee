// The layer's controls on a real X display with a screen reader's bus listening:
// what changes at run time reaches the screen and the screen reader.
#include "support/GameTest.h"
#include "support/ScreenGrab.h"

#include "shell/layer/KeyCodes.h"
#include "shell/layer/qt/FormAccessible.h"
#include "shell/layer/qt/Toolkit.h"

#include <QAccessible>
#include <QTest>

#include <string>
#include <vector>

namespace {

std::vector<std::string> greyedOrEnabled; // the names whose enabled state a screen reader was told of
std::vector<std::string> notices;         // the notices it was told, in order

void heard(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::StateChanged
        && static_cast<QAccessibleStateChangeEvent *>(event)->changedStates().disabled)
        greyedOrEnabled.push_back(event->accessibleInterface()->text(QAccessible::Name).toStdString());
    if (event->type() == QAccessible::NameChanged && event->accessibleInterface()->role() == QAccessible::Notification)
        notices.push_back(event->accessibleInterface()->text(QAccessible::Name).toStdString());
}

using LiveAccessibleTest = GameTest;

} // namespace

TEST_F(LiveAccessibleTest, AWindowlessControlGreyedAtRunTimeShowsGreyAndTellsTheScreenReader)
{
    ASSERT_TRUE(QTest::qWaitFor([] { return QAccessible::isActive(); }, scaledMs(5000))) << "no screen reader's bus";
    FormAccessible::install();
    FrmMain &window = newGame();
    window.tmrBonus.setEnabled(false); // no caption changes that would paint the panel anyway
    QWidget *widget = toolkit::widget(window);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget, scaledMs(5000)));
    const QRect label = toolkit::rect(window.lblLevel.pixelRect());
    const auto shows = [&](QRgb colour) {
        const QImage seen = grabScreen(QRect(widget->mapToGlobal(label.topLeft()), label.size()));
        for (int y = 0; y < seen.height(); ++y)
            for (int x = 0; x < seen.width(); ++x)
                if ((seen.pixel(x, y) & 0xFFFFFFu) == colour)
                    return true;
        return false;
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return shows(0x000000); }, scaledMs(5000))) << "the level's caption is not black";

    QAccessible::installUpdateHandler(heard);
    window.lblLevel.setEnabled(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return shows(0x808080) && !shows(0x000000); }, scaledMs(5000)))
        << "the caption did not turn grey on the screen";
    window.lblLevel.setEnabled(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return shows(0x000000); }, scaledMs(5000))) << "the caption did not turn black again";
    QAccessible::installUpdateHandler(nullptr);
    EXPECT_EQ(greyedOrEnabled, (std::vector<std::string>{"Level: 1", "Level: 1"}));
}

// Each pause and resume is said, and the end of the bonus once: not again at the
// bonus tick that a pause after the end brings, as a player would at every pause.
TEST_F(LiveAccessibleTest, PausesAndTheEndOfTheBonusAreSaidOnceEach)
{
    ASSERT_TRUE(QTest::qWaitFor([] { return QAccessible::isActive(); }, scaledMs(5000))) << "no screen reader's bus";
    FormAccessible::install();
    FrmMain &window = newGame();
    QAccessible::installUpdateHandler(heard);
    keyDown(window, vk::Space);
    keyDown(window, vk::Space);
    while (window.tmrBonus.Enabled())
        window.tmrBonus_Timer();
    keyDown(window, vk::Space); // paused after the end: the bonus timer runs again
    ASSERT_TRUE(window.tmrBonus.Enabled());
    window.tmrBonus_Timer();
    ASSERT_FALSE(window.tmrBonus.Enabled());
    keyDown(window, vk::Space);
    QAccessible::installUpdateHandler(nullptr);
    EXPECT_EQ(notices, (std::vector<std::string>{"Paused", "Resumed", "No bonus left", "Paused", "Resumed"}));
}
