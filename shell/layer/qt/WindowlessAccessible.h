#pragma once

#include <QAccessibleInterface>

#include <string>
#include <vector>

class QWidget;
class WindowlessControl;

// What a screen reader sees of a control that has no window of its own: a label
// reads as text, named by its caption as the player reads it, and offers that
// caption as its text too (newer screen readers read a label's words only so); any
// other control as a picture with its given name; a control that holds parts as a
// status bar whose children are its named parts. Placed where the control shows
// on the screen.
class WindowlessAccessible : public QAccessibleInterface, public QAccessibleTextInterface {
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
    void *interface_cast(QAccessible::InterfaceType type) override;

    // A label's text, read-only, with no caret or selection; each character
    // placed on the whole label.
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;
    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}

private:
    std::vector<const WindowlessControl *> namedParts() const;

    const WindowlessControl &m_control;
    QWidget &m_window;
};
