#pragma once

#include "shell/layer/Backend.h"

// The layer's toolkit: Qt Widgets, on X11, Wayland or the offscreen platform.
class QtBackend : public Backend {
public:
    // Makes Qt the layer's toolkit; call it before the first window is made.
    static void install();

    std::unique_ptr<WindowPeer> makeWindow(Form &form, bool keepOutOfTaskbar) override;
    std::unique_ptr<ChildWindow> makeButton(Form &form, const std::string &caption, const FontSpec &font,
                                            Colour background, std::function<void()> click) override;
    std::unique_ptr<ChildWindow> makePictureWindow(Form &form, const PictureBox &box) override;
    std::unique_ptr<Clock> makeClock(std::function<void()> tick) override;
    std::shared_ptr<const Pixels> loadPicture(const std::string &name) override;
    char decimalPoint() const override;
    PixelRect primaryScreen() const override;
    void showError(const std::string &message) override;
    void quit(int status) override;
};
