#include "FormAccessible.h"

#include "shell/layer/Form.h"
#include "shell/layer/WindowlessControl.h"
#include "shell/layer/qt/FormWindow.h"
#include "shell/layer/qt/NoticeAccessible.h"
#include "shell/layer/qt/PictureWindow.h"
#include "shell/layer/qt/WindowlessAccessible.h"

#include <QApplication>
#include <QTimer>

#include <algorithm>

namespace {

// Qt turns its bridge to a screen reader on once it has asked the desktop, which
// may answer after a window took the keyboard: the reader then heard nothing of
// it. Told that the window is active and where the keyboard is, it reads the
// window as if it had just come up.
class FocusTeller : public QAccessible::ActivationObserver {
public:
    void accessibilityActiveChanged(bool active) override
    {
        if (active)
            QTimer::singleShot(0, qApp, [] {
                QWidget *window = QApplication::activeWindow();
                if (!window || !QAccessible::isActive())
                    return;
                QAccessible::State activated;
                activated.active = true;
                QAccessibleStateChangeEvent activation(window, activated);
                QAccessible::updateAccessibility(&activation);
                if (QWidget *focus = QApplication::focusWidget(); focus && focus != window) {
                    QAccessibleEvent focused(focus, QAccessible::Focus);
                    QAccessible::updateAccessibility(&focused);
                }
            });
    }
};

QAccessibleInterface *makeInterface(const QString &, QObject *object)
{
    if (auto *window = dynamic_cast<FormWindow *>(object))
        return new FormAccessible(window);
    if (auto *picture = dynamic_cast<PictureWindow *>(object))
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    return nullptr;
}

} // namespace

FormAccessible::FormAccessible(FormWindow *window)
    : QAccessibleWidget(window, QAccessible::Window)
{
}

FormAccessible::~FormAccessible()
{
    if (m_noticeId != 0)
        QAccessible::deleteAccessibleInterface(m_noticeId);
}

FormAccessible *FormAccessible::of(QWidget *window)
{
    return dynamic_cast<FormAccessible *>(QAccessible::queryAccessibleInterface(window));
}

void FormAccessible::install()
{
    static FocusTeller focusTeller;
    QAccessible::installFactory(makeInterface);
    QAccessible::installActivationObserver(&focusTeller);
}

QAccessibleInterface *FormAccessible::interfaceIn(FormWindow &window, const WindowlessControl &control)
{
    if (!of(&window) || control.accessibleText().empty())
        return nullptr;
    return WindowlessAccessible::of(window, control);
}

void FormAccessible::announceName(const WindowlessControl &control, FormWindow &window)
{
    if (QAccessibleInterface *interface = interfaceIn(window, control)) {
        QAccessibleEvent event(interface, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void FormAccessible::announceEnabled(const WindowlessControl &control, FormWindow &window)
{
    if (QAccessibleInterface *interface = interfaceIn(window, control)) {
        QAccessible::State changed;
        changed.disabled = true;
        QAccessibleStateChangeEvent event(interface, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void FormAccessible::announce(QWidget *window, const QString &message)
{
    FormAccessible *form = of(window);
    if (!form)
        return;
    const bool first = form->m_noticeId == 0;
    if (first)
        form->m_noticeId = QAccessible::registerAccessibleInterface(new NoticeAccessible(*window));
    NoticeAccessible *notice = form->notice();
    notice->setMessage(message);
    if (first) {
        QAccessibleEvent created(notice, QAccessible::ObjectCreated);
        QAccessible::updateAccessibility(&created);
    }
    // The new name first, so that the reader speaks it when the notice shows.
    QAccessibleEvent named(notice, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

NoticeAccessible *FormAccessible::notice() const
{
    return m_noticeId == 0 ? nullptr : static_cast<NoticeAccessible *>(QAccessible::accessibleInterface(m_noticeId));
}

FormWindow &FormAccessible::formWindow() const
{
    return *static_cast<FormWindow *>(widget());
}

QAccessibleInterface *FormAccessible::interfaceOf(const WindowlessControl &control) const
{
    return WindowlessAccessible::of(formWindow(), control);
}

std::vector<const WindowlessControl *> FormAccessible::namedControls() const
{
    // A control with nothing to call it by is left out, and a part is its holder's child.
    std::vector<const WindowlessControl *> named;
    const Form &form = formWindow().form();
    for (const WindowlessControl *control : form.windowlessControls())
        if (!control->accessibleText().empty() && !WindowlessAccessible::holderOf(form, *control))
            named.push_back(control);
    return named;
}

int FormAccessible::childCount() const
{
    return static_cast<int>(namedControls().size()) + QAccessibleWidget::childCount() + (m_noticeId != 0 ? 1 : 0);
}

QAccessibleInterface *FormAccessible::child(int index) const
{
    const std::vector<const WindowlessControl *> named = namedControls();
    const int windowless = static_cast<int>(named.size());
    if (index < 0)
        return nullptr;
    if (index < windowless)
        return interfaceOf(*named[static_cast<std::size_t>(index)]);
    if (index == windowless + QAccessibleWidget::childCount())
        return notice(); // the last child
    return QAccessibleWidget::child(index - windowless);
}

int FormAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const std::vector<const WindowlessControl *> named = namedControls();
    if (const auto *windowless = dynamic_cast<const WindowlessAccessible *>(child)) {
        const auto found = std::find(named.begin(), named.end(), windowless->control());
        return found == named.end() ? -1 : static_cast<int>(found - named.begin());
    }
    if (child && child == notice())
        return static_cast<int>(named.size()) + QAccessibleWidget::childCount();
    const int index = QAccessibleWidget::indexOfChild(child);
    return index < 0 ? -1 : index + static_cast<int>(named.size());
}

QAccessibleInterface *FormAccessible::childAt(int x, int y) const
{
    // The front-most child at the point: child windows, then the last made.
    for (int i = QAccessibleWidget::childCount() - 1; i >= 0; --i) {
        QAccessibleInterface *childWindow = QAccessibleWidget::child(i);
        if (childWindow && childWindow->rect().contains(x, y))
            return childWindow;
    }
    const std::vector<const WindowlessControl *> named = namedControls();
    for (auto control = named.rbegin(); control != named.rend(); ++control)
        if (QAccessibleInterface *candidate = interfaceOf(**control); candidate->rect().contains(x, y))
            return candidate;
    return nullptr;
}
