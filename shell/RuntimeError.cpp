#include "RuntimeError.h"

#include <utility>

std::string_view kindName(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::Overflow: return "Overflow";
    case ErrorKind::SubscriptOutOfRange: return "Subscript out of range";
    case ErrorKind::TypeMismatch: return "Type mismatch";
    case ErrorKind::FileNotFound: return "File not found";
    case ErrorKind::PathNotFound: return "Path not found";
    case ErrorKind::InputPastEndOfFile: return "Input past end of file";
    case ErrorKind::FloatingPoint: return "Floating-point error";
    case ErrorKind::PropertyAccess: return "Property access failed";
    }
    return "Unknown error";
}

RuntimeError::RuntimeError(ErrorKind kind, std::string what)
    : m_kind(kind), m_what(std::move(what))
{
}

std::string RuntimeError::message() const
{
    std::string text(kindName(m_kind));
    if (!m_what.empty())
        text += ": " + m_what;
    return text;
}
