#pragma once

#include <QWidget>

class PictureBox;

// The toolkit window behind a PictureBox.
class PictureWindow : public QWidget {
public:
    PictureWindow(PictureBox &box, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    PictureBox &m_box;
};
