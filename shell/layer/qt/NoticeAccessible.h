#pragma once

#include <QAccessibleInterface>

class QWidget;

// A window's last notice to a screen reader: a notification that shows once for
// each message, so that the reader speaks it whatever has the focus.
class NoticeAccessible : public QAccessibleInterface {
public:
    explicit NoticeAccessible(QWidget &window);

    void setMessage(const QString &message) { m_message = message; }

    bool isValid() const override { return true; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

private:
    QWidget &m_window;
    QString m_message;
};
