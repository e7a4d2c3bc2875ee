#pragma once

#include <QAccessibleWidget>

#include <vector>

class FormWindow;
class NoticeAccessible;
class WindowlessControl;

// What a screen reader sees of a form's window: a frame whose children are its
// named windowless controls, back to front, and then its child windows.
class FormAccessible : public QAccessibleWidget {
public:
    explicit FormAccessible(FormWindow *window);
    ~FormAccessible() override;

    // Gives every form's window, and every picture box, what a screen reader needs.
    static void install();
    // What a screen reader sees of a form's window; none for any other widget.
    static FormAccessible *of(QWidget *window);
    // Tell a listening screen reader that the control's name, or whether it is enabled, changed.
    static void announceName(const WindowlessControl &control, FormWindow &window);
    static void announceEnabled(const WindowlessControl &control, FormWindow &window);
    // Tells a listening screen reader the message once, as the window's notification.
    static void announce(QWidget *window, const QString &message);


    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

private:
    // The control as the screen reader knows it, or none when it is not in the tree.
    static QAccessibleInterface *interfaceIn(FormWindow &window, const WindowlessControl &control);
    FormWindow &formWindow() const;
    QAccessibleInterface *interfaceOf(const WindowlessControl &control) const;
    std::vector<const WindowlessControl *> namedControls() const;
    NoticeAccessible *notice() const;

    QAccessible::Id m_noticeId = 0; // none until the first notice
};
