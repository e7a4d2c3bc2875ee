#pragma once

#include "shell/layer/WindowPeer.h"

#include <memory>

class Form;
class FormWindow;

// A form's top-level window as the form sees it. It owns the toolkit's window,
// which has no Qt parent.
class QtWindow : public WindowPeer {
public:
    QtWindow(Form &form, bool keepOutOfTaskbar);
    ~QtWindow() override;

    FormWindow &widget() const { return *m_widget; }

    void setTitle(const std::string &title) override;
    void setAccessibleName(const std::string &name) override;
    void setAccessibleDescription(const std::string &text) override;
    void setClientSize(int width, int height) override;
    void moveTo(int x, int y) override;
    bool isVisible() const override;
    void show() override;
    void hide() override;
    void repaint() override;
    void repaint(const PixelRect &area) override;
    void announce(const std::string &message) override;
    void nameChanged(const WindowlessControl &control) override;
    void enabledChanged(const WindowlessControl &control) override;

private:
    std::unique_ptr<FormWindow> m_widget;
};
