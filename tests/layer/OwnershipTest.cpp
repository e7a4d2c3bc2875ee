#include "support/GameTest.h"
#include "shell/layer/qt/Toolkit.h"

#include "shell/layer/CommandButton.h"
#include "shell/layer/StatusBar.h"
#include "shell/layer/qt/FormAccessible.h"

#include <QAccessible>
#include <QPushButton>
#include <QWidget>

#include <memory>

namespace {

class OwnershipTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        FormAccessible::install();
        // Made after the factory is in: a window that Qt has already given a plain
        // interface (Qt 6.8 does so as the window is made) keeps it.
        form = std::make_unique<Form>(Form::Design{.caption = "Parts", .clientWidth = 3000.0f,
                                                   .clientHeight = 3000.0f, .background = colour::black,
                                                   .frame = Form::Frame::FixedSingle});
    }

    std::unique_ptr<Form> form;
};

} // namespace

TEST_F(OwnershipTest, AControlOrTimerThatGoesBeforeItsFormIsNeverReachedAgain)
{
    StatusBar bar(*form, {0, 0, 3000, 3000}, {.caption = "", .font = {}});
    bar.setAccessibleName("Counters");
    auto part = std::make_unique<Label>(*form, TwipRect{300, 300, 900, 600},
                                        Label::Design{.caption = "Level:\r\n1", .font = {}});
    auto timer = std::make_unique<Timer>(*form, Timer::Design{.interval = 10, .enabled = true}, [] {});
    bar.setParts({part.get()});
    form->Show();
    QAccessibleInterface *tree = QAccessible::queryAccessibleInterface(toolkit::widget(*form));
    ASSERT_EQ(tree->childCount(), 1);
    QAccessibleInterface *panel = tree->child(0);
    ASSERT_EQ(panel->childCount(), 1);
    QAccessibleInterface *label = panel->child(0);
    ASSERT_EQ(label->text(QAccessible::Name).toStdString(), "Level: 1");

    part.reset();
    timer.reset();
    // The screen reader may still hold the part's interface: it reads as nothing.
    EXPECT_FALSE(label->isValid());
    EXPECT_EQ(label->text(QAccessible::Name), QString());
    EXPECT_EQ(panel->childCount(), 0);
    // Painting, unloading and loading again reach only what is there.
    EXPECT_FALSE(toolkit::widget(*form)->grab().isNull());
    form->Unload();
    form->Load();
}

TEST_F(OwnershipTest, AButtonsWidgetHasOneOwnerWhicheverGoesFirst)
{
    auto first = std::make_unique<CommandButton>(*form, TwipRect{0, 0, 900, 450}, "&One", FontSpec{}, colour::white,
                                                 [] {});
    auto second = std::make_unique<CommandButton>(*form, TwipRect{0, 600, 900, 450}, "&Two", FontSpec{},
                                                  colour::white, [] {});
    first.reset();
    EXPECT_EQ(toolkit::widget(*form)->findChildren<QPushButton *>().size(), 1);
    form.reset(); // the form's window takes the second button's widget with it
    second.reset();
}

TEST_F(OwnershipTest, EveryKindOfControlTakesTheNameItIsGiven)
{
    FrmMain &window = newGame();
    window.picCurrWall.setAccessibleName("Wall in play");
    CommandButton button(window, {0, 0, 900, 450}, "&Go", FontSpec{}, colour::white, [] {});
    button.setAccessibleName("Go on");
    EXPECT_EQ(toolkit::widget(button)->accessibleName().toStdString(), "Go on");
    const QPoint box = toolkit::widget(window)->mapToGlobal(toolkit::rect(window.picCurrWall.pixelRect()).center());
    QAccessibleInterface *tree = QAccessible::queryAccessibleInterface(toolkit::widget(window));
    EXPECT_EQ(tree->childAt(box.x(), box.y())->text(QAccessible::Name).toStdString(), "Wall in play");
}
