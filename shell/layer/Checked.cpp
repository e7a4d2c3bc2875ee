#include "Checked.h"

#include "shell/layer/Backend.h"
#include "shell/layer/RuntimeError.h"

#include <locale.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace checked {
namespace {

[[noreturn]] void raise(ErrorKind kind, std::string_view where, const std::string &detail)
{
    std::string what(where);
    if (!what.empty())
        what += ": ";
    throw RuntimeError(kind, what + detail);
}

// The value in full, with a point whatever the locale.
std::string show(double value)
{
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 17);
    return std::string(text, written.ptr);
}

std::int16_t fit16(std::int32_t value, std::string_view where, const std::string &expression)
{
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        raise(ErrorKind::Overflow, where, expression + " is outside -32768..32767");
    return static_cast<std::int16_t>(value);
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The C locale, for reading the number once it is written the C way.
locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return locale;
}

} // namespace

std::int16_t add16(std::int16_t a, std::int16_t b, std::string_view where)
{
    return fit16(std::int32_t{a} + b, where, std::to_string(a) + " + " + std::to_string(b));
}

std::int16_t sub16(std::int16_t a, std::int16_t b, std::string_view where)
{
    return fit16(std::int32_t{a} - b, where, std::to_string(a) + " - " + std::to_string(b));
}

std::int16_t mul16(std::int16_t a, std::int16_t b, std::string_view where)
{
    return fit16(std::int32_t{a} * b, where, std::to_string(a) + " * " + std::to_string(b));
}

double real(double value, std::string_view where)
{
    if (std::isnan(value))
        raise(ErrorKind::FloatingPoint, where, "invalid operation");
    if (std::isinf(value))
        raise(ErrorKind::FloatingPoint, where, "overflow");
    return value;
}

float single(double value, std::string_view where)
{
    real(value, where);
    if (std::fabs(value) > std::numeric_limits<float>::max())
        raise(ErrorKind::FloatingPoint, where, show(value) + " is too large for single precision");
    return static_cast<float>(value);
}

double divide(double numerator, double denominator, std::string_view where)
{
    if (denominator == 0.0)
        raise(ErrorKind::FloatingPoint, where, "division by zero");
    return real(numerator / denominator, where);
}

std::int16_t round16(double value, std::string_view where)
{
    real(value, where);
    const double nearest = std::nearbyint(value); // default rounding mode: ties to even
    if (nearest < -32768.0 || nearest > 32767.0)
        raise(ErrorKind::Overflow, where, show(value) + " is outside -32768..32767");
    return static_cast<std::int16_t>(nearest);
}

std::int32_t round32(double value, std::string_view where)
{
    real(value, where);
    const double nearest = std::nearbyint(value);
    if (nearest < -2147483648.0 || nearest > 2147483647.0)
        raise(ErrorKind::Overflow, where, show(value) + " is outside the 32-bit range");
    return static_cast<std::int32_t>(nearest);
}

double toNumber(std::string_view text, std::string_view where)
{
    const auto shown = [&] {
        std::string quote = quoted(text.substr(0, 40));
        if (text.size() > 40)
            quote.insert(quote.size() - 1, "...");
        return quote;
    };
    const auto mismatch = [&] { raise(ErrorKind::TypeMismatch, where, shown() + " is not a number"); };
    const char point = Backend::current().decimalPoint();

    std::size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;

    // Only these forms are numbers: sign, digits, a decimal separator, digits,
    // an exponent. They are copied with a point for the conversion.
    std::string plain;
    std::size_t i = begin;
    const auto copySign = [&] {
        if (i < end && (text[i] == '+' || text[i] == '-'))
            plain += text[i++];
    };
    const auto copyDigits = [&] { // how many were copied
        const std::size_t first = i;
        while (i < end && isDigit(text[i]))
            plain += text[i++];
        return i - first;
    };
    copySign();
    std::size_t digits = copyDigits();
    if (i < end && (text[i] == point || text[i] == '.')) {
        plain += '.';
        ++i;
        digits += copyDigits();
    }
    if (digits == 0)
        mismatch();
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        copySign();
        if (copyDigits() == 0)
            mismatch();
    }
    if (i != end)
        mismatch();

    char *stop = nullptr;
    const double value = strtod_l(plain.c_str(), &stop, cLocale());
    if (stop != plain.c_str() + plain.size())
        mismatch();
    // Too small to hold reads as zero; only a value too large to hold is an overflow.
    if (std::isinf(value))
        raise(ErrorKind::Overflow, where, shown() + " is too large");
    return value;
}

std::string decimal(std::int32_t value)
{
    return std::to_string(value);
}

} // namespace checked
