#include "Checked.h"

#include "RuntimeError.h"

#include <QLocale>

#include <charconv>
#include <cmath>
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

std::string show(double value)
{
    return QString::number(value, 'g', 17).toStdString();
}

std::int16_t fit16(std::int32_t value, std::string_view where, const std::string &expression)
{
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        raise(ErrorKind::Overflow, where, expression + " is outside -32768..32767");
    return static_cast<std::int16_t>(value);
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

char localeDecimalPoint()
{
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 128 ? point.at(0).toLatin1() : '.';
}

// The power of ten of the leading significant digit of "digits[.digits][e[sign]digits]".
long decimalExponent(const std::string &plain)
{
    long exponent = 0;
    const auto e = plain.find('e');
    if (e != std::string::npos) {
        // A huge exponent only needs its sign and rough size.
        const std::string written = plain.substr(e + 1, 8);
        exponent = std::stol(written.empty() ? "0" : written);
    }
    const std::string mantissa = plain.substr(0, e);
    const auto dot = mantissa.find('.');
    const std::string whole = mantissa.substr(0, dot);
    const auto firstWhole = whole.find_first_not_of('0');
    if (firstWhole != std::string::npos)
        return exponent + static_cast<long>(whole.size() - firstWhole) - 1;
    const std::string fraction = dot == std::string::npos ? std::string() : mantissa.substr(dot + 1);
    const auto firstFraction = fraction.find_first_not_of('0');
    return exponent - static_cast<long>(firstFraction == std::string::npos ? 0 : firstFraction) - 1;
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
    const auto mismatch = [&] {
        std::string shown(text.substr(0, 40));
        if (text.size() > 40)
            shown += "...";
        raise(ErrorKind::TypeMismatch, where, "\"" + shown + "\" is not a number");
    };
    const char point = localeDecimalPoint();

    std::size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;

    // Copy into the form from_chars reads: sign, digits, '.', exponent.
    std::string plain;
    std::size_t i = begin;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    std::size_t digits = 0;
    while (i < end && isDigit(text[i])) {
        plain += text[i++];
        ++digits;
    }
    if (i < end && (text[i] == point || text[i] == '.')) {
        plain += '.';
        ++i;
        while (i < end && isDigit(text[i])) {
            plain += text[i++];
            ++digits;
        }
    }
    if (digits == 0)
        mismatch();
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-'))
            plain += text[i++];
        std::size_t exponentDigits = 0;
        while (i < end && isDigit(text[i])) {
            plain += text[i++];
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            mismatch();
    }
    if (i != end)
        mismatch();

    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Too small to hold reads as zero; only a value too large to hold is an overflow.
        if (decimalExponent(plain) > 0)
            raise(ErrorKind::Overflow, where, "\"" + std::string(text.substr(begin, 40)) + "\" is too large");
        value = 0.0;
    } else if (ec != std::errc() || ptr != plain.data() + plain.size()) {
        mismatch();
    }
    return negative ? -value : value;
}

std::string decimal(std::int32_t value)
{
    return std::to_string(value);
}

} // namespace checked
