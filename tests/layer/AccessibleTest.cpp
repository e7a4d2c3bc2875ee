#include "support/GameTest.h"
#include "shell/layer/qt/Toolkit.h"

#include "shell/layer/qt/FormAccessible.h"
#include "shell/layer/qt/WindowlessAccessible.h"

#include <QAccessible>
#include <QPoint>
#include <QWidget>

#include <string>
#include <vector>

TEST(SpokenCaption, ALineBreakIsASpaceAndAccessMarksAreDropped)
{
    EXPECT_EQ(WindowlessAccessible::spokenCaption("Bonus:\r\n40").toStdString(), "Bonus: 40");
    EXPECT_EQ(WindowlessAccessible::spokenCaption("E&xit\nA && B&").toStdString(), "Exit A & B");
}

namespace {

class AccessibleTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        FormAccessible::install();
        window = &newGame();
        tree = QAccessible::queryAccessibleInterface(toolkit::widget(*window));
        ASSERT_NE(tree, nullptr);
    }

    FrmMain *window = nullptr;
    QAccessibleInterface *tree = nullptr;
};

} // namespace

TEST_F(AccessibleTest, ThePlayWindowShowsEachControlByRoleAndNameAndThePointFindsTheFrontOne)
{
    EXPECT_EQ(tree->role(), QAccessible::Window);
    EXPECT_EQ(tree->text(QAccessible::Description).toStdString(),
              "Left and Right arrows steer the ball, Space pauses and resumes, Escape leaves the game");
    std::vector<std::string> children;
    for (int i = 0; i < tree->childCount(); ++i) {
        const QAccessibleInterface *child = tree->child(i);
        children.push_back(std::string(child->role() == QAccessible::StaticText ? "label " : "image ")
                           + child->text(QAccessible::Name).toStdString());
        EXPECT_EQ(tree->indexOfChild(child), i);
    }
    EXPECT_EQ(children, (std::vector<std::string>{"image Ball", "label Status", "label Bonus: 40", "label Level: 1",
                                                  "label Lives: 4", "label Score: 0", "image Current wall"}));
    // The bonus label lies in front of the panel, the current-wall box in front of both.
    const QPoint bonus = toolkit::widget(*window)->mapToGlobal(toolkit::rect(window->lblBonus.pixelRect()).center());
    EXPECT_EQ(tree->childAt(bonus.x(), bonus.y())->text(QAccessible::Name).toStdString(), "Bonus: 40");
    const QPoint box = toolkit::widget(*window)->mapToGlobal(toolkit::rect(window->picCurrWall.pixelRect()).center());
    EXPECT_EQ(tree->childAt(box.x(), box.y())->text(QAccessible::Name).toStdString(), "Current wall");
}

namespace {

// As while a screen reader listens: the toolkit makes accessibles for windows as they are built.
class AccessibleWhileListenedTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        FormAccessible::install();
        QAccessible::setActive(true);
    }
    void TearDown() override
    {
        QAccessible::setActive(false);
        GameTest::TearDown();
    }
};

} // namespace

TEST_F(AccessibleWhileListenedTest, TheCurrentWallBoxIsAPicture)
{
    FrmMain &window = newGame();
    const QAccessibleInterface *tree = QAccessible::queryAccessibleInterface(toolkit::widget(window));
    const QPoint box = toolkit::widget(window)->mapToGlobal(toolkit::rect(window.picCurrWall.pixelRect()).center());
    const QAccessibleInterface *picture = tree->childAt(box.x(), box.y());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->role(), QAccessible::Graphic);
    EXPECT_EQ(picture->text(QAccessible::Name).toStdString(), "Current wall");
}
