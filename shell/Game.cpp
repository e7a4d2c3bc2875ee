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

int runGame(int argc, char **argv)
{
    if (!haveDisplay()) {
        std::fputs("zellomar: no display found (DISPLAY is not set); start it from a desktop session\n", stderr);
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
