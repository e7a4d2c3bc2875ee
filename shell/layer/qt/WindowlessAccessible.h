#pragma once

#include <QAccessibleInterface>
#include <QPointer>

#include <cstdint>
#include <vector>

class Form;
class FormWindow;
class WindowlessControl;

// What a screen reader sees of a control that has no window of its own, in the
// role and with the text the control states; a label offers its text through the
// text interface too (newer screen readers read a label's words only so), and a
// control that holds parts has its named parts as children. Placed where the
// control shows on the screen. It holds the control by its serial number and
// finds it among its form's: once the control or its window has gone, it is
// invalid and reads as nothing.
class WindowlessAccessible : public QAccessibleInterface, public QAccessibleTextInterface {
public:
    WindowlessAccessible(std::uint64_t serial, FormWindow &window);

    // The control's interface, made at the first call; its window keeps it.
    static QAccessibleInterface *of(FormWindow &window, const WindowlessControl &control);
    // The control of the form that holds this one as a part, if any.
    static const WindowlessControl *holderOf(const Form &form, const WindowlessControl &control);
    static QAccessible::Role roleOf(const WindowlessControl &control);
    // The control, or none when it has gone.
    const WindowlessControl *control() const;

    bool isValid() const override { return control() != nullptr; }
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
    QString name() const;
    std::vector<const WindowlessControl *> namedParts() const;

    std::uint64_t m_serial;
    QPointer<FormWindow> m_window;
};
