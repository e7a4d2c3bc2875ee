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
    EXPECT_EQ(spokenCaption("Bonus:\r\n40"), "Bonus: 40");
    EXPECT_EQ(spokenCaption("E&xit\nA && B&"), "Exit A & B");
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

namespace {

// Each child of the interface, and theirs, as "role name", indented by depth; each
// child's parent and index are checked on the way.
void describe(const QAccessibleInterface *node, int depth, std::vector<std::string> &lines)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface *child = node->child(i);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(node->indexOfChild(child), i);
        EXPECT_EQ(child->parent(), node);
        const char *role = child->role() == QAccessible::StaticText     ? "label "
                           : child->role() == QAccessible::StatusBar    ? "status bar "
                           : child->role() == QAccessible::Notification ? "notification "
                                                                        : "image ";
        // A label's words reach a screen reader through its text as well as its name.
        if (child->role() == QAccessible::StaticText) {
            QAccessibleTextInterface *words = child->textInterface();
            ASSERT_NE(words, nullptr);
            EXPECT_EQ(words->text(0, words->characterCount()), child->text(QAccessible::Name));
        }
        lines.push_back(std::string(static_cast<std::size_t>(depth) * 2, ' ') + role
                        + child->text(QAccessible::Name).toStdString());
        describe(child, depth + 1, lines);
    }
}

} // namespace

TEST_F(AccessibleTest, ThePlayWindowShowsEachControlByRoleAndNameAndThePointFindsTheFrontOne)
{
    EXPECT_EQ(tree->role(), QAccessible::Window);
    EXPECT_EQ(tree->text(QAccessible::Name).toStdString(), "Zellomar game");
    EXPECT_EQ(tree->text(QAccessible::Description).toStdString(),
              "Left and Right arrows steer the ball, Space pauses and resumes, Escape leaves the game");
    std::vector<std::string> lines;
    describe(tree, 0, lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"image Ball", "status bar Counters", "  label Bonus: 40",
                                               "  label Level: 1", "  label Lives: 4", "  label Score: 0",
                                               "image Current wall"}));
    // The bonus label lies in the panel's status bar, the current-wall box in front of the panel.
    const QPoint bonus = toolkit::widget(*window)->mapToGlobal(toolkit::rect(window->lblBonus.pixelRect()).center());
    QAccessibleInterface *panel = tree->childAt(bonus.x(), bonus.y());
    EXPECT_EQ(panel->text(QAccessible::Name).toStdString(), "Counters");
    EXPECT_EQ(panel->childAt(bonus.x(), bonus.y())->text(QAccessible::Name).toStdString(), "Bonus: 40");
    const QPoint box = toolkit::widget(*window)->mapToGlobal(toolkit::rect(window->picCurrWall.pixelRect()).center());
    EXPECT_EQ(tree->childAt(box.x(), box.y())->text(QAccessible::Name).toStdString(), "Current wall");
}

TEST_F(AccessibleTest, ANoticeIsTheWindowsLastChildWithTheLatestMessage)
{
    FormAccessible::announce(toolkit::widget(*window), QStringLiteral("Paused"));
    FormAccessible::announce(toolkit::widget(*window), QStringLiteral("Resumed"));
    std::vector<std::string> lines;
    describe(tree, 0, lines);
    ASSERT_EQ(lines.size(), 8U);
    EXPECT_EQ(lines.back(), "notification Resumed");
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
