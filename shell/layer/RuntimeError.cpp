#include "RuntimeError.h"

#include <cstdio>
#include <utility>

namespace {

// The length of the valid UTF-8 character at the start of `bytes` that may be
// shown as it is, or 0 for a control character or a byte that starts none.
std::size_t showableLength(std::string_view bytes)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned lead = byte(0);
    if (lead < 0x80)
        return lead >= 0x20 && lead != 0x7f ? 1 : 0;
    std::size_t length = 0;
    char32_t code = 0, least = 0;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2, code = lead & 0x1f, least = 0x80;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3, code = lead & 0x0f, least = 0x800;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4, code = lead & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (bytes.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xc0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i) & 0x3f);
    }
    const bool surrogate = code >= 0xd800 && code <= 0xdfff;
    const bool c1Control = code >= 0x80 && code <= 0x9f;
    if (code < least || code > 0x10ffff || surrogate || c1Control)
        return 0;
    return length;
}

std::string escaped(std::string_view bytes, bool doubleBackslash)
{
    std::string text;
    text.reserve(bytes.size());
    while (!bytes.empty()) {
        std::size_t length = showableLength(bytes);
        if (length == 0) {
            char code[5];
            std::snprintf(code, sizeof code, "\\x%02x", static_cast<unsigned char>(bytes[0]));
            text += code;
            length = 1;
        } else if (doubleBackslash && bytes[0] == '\\') {
            text += "\\\\";
        } else {
            text.append(bytes.substr(0, length));
        }
        bytes.remove_prefix(length);
    }
    return text;
}

} // namespace

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
    case ErrorKind::DeviceIO: return "Device I/O error";
    case ErrorKind::PermissionDenied: return "Permission denied";
    case ErrorKind::LineTooLong: return "Line too long";
    case ErrorKind::PathFileAccess: return "Path/File access error";
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

std::string printable(std::string_view bytes)
{
    return escaped(bytes, false);
}

std::string quoted(std::string_view bytes)
{
    return '"' + escaped(bytes, true) + '"';
}
