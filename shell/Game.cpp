#include "Game.h"

#include "FrmStart.h"
#include "Program.h"

#include <QApplication>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>

namespace {

bool haveDisplay()
{
    const auto set = [](const char *name) {
        const char *value = std::getenv(name);
        return value && *value;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

} // namespace

void preferPlainImageUpload()
{
    // With shared memory, Qt's X11 backing store waits for a reply from the X server
    // before it paints over pixels the server may still be reading, so every ball
    // tick would cost a round trip and two more wake-ups. A tick repaints about 17 by
    // 24 pixels, which the socket carries as cheaply. A user's own setting wins.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
}

int runGame(int argc, char **argv)
{
    if (!haveDisplay()) {
        std::fputs("zellomar: no display found (DISPLAY is not set); start it from a desktop session\n", stderr);
        return 1;
    }
    preferPlainImageUpload();
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
