#include "shell/layer/Checked.h"
#include "shell/layer/RuntimeError.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace {

ErrorKind kindOf(const auto &action)
{
    try {
        action();
    } catch (const RuntimeError &error) {
        return error.kind();
    }
    ADD_FAILURE() << "no run-time error";
    return ErrorKind::PropertyAccess;
}

} // namespace

TEST(Rounding, TiesGoToTheEvenInteger)
{
    EXPECT_EQ(checked::round16(2.5), 2);
    EXPECT_EQ(checked::round16(3.5), 4);
    EXPECT_EQ(checked::round16(-2.5), -2);
    EXPECT_EQ(checked::round16(-0.5), 0);
    EXPECT_EQ(checked::round16(75.5), 76);
    EXPECT_EQ(checked::round16(151.5), 152);
    EXPECT_EQ(checked::round32(355.5), 356);
    EXPECT_EQ(checked::round32(100.5), 100);
}

TEST(Rounding, NonTiesGoToTheNearestInteger)
{
    EXPECT_EQ(checked::round16(2.4999), 2);
    EXPECT_EQ(checked::round16(-2.6), -3);
    EXPECT_EQ(checked::round32(1e9 + 0.7), 1000000001);
}

TEST(Rounding, ValuesOutsideTheTargetRangeOverflow)
{
    EXPECT_EQ(checked::round16(32767.4), 32767);
    EXPECT_EQ(checked::round16(-32768.5), -32768); // the tie goes to the even -32768
    EXPECT_EQ(kindOf([] { checked::round16(32767.5); }), ErrorKind::Overflow);
    EXPECT_EQ(kindOf([] { checked::round16(-32768.6); }), ErrorKind::Overflow);
    EXPECT_EQ(kindOf([] { checked::round32(2147483647.5); }), ErrorKind::Overflow);
    EXPECT_EQ(checked::round32(-2147483648.0), std::numeric_limits<std::int32_t>::min());
}

TEST(Rounding, NonFiniteValuesAreFloatingPointErrors)
{
    EXPECT_EQ(kindOf([] { checked::round16(std::nan("")); }), ErrorKind::FloatingPoint);
    EXPECT_EQ(kindOf([] { checked::round32(HUGE_VAL); }), ErrorKind::FloatingPoint);
}

TEST(SixteenBitArithmetic, OverflowsAtBothEnds)
{
    EXPECT_EQ(checked::add16(32766, 1), 32767);
    EXPECT_EQ(kindOf([] { checked::add16(32767, 1); }), ErrorKind::Overflow);
    EXPECT_EQ(checked::sub16(-32767, 1), -32768);
    EXPECT_EQ(kindOf([] { checked::sub16(-32768, 1); }), ErrorKind::Overflow);
    EXPECT_EQ(kindOf([] { checked::sub16(0, -32768); }), ErrorKind::Overflow);
    EXPECT_EQ(checked::mul16(2184, 15), 32760);
    EXPECT_EQ(kindOf([] { checked::mul16(2185, 15); }), ErrorKind::Overflow);
    EXPECT_EQ(kindOf([] { checked::mul16(-2185, 15); }), ErrorKind::Overflow);
}

TEST(FloatingPointChecks, CatchOverflowDivisionByZeroAndInvalidOperations)
{
    EXPECT_EQ(kindOf([] { checked::real(HUGE_VAL); }), ErrorKind::FloatingPoint);
    EXPECT_EQ(kindOf([] { checked::real(std::nan("")); }), ErrorKind::FloatingPoint);
    EXPECT_EQ(kindOf([] { checked::divide(1.0, 0.0); }), ErrorKind::FloatingPoint);
    EXPECT_EQ(kindOf([] { checked::single(1e39); }), ErrorKind::FloatingPoint);
    EXPECT_EQ(checked::single(FLT_MAX), FLT_MAX);
    EXPECT_EQ(checked::divide(1.0, 4.0), 0.25);
}

TEST(TextToNumber, AcceptsBlanksSignAndFraction)
{
    EXPECT_EQ(checked::toNumber(" 3 "), 3.0);
    EXPECT_EQ(checked::toNumber("1.5"), 1.5);
    EXPECT_EQ(checked::toNumber("\t-2\t"), -2.0);
    EXPECT_EQ(checked::toNumber("+7"), 7.0);
    EXPECT_EQ(checked::toNumber(".5"), 0.5);
    EXPECT_EQ(checked::toNumber("5."), 5.0);
    EXPECT_EQ(checked::toNumber("1e3"), 1000.0);
    EXPECT_EQ(checked::toNumber("1e-400"), 0.0);
}

TEST(TextToNumber, AnythingElseIsATypeMismatch)
{
    for (const char *text : {"", "   ", "abc", "3a", "1.5.2", "-", ".", "1e", "--1", "0x10", "3 4", "nan", "inf",
                             "&H10", "\xef\xbb\xbf" "1", "1\r", "\v1", "1e+", "+-1", "1e--1", "0x1p3", "infinity"})
        EXPECT_EQ(kindOf([&] { checked::toNumber(text); }), ErrorKind::TypeMismatch) << '"' << text << '"';
}

TEST(TextToNumber, TooLargeANumberOverflows)
{
    for (const char *text : {"1e400", "1e99999999999", "9e+00000000999", "1e0000000000000400", "-2e308"})
        EXPECT_EQ(kindOf([&] { checked::toNumber(text); }), ErrorKind::Overflow) << text;
}

TEST(TextToNumber, LongDigitStringsAndZeroPaddedExponentsReadExactly)
{
    const struct {
        const char *text;
        double value;
    } cases[] = {
        {"-8031E-00000000001296", -0.0},
        {"1e-0000000000003", 0.001},
        {"25e0000000000000000000000001", 250.0},
        {"00000000000000000000000000003", 3.0},
        {"0.000000000000000000000000000000000000000000000001e48", 1.0},
        {"1000000000000000000000000000000e-30", 1.0},
        {"4.9406564584124654e-324", 4.9406564584124654e-324},
    };
    for (const auto &c : cases)
        EXPECT_EQ(checked::toNumber(c.text), c.value) << c.text;
}

TEST(TextToNumber, TheMessageNamesTheTextAndWhereItCameFrom)
{
    try {
        checked::toNumber("abc", "line 4 of /x/Level1.lvl");
        FAIL();
    } catch (const RuntimeError &error) {
        EXPECT_EQ(error.message(), "Type mismatch: line 4 of /x/Level1.lvl: \"abc\" is not a number");
    }
}
