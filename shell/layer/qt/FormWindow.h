#pragma once

#include <QAccessible>
#include <QWidget>

#include <cstdint>
#include <map>

class Form;

// The toolkit window behind a Form: paints the background, the windowless
// controls and then the kept surface, and turns window events into the form's
// handlers. The form outlives it.
class FormWindow : public QWidget {
public:
    FormWindow(Form &form, bool keepOutOfTaskbar);
    ~FormWindow() override;

    Form &form() const { return m_form; }
    // What a screen reader holds of the form's windowless controls, by their
    // serial numbers; it goes with the window.
    std::map<std::uint64_t, QAccessible::Id> &accessibleIds() { return m_accessibleIds; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;

private:
    void windowStateChanged(Qt::WindowState state);
    // Asks for the normal state, in which the window manager gives back the
    // window's own size and place.
    void putBack();

    Form &m_form;
    std::map<std::uint64_t, QAccessible::Id> m_accessibleIds;
    bool m_keepOutOfTaskbar = false;
    bool m_watchingState = false;
};
