#pragma once

#include <QWidget>

class PictureBox;

// The toolkit window behind a PictureBox, a child of its form's window. The box
// deletes it as the box goes, so it never outlives the box.
class PictureWindow : public QWidget {
public:
    PictureWindow(const PictureBox &box, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const PictureBox &m_box;
};
