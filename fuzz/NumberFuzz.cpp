// Checks the number reader of the level lines against the C library's strtod
// in the C locale. Where strtod reads the whole text (blanks and tabs around it
// aside) in a form the reader knows, the reader must give the same double, or
// an overflow where strtod gives infinity; everywhere else it must refuse the
// text as a type mismatch. Any other outcome stops the run as a finding.
#include "shell/layer/Checked.h"
#include "shell/layer/RuntimeError.h"
#include "shell/layer/qt/QtBackend.h"

#include <locale.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

[[noreturn]] void finding(const char *what, const std::string &text)
{
    std::fprintf(stderr, "number reader: %s for \"%s\"\n", what, text.c_str());
    std::abort();
}

// The number strtod reads from the whole text, if it reads all of it in a
// form of sign, digits, point and exponent (no hexadecimal, infinity or NaN).
std::optional<double> strtodWhole(const std::string &text)
{
    std::size_t begin = 0, end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t'))
        ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    const std::string number = text.substr(begin, end - begin);
    if (number.empty() || number.find_first_not_of("0123456789+-.eE") != std::string::npos)
        return std::nullopt;
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    char *stop = nullptr;
    const double value = strtod_l(number.c_str(), &stop, c);
    if (stop != number.c_str() + number.size())
        return std::nullopt;
    return value;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    setenv("LC_ALL", "C", 1); // a point is the decimal separator, as for strtod
    QtBackend::install();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const std::optional<double> expected = strtodWhole(text);
    try {
        const double value = checked::toNumber(text);
        if (!expected)
            finding("a number strtod does not read", text);
        if (std::memcmp(&value, &*expected, sizeof value) != 0)
            finding("another value than strtod's", text);
    } catch (const RuntimeError &error) {
        if (error.kind() == ErrorKind::Overflow) {
            if (!expected || !std::isinf(*expected))
                finding("an overflow where strtod gives no infinity", text);
        } else if (error.kind() != ErrorKind::TypeMismatch) {
            finding("an error of another kind", text);
        } else if (expected) {
            finding("a type mismatch for a number strtod reads", text);
        }
    }
    return 0;
}
