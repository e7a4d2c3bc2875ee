// Times a program's start as the player sees it: from starting it to the end of
// the first complete paint of its window named TITLE, that is until the pixels it
// has pushed to the X server since the window was mapped cover the whole window.
// The X server reports each drawing through the DAMAGE extension, watched on the
// root window, so the watcher needs no window id before the program draws.
// Then reads the program's peak resident memory a moment later.
// Usage: startwatch TITLE PROGRAM [ARGS...]
// Prints: milliseconds_to_first_paint peak_rss_kib milliseconds_to_map cpu_milliseconds_to_first_paint
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr double deadlineMs = 20000;

double now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

long peakKib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

// CPU time of all threads of PID so far, in milliseconds.
double cpuMs(pid_t pid)
{
    double ns = 0;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    std::error_code error;
    for (const auto &task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream stat(task.path() / "schedstat");
        double onCpu = 0;
        if (stat >> onCpu)
            ns += onCpu;
    }
    return ns / 1e6;
}

bool named(Display *display, Window window, const char *title)
{
    char *name = nullptr;
    const bool match = XFetchName(display, window, &name) && name && std::strcmp(name, title) == 0;
    if (name)
        XFree(name);
    return match;
}

// The painted part of one window, in root coordinates.
class Coverage {
public:
    Coverage() : m_painted(XCreateRegion()) {}
    ~Coverage() { XDestroyRegion(m_painted); }
    Coverage(const Coverage &) = delete;
    Coverage &operator=(const Coverage &) = delete;

    void track(const XRectangle &window) { m_window = window; }
    bool tracking() const { return m_window.width > 0; }
    void add(XRectangle area) { XUnionRectWithRegion(&area, m_painted, m_painted); }
    bool complete() const
    {
        return tracking()
            && XRectInRegion(m_painted, m_window.x, m_window.y, m_window.width, m_window.height) == RectangleIn;
    }

private:
    Region m_painted;
    XRectangle m_window{};
};

void stop(pid_t child)
{
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: startwatch TITLE PROGRAM [ARGS...]\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startwatch: no X display\n");
        return 1;
    }
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "startwatch: the X server has no DAMAGE extension\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XDamageCreate(display, root, XDamageReportRawRectangles);
    XSync(display, False);

    const double start = now();
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[2], argv + 2);
        _exit(127);
    }
    double mapped = -1;
    double painted = -1;
    double cpu = -1;
    Coverage coverage;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (painted < 0) {
        if (!XPending(display)) {
            if (now() - start > deadlineMs) {
                std::fprintf(stderr, "startwatch: no complete paint of \"%s\" within %.0f s\n", argv[1], deadlineMs / 1e3);
                stop(child);
                return 1;
            }
            poll(&connection, 1, 100);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && !coverage.tracking() && named(display, event.xmap.window, argv[1])) {
            mapped = now() - start;
            XWindowAttributes attributes{};
            XGetWindowAttributes(display, event.xmap.window, &attributes);
            coverage.track({static_cast<short>(attributes.x), static_cast<short>(attributes.y),
                            static_cast<unsigned short>(attributes.width), static_cast<unsigned short>(attributes.height)});
        } else if (event.type == damageEvent + XDamageNotify && coverage.tracking()) {
            const auto &damage = reinterpret_cast<const XDamageNotifyEvent &>(event);
            coverage.add(damage.area);
            if (coverage.complete()) {
                painted = now() - start;
                cpu = cpuMs(child);
            }
        }
    }
    usleep(500 * 1000); // let it settle before reading its peak memory
    const long kib = peakKib(child);
    stop(child);
    std::printf("%.1f %ld %.1f %.1f\n", painted, kib, mapped, cpu);
    XCloseDisplay(display);
    return 0;
}
