#include "Game.h"

#include "FrmStart.h"
#include "Program.h"
#include "X11.h"

#include <QApplication>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

bool isSet(const char *name)
{
    const char *value = std::getenv(name);
    return value && *value;
}

// What keeps the windows off the screen, or nothing when a display answers.
std::string noDisplayReason()
{
    if (!isSet("DISPLAY"))
        return "DISPLAY is not set";
    return std::string("DISPLAY ") + std::getenv("DISPLAY") + " does not answer";
}

// Picks where the windows go: X11 whenever an X display answers and the player has
// chosen no platform, also under a Wayland desktop (through XWayland), since there the
// frame, the centring and the window flags hold; Wayland when it is all there is.
// Returns why there is no display when none answers.
std::optional<std::string> chooseDisplay()
{
    if (isSet("QT_QPA_PLATFORM")) {
        if (qgetenv("QT_QPA_PLATFORM").startsWith("xcb") && !x11::displayAnswers())
            return noDisplayReason();
        return std::nullopt;
    }
    if (isSet("DISPLAY") && x11::displayAnswers()) {
        qputenv("QT_QPA_PLATFORM", "xcb");
        return std::nullopt;
    }
    if (isSet("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "wayland");
        return std::nullopt;
    }
    return noDisplayReason();
}

} // namespace

int runGame(int argc, char **argv)
{
    if (const std::optional<std::string> reason = chooseDisplay()) {
        std::fprintf(stderr, "zellomar: no display found (%s); start it from a desktop session\n", reason->c_str());
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);
    program::dispatch([] {
        FrmStart &start = frmStart();
        start.Show();
        start.cmdNew.SetFocus();
    });
    const int status = program::ended() ? program::exitStatus() : QApplication::exec();
    program::reset();
    return status;
}
