#include "X11.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>
// The XKB header names a field "explicit", a C++ keyword: rename it for the include
// only, where clang's warning about a macro named as a keyword is meant.
#if defined(__clang__)
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wkeyword-macro"
#endif
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit
#if defined(__clang__)
#pragma clang diagnostic pop
#endif

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <future>
#include <memory>
#include <string>
#include <thread>

namespace x11 {
namespace {

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, std::char_traits<char>::length(name), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The toolkit's own connection, or none on another platform or one that only
// borrows an X display (offscreen).
xcb_connection_t *toolkitConnection()
{
    const auto *native = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return native ? native->connection() : nullptr;
}

// How long the display check waits for the server's answer to its connection.
constexpr std::chrono::seconds answerTime{3};

// The display check's connection, open until the toolkit has its own: a server
// that resets when its last client leaves would otherwise reset just as the
// toolkit connects, and break the toolkit's connection.
struct Disconnect {
    void operator()(xcb_connection_t *connection) const { xcb_disconnect(connection); }
};
std::unique_ptr<xcb_connection_t, Disconnect> checkConnection;

} // namespace

bool displayAnswers()
{
    // A server may take the connection and never answer (a stopped one): the
    // connection is made on a thread of its own, given a few seconds. A thread
    // still waiting after that is left behind, as the game is about to end.
    auto answer = std::make_shared<std::promise<xcb_connection_t *>>();
    std::future<xcb_connection_t *> connected = answer->get_future();
    std::thread([answer] { answer->set_value(xcb_connect(nullptr, nullptr)); }).detach();
    if (connected.wait_for(answerTime) != std::future_status::ready)
        return false;
    checkConnection.reset(connected.get());
    if (xcb_connection_has_error(checkConnection.get()) == 0)
        return true;
    checkConnection.reset();
    return false;
}

void closeDisplayCheck()
{
    checkConnection.reset();
}

void keepOutOfTaskbar(QWidget &window)
{
    xcb_connection_t *connection = toolkitConnection();
    if (!connection)
        return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t state = atom(connection, "_NET_WM_STATE");
    const std::array<xcb_atom_t, 2> skip{atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                         atom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    // Called before the window is mapped: the window manager reads the state when it
    // takes the window, and the toolkit keeps the atoms it finds there when it adds its own.
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, state, XCB_ATOM_ATOM, 32,
                        static_cast<std::uint32_t>(skip.size()), skip.data());
    xcb_flush(connection);
}

void fixFrame(QWidget &window)
{
    xcb_connection_t *connection = toolkitConnection();
    if (!connection)
        return;
    // Motif hints: the functions and the decorations fields count, and they allow
    // moving and closing only, with a border, a title bar and the system menu. The
    // toolkit allows resizing whenever it allows anything, so it is written over here.
    enum : std::uint32_t { functionsField = 1, decorationsField = 2 };
    enum : std::uint32_t { move = 4, close = 32 };
    enum : std::uint32_t { border = 2, title = 8, menu = 16 };
    const std::array<std::uint32_t, 5> hints{functionsField | decorationsField, move | close, border | title | menu, 0,
                                             0};
    const xcb_atom_t motif = atom(connection, "_MOTIF_WM_HINTS");
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window.winId()), motif, motif,
                        32, static_cast<std::uint32_t>(hints.size()), hints.data());
    xcb_flush(connection);
}

void detectAutoRepeat()
{
    xcb_connection_t *connection = toolkitConnection();
    if (!connection)
        return;
    // The server takes the requests in order; nothing waits for their replies, so start-up costs no round trip.
    const auto use = xcb_xkb_use_extension(connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION);
    xcb_discard_reply(connection, use.sequence);
    const std::uint32_t flag = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    const auto set = xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD, flag, flag, 0, 0, 0);
    xcb_discard_reply(connection, set.sequence);
    xcb_flush(connection);
}

} // namespace x11
