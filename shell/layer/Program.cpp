#include "Program.h"

#include "shell/layer/Backend.h"
#include "shell/layer/Form.h"
#include "shell/layer/RuntimeError.h"

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
    bool ended = false;
    int status = 0;
};

State &state()
{
    static State s;
    return s;
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
    Backend::current().quit(s.status);
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
    Backend::current().showError(line);
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
