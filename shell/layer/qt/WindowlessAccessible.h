#pragma once

#include <QAccessibleInterface>

#include <string>
#include <vector>

class QWidget;
class WindowlessControl;

// What a screen reader sees of a control that has no window of its own: a label
// reads as text, named by its caption as the player reads it; any other control
// as a picture with its given name; a control that holds parts as a status bar
// whose children are its named parts. Placed where the control shows on the screen.
class WindowlessAccessible : public QAccessibleInterface {
public:
    WindowlessAccessible(const WindowlessControl &control, QWidget &window);

    // The name a screen reader reads: the given name, or a label's caption.
    static QString nameOf(const WindowlessControl &control);
    // A caption as read aloud: each line break a space, the access-key marks dropped.
    static QString spokenCaption(const std::string &caption);

    const WindowlessControl &control() const { return m_control; }

    bool isValid() const override { return true; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    std::vector<const WindowlessControl *> namedParts() const;

    const WindowlessControl &m_control;
    QWidget &m_window;
};
