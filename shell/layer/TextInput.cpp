#include "TextInput.h"

#include "shell/layer/RuntimeError.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace {

// The first folder on the way to `file` that this user may not search.
fs::path unsearchableFolder(const fs::path &file)
{
    fs::path folder;
    for (const fs::path &part : file.parent_path()) {
        folder /= part;
        if (faccessat(AT_FDCWD, folder.c_str(), X_OK, AT_EACCESS) != 0 && errno == EACCES)
            return folder;
    }
    return file.parent_path();
}

[[noreturn]] void cannotSearch(const fs::path &file)
{
    throw RuntimeError(ErrorKind::PermissionDenied,
                       "cannot look inside the folder " + unsearchableFolder(file).native());
}

// What stands at a level's path in place of a file, for the message; empty when nothing does.
std::string whatIsThere(fs::file_type type, std::error_code ec)
{
    if (ec == std::errc::too_many_symbolic_link_levels)
        return "a link that loops";
    switch (type) {
    case fs::file_type::directory: return "a folder";
    case fs::file_type::fifo: return "a FIFO";
    case fs::file_type::character:
    case fs::file_type::block: return "a device";
    case fs::file_type::socket: return "a socket";
    default: return {};
    }
}

} // namespace

TextInput::TextInput(std::string path)
    : m_path(std::move(path))
{
    std::error_code ec;
    const fs::path file(m_path);
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const fs::file_status folderStatus = fs::status(folder, ec);
    if (ec == std::errc::permission_denied)
        cannotSearch(file);
    if (!fs::is_directory(folderStatus))
        throw RuntimeError(ErrorKind::PathNotFound, "no folder " + folder.native());
    const fs::file_status fileStatus = fs::status(file, ec);
    if (ec == std::errc::permission_denied)
        cannotSearch(file);
    if (const std::string there = whatIsThere(fileStatus.type(), ec); !there.empty())
        throw RuntimeError(ErrorKind::PathFileAccess, m_path + " is " + there + ", not a level file");
    if (!fs::is_regular_file(fileStatus))
        throw RuntimeError(ErrorKind::FileNotFound, "no file " + m_path);
    // Never wait: a file swapped for a pipe since the test above fails its read instead.
    m_fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (m_fd < 0 && errno == EACCES)
        throw RuntimeError(ErrorKind::PermissionDenied, "cannot read the file " + m_path);
    if (m_fd < 0)
        throw RuntimeError(ErrorKind::FileNotFound, "cannot open " + m_path + ": " + std::strerror(errno));
}

TextInput::~TextInput()
{
    close();
}

bool TextInput::fill(int lineNumber, std::size_t most)
{
    if (m_fd < 0)
        return false;
    ssize_t count = 0;
    do
        count = ::read(m_fd, m_buffer.data(), std::min(most, m_buffer.size()));
    while (count < 0 && errno == EINTR);
    if (count < 0)
        throw RuntimeError(ErrorKind::DeviceIO, where(lineNumber) + ": " + std::strerror(errno));
    m_begin = 0;
    m_end = static_cast<std::size_t>(count);
    return count > 0;
}

bool TextInput::eof()
{
    return m_begin == m_end && !fill(m_linesRead + 1);
}

TextInput::Line TextInput::readLine()
{
    const int number = m_linesRead + 1;
    if (eof())
        throw RuntimeError(ErrorKind::InputPastEndOfFile, where(number) + ": the file ends before this line");
    Line line{{}, number};
    // Of a line that has no end, no more is read than it takes to know it is too long.
    while (m_begin < m_end || fill(number, maxLineLength + 1 - line.text.size())) {
        const char *begin = m_buffer.data() + m_begin;
        const char *end = m_buffer.data() + m_end;
        const char *lineEnd = std::find_if(begin, end, [](char c) { return c == '\r' || c == '\n'; });
        if (line.text.size() + static_cast<std::size_t>(lineEnd - begin) > maxLineLength)
            throw RuntimeError(ErrorKind::LineTooLong,
                               where(number) + ": the line is longer than " + std::to_string(maxLineLength) + " bytes");
        line.text.append(begin, lineEnd);
        m_begin += static_cast<std::size_t>(lineEnd - begin);
        if (lineEnd == end)
            continue;
        const char ending = *lineEnd;
        ++m_begin; // past the line end; fill() below may reuse the buffer
        if (ending == '\r' && (m_begin < m_end || fill(number)) && m_buffer[m_begin] == '\n')
            ++m_begin;
        break;
    }
    m_linesRead = number;
    return line;
}

void TextInput::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_begin = m_end = 0;
}

std::string TextInput::where(int lineNumber) const
{
    return "line " + std::to_string(lineNumber) + " of " + m_path;
}
