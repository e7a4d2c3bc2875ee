#pragma once

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
};

std::string_view kindName(ErrorKind kind);

class RuntimeError {
public:
    RuntimeError(ErrorKind kind, std::string what);

    ErrorKind kind() const { return m_kind; }
    const std::string &what() const { return m_what; }
    // "<Kind>: <what>", the text the player is shown.
    std::string message() const;

private:
    ErrorKind m_kind;
    std::string m_what;
};
