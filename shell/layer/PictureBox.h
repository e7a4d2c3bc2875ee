#pragma once

#include "shell/layer/Picture.h"
#include "shell/layer/Surface.h"
#include "shell/layer/WindowedControl.h"

// A picture box: a child window with a sunken border 2 pixels wide on each side
// that shows its picture at the top left of its inside. One that sizes itself
// takes, on each new picture, the picture's size plus the border, keeping its
// left and top. Its hDC is its inside, (0, 0) at the picture's top left pixel,
// usable while its window is hidden.
class PictureBox : public WindowedControl {
public:
    static constexpr int borderPixels = 2;
    struct Design {
        bool enabled = true;
        bool autoSize = false; // takes each new picture's size
    };

    PictureBox(Form &form, const TwipRect &place, const Design &design);

    const Picture &GetPicture() const { return m_picture; }
    void setPicture(const Picture &picture);
    HDC hDC() { return &m_surface; }
    // What its window shows inside the border.
    const Surface &inside() const { return m_surface; }

private:
    Picture m_picture;
    Surface m_surface;
    bool m_autoSize;
};
