#pragma once

#include <fstream>
#include <string>

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

    // Raises "Path not found" when the folder is missing, "File not found"
    // when the file is missing or cannot be read.
    explicit TextInput(std::string path);

    bool eof();
    // Raises "Input past end of file" when there is no line left.
    Line readLine();
    void close();

    const std::string &path() const { return m_path; }
    // "line 4 of /path/to/file", for messages.
    std::string where(int lineNumber) const;

private:
    std::string m_path;
    std::ifstream m_stream;
    int m_linesRead = 0;
};
