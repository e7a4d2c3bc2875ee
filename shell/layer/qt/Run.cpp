#include "shell/layer/Program.h"
#include "shell/layer/qt/FormAccessible.h"
#include "shell/layer/qt/QtBackend.h"
#include "shell/layer/qt/X11.h"

#include <QApplication>
#include <QStyleFactory>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

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

// A local socket, closed when it goes.
struct Socket {
    Socket() = default;
    ~Socket()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Socket(const Socket &) = delete;
    Socket &operator=(const Socket &) = delete;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
};

// Whether a Wayland compositor listens on the socket that WAYLAND_DISPLAY names.
bool waylandAnswers()
{
    std::string path = isSet("WAYLAND_DISPLAY") ? std::getenv("WAYLAND_DISPLAY") : "wayland-0";
    if (path.front() != '/')
        path = std::string(std::getenv("XDG_RUNTIME_DIR") ? std::getenv("XDG_RUNTIME_DIR") : "") + "/" + path;
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path)
        return false;
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, path.size());
    const Socket probe;
    return probe.fd >= 0 && ::connect(probe.fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
}

std::string doesNotAnswer(const char *name)
{
    return std::string(name) + " " + std::getenv(name) + " does not answer";
}

// Picks where the windows go: X11 whenever an X display answers and the player has
// chosen no platform, also under a Wayland desktop (through XWayland), since there the
// frame, the centring and the window flags hold; Wayland when it is all there is.
// Returns why there is no display when none answers.
std::optional<std::string> chooseDisplay()
{
    const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    const std::string xFault = isSet("DISPLAY") ? doesNotAnswer("DISPLAY") : "DISPLAY is not set";
    if (!chosen.isEmpty()) {
        if (chosen.startsWith("xcb") && !x11::displayAnswers())
            return xFault;
        if (chosen.startsWith("wayland") && !waylandAnswers())
            return isSet("WAYLAND_DISPLAY") ? doesNotAnswer("WAYLAND_DISPLAY") : "WAYLAND_DISPLAY is not set";
        return std::nullopt;
    }
    if (isSet("DISPLAY") && x11::displayAnswers()) {
        qputenv("QT_QPA_PLATFORM", "xcb");
        return std::nullopt;
    }
    if (isSet("WAYLAND_DISPLAY")) {
        if (waylandAnswers()) {
            qputenv("QT_QPA_PLATFORM", "wayland");
            return std::nullopt;
        }
        if (!isSet("DISPLAY"))
            return doesNotAnswer("WAYLAND_DISPLAY");
    }
    return xFault;
}

} // namespace

namespace program {

void preferPlainImageUpload()
{
    // With shared memory, Qt's X11 backing store waits for a reply from the X server
    // before it paints over pixels the server may still be reading, so every ball
    // tick would cost a round trip and two more wake-ups. A tick repaints about 17 by
    // 24 pixels, which the socket carries as cheaply. A user's own setting wins.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
}

int run(int argc, char **argv, const std::function<void()> &start)
{
    if (const std::optional<std::string> reason = chooseDisplay()) {
        std::fprintf(stderr, "zellomar: no display found (%s); start it from a desktop session\n", reason->c_str());
        return 1;
    }
    preferPlainImageUpload();
    // Ties the windows to the menu's entry: the Wayland app_id is the entry's id.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zellomar.zellomar"));
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);
    QtBackend::install();
    FormAccessible::install();
    x11::detectAutoRepeat();
    x11::closeDisplayCheck();
    dispatch(start);
    const int status = ended() ? exitStatus() : QApplication::exec();
    reset();
    return status;
}

} // namespace program
