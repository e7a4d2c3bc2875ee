#include "TextInput.h"

#include "RuntimeError.h"

#include <filesystem>
#include <utility>

namespace fs = std::filesystem;

TextInput::TextInput(std::string path)
    : m_path(std::move(path))
{
    std::error_code ec;
    const fs::path file(m_path);
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    if (!fs::is_directory(folder, ec))
        throw RuntimeError(ErrorKind::PathNotFound, "no folder " + folder.string());
    if (!fs::is_regular_file(file, ec))
        throw RuntimeError(ErrorKind::FileNotFound, "no file " + m_path);
    m_stream.open(file, std::ios::binary);
    if (!m_stream)
        throw RuntimeError(ErrorKind::FileNotFound, "cannot read " + m_path);
}

bool TextInput::eof()
{
    return !m_stream.is_open() || m_stream.peek() == std::ifstream::traits_type::eof();
}

TextInput::Line TextInput::readLine()
{
    const int number = m_linesRead + 1;
    if (eof())
        throw RuntimeError(ErrorKind::InputPastEndOfFile, where(number) + ": the file ends before this line");
    Line line{{}, number};
    using traits = std::ifstream::traits_type;
    for (auto c = m_stream.get(); c != traits::eof(); c = m_stream.get()) {
        if (c == '\n')
            break;
        if (c == '\r') {
            if (m_stream.peek() == '\n')
                m_stream.get();
            break;
        }
        line.text += static_cast<char>(c);
    }
    m_linesRead = number;
    return line;
}

void TextInput::close()
{
    m_stream.close();
}

std::string TextInput::where(int lineNumber) const
{
    return "line " + std::to_string(lineNumber) + " of " + m_path;
}
