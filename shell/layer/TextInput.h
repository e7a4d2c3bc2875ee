#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Sequential text input: open, end-of-file test, read a line, close.
// A carriage return, a line feed, or the pair CR LF each end a line; the line
// end is not part of the line, and the last line may lack one. Bytes are kept
// as they are (8-bit text).
class TextInput {
public:
    struct Line {
        std::string text;
        int number = 0; // 1-based line number in the file
    };

    // No line that the game reads comes near this; a longer one is an error.
    static constexpr std::size_t maxLineLength = 64 * 1024;

    // Raises "Path not found" when the folder is missing, "File not found"
    // when the file is missing, "Path/File access error" saying what stands
    // there instead (a folder, a FIFO, a device, a link that loops), and
    // "Permission denied" naming the folder that may not be searched or the
    // file that may not be read. A FIFO is never opened.
    explicit TextInput(std::string path);
    ~TextInput();
    TextInput(const TextInput &) = delete;
    TextInput &operator=(const TextInput &) = delete;

    // A read that fails here or in readLine() is a "Device I/O error" at the
    // line being read, never the end of the file.
    bool eof();
    // Raises "Input past end of file" when there is no line left and
    // "Line too long" past maxLineLength bytes.
    Line readLine();
    void close();

    const std::string &path() const { return m_path; }
    // "line 4 of /path/to/file", for messages.
    std::string where(int lineNumber) const;

private:
    // Reads the next block, of at most `most` bytes, into the buffer; false at the end of the file.
    bool fill(int lineNumber, std::size_t most = SIZE_MAX);

    std::string m_path;
    int m_fd = -1;
    std::vector<char> m_buffer = std::vector<char>(64 * 1024);
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    int m_linesRead = 0;
};
