#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Checked arithmetic and conversions. Each raises RuntimeError instead of
// wrapping, saturating or returning a non-finite value; `where` names what
// the value concerns (for example "line 4 of .../Level1.lvl") and may be empty.
namespace checked {

std::int16_t add16(std::int16_t a, std::int16_t b, std::string_view where = {});
std::int16_t sub16(std::int16_t a, std::int16_t b, std::string_view where = {});
std::int16_t mul16(std::int16_t a, std::int16_t b, std::string_view where = {});

// Nearest integer, a tie going to the even one (2.5 -> 2, 3.5 -> 4, -0.5 -> 0).
std::int16_t round16(double value, std::string_view where = {});
std::int32_t round32(double value, std::string_view where = {});

// A floating-point result: NaN is an invalid operation, infinity an overflow.
double real(double value, std::string_view where = {});
// A result stored in single precision: also an overflow when it exceeds float's range.
float single(double value, std::string_view where = {});
// Division with the divide-by-zero test.
double divide(double numerator, double denominator, std::string_view where = {});

// Text to number: blanks around, a sign, a fraction with the locale's decimal
// separator (a point is always accepted), an exponent. Anything else is a type mismatch.
double toNumber(std::string_view text, std::string_view where = {});

// Plain decimal text of a counter: digits, a minus sign before a negative value.
std::string decimal(std::int32_t value);

} // namespace checked
