#pragma once

#include <QWidget>

class Form;

// The toolkit window behind a Form: paints the background, the windowless
// controls and then the kept surface, and turns window events into the form's handlers.
class FormWindow : public QWidget {
public:
    FormWindow(Form &form, bool keepOutOfTaskbar);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    Form &m_form;
};
