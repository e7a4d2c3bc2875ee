#pragma once

#include "shell/layer/ChildWindow.h"

#include <QPointer>
#include <QWidget>

// A child window of a form's window, as its control sees it. The form's window
// owns the widget, as its Qt parent; a control that goes first deletes it.
class ChildWidget : public ChildWindow {
public:
    explicit ChildWidget(QWidget *widget) : m_widget(widget) {}
    ~ChildWidget() override;
    ChildWidget(const ChildWidget &) = delete;
    ChildWidget &operator=(const ChildWidget &) = delete;

    QWidget *widget() const { return m_widget; }

    void place(const PixelRect &area) override;
    void setEnabled(bool enabled) override;
    void setAccessibleName(const std::string &name) override;
    void setFocus() override;
    void repaint(const PixelRect &area) override;

private:
    QPointer<QWidget> m_widget;
};
