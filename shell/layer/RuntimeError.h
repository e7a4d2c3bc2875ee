#pragma once

#include <exception>
#include <string>
#include <string_view>

// The one error the game raises. Nothing in the game catches it: the event
// dispatch reports it and ends the program with status 1.
enum class ErrorKind {
    Overflow,
    SubscriptOutOfRange,
    TypeMismatch,
    FileNotFound,
    PathNotFound,
    InputPastEndOfFile,
    FloatingPoint,
    PropertyAccess,
    DeviceIO,
    PermissionDenied,
    LineTooLong,
    PathFileAccess,
};

std::string_view kindName(ErrorKind kind);

// Text from outside the game (a level line, a path) made safe to show on a
// terminal and in a message box: each control byte and each byte that is not
// part of valid UTF-8 is written as \xNN.
std::string printable(std::string_view bytes);
// A level line in double quotes, made printable; a backslash is doubled so
// that the quote reads back unambiguously.
std::string quoted(std::string_view bytes);

class RuntimeError : public std::exception {
public:
    RuntimeError(ErrorKind kind, std::string what);

    ErrorKind kind() const { return m_kind; }
    // Where and what went wrong, without the kind.
    const char *what() const noexcept override { return m_what.c_str(); }
    // "<Kind>: <what>", the text the player is shown.
    std::string message() const;

private:
    ErrorKind m_kind;
    std::string m_what;
};
