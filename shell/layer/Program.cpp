#include "Program.h"

#include "shell/layer/Form.h"
#include "shell/layer/RuntimeError.h"
#include "shell/layer/qt/Toolkit.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QRect>
#include <QScreen>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <new>
#include <optional>
#include <utility>

namespace program {
namespace {

struct EndRequest {};

struct State {
    std::map<std::type_index, std::unique_ptr<Form>> forms;
    std::optional<std::string> folder;
    int screenPixelsWide = 0;
    int screenPixelsHigh = 0;
    bool ended = false;
    int status = 0;
};

State &state()
{
    static State s;
    return s;
}

// The primary monitor's place on the desktop, in pixels; a size set by a test
// stands at the desktop's corner.
QRect screenPixels()
{
    const State &s = state();
    if (s.screenPixelsWide > 0)
        return {0, 0, s.screenPixelsWide, s.screenPixelsHigh};
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        throw RuntimeError(ErrorKind::PropertyAccess, "the screen's size is not known");
    return screen->geometry();
}

void finish(int status)
{
    State &s = state();
    if (!s.ended) {
        s.ended = true;
        s.status = status;
    }
    for (auto &[type, form] : s.forms)
        form->shutDown();
    if (QCoreApplication::instance())
        QCoreApplication::exit(s.status);
}

void report(const std::string &message)
{
    // Stop everything first: the message box runs an event loop of its own.
    State &s = state();
    s.ended = true;
    s.status = 1;
    for (auto &[type, form] : s.forms)
        form->stopTimers();
    const std::string line = "Zellomar: run-time error: " + printable(message);
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        QMessageBox::critical(nullptr, QStringLiteral("Zellomar"), toolkit::text(line));
    finish(1);
}

} // namespace

std::string folder()
{
    const State &s = state();
    if (s.folder)
        return *s.folder;
    // The file system's own bytes, whatever their encoding; links are resolved.
    std::error_code ec;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || !executable.is_absolute())
        throw RuntimeError(ErrorKind::PathNotFound, "the program's folder is not known: /proc/self/exe: "
                                                        + (ec ? ec.message() : "not an absolute path"));
    return executable.parent_path().native();
}

void setFolder(std::string folder)
{
    state().folder = std::move(folder);
}

float screenWidth()
{
    return pixelsToTwips(screenPixels().width());
}

float screenHeight()
{
    return pixelsToTwips(screenPixels().height());
}

PixelPoint placeOnScreen(int outerWidth, int outerHeight)
{
    const QRect screen = screenPixels();
    return {screen.x() + std::max(0, (screen.width() - outerWidth) / 2),
            screen.y() + std::max(0, (screen.height() - outerHeight) / 2)};
}

void setScreenPixels(int width, int height)
{
    state().screenPixelsWide = width;
    state().screenPixelsHigh = height;
}

void End()
{
    throw EndRequest{};
}

bool dispatch(const std::function<void()> &handler) noexcept
{
    if (state().ended)
        return false;
    try {
        handler();
    } catch (const EndRequest &) {
        finish(0);
    } catch (const RuntimeError &error) {
        report(error.message());
    } catch (const std::bad_alloc &) {
        report("Out of memory");
    } catch (const std::exception &error) {
        report(std::string("Internal error: ") + error.what());
    } catch (...) {
        report("Internal error: an exception of unknown type");
    }
    return !state().ended;
}

bool ended()
{
    return state().ended;
}

int exitStatus()
{
    return state().status;
}

void reset()
{
    State &s = state();
    // Destroy in a separate step: a window's destructor may still refer to the table.
    auto forms = std::move(s.forms);
    s.forms.clear();
    forms.clear();
    s.ended = false;
    s.status = 0;
}

namespace detail {

Form &instance(std::type_index type, const std::function<std::unique_ptr<Form>()> &make)
{
    auto &forms = state().forms;
    auto found = forms.find(type);
    if (found == forms.end())
        found = forms.emplace(type, make()).first;
    return *found->second;
}

} // namespace detail
} // namespace program
