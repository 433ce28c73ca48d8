// Rounding and checked arithmetic of amounts.
#include "currency.h"

#include <cmath>
#include <string>

namespace tax {

namespace {

// The message travels as a C string, which a NUL in the text (pasted into a
// field) would cut short; the replacement character stands in its place.
std::string quoted(const std::string &text)
{
    std::string shown;
    for (const char c : text) {
        if (c == '\0')
            shown += "\xEF\xBF\xBD";
        else
            shown += c;
    }
    return "'" + shown + "'";
}

} // namespace

ConversionError::ConversionError(const std::string &text)
    : AmountError(quoted(text) + " is not a valid floating point value")
{
}

FloatingPointError::FloatingPointError()
    : AmountError("Invalid floating point operation")
{
}

Currency roundHalfEven(long double value)
{
    // -2^63 and 2^63 are exact in the extended format; the range is half open.
    constexpr long double lowest = -9223372036854775808.0L;
    constexpr long double beyond = 9223372036854775808.0L;
    if (!std::isfinite(value))
        throw FloatingPointError();
    // Half to even, spelled out so that it does not depend on the FPU rounding mode.
    // value - floor(value) is exact in the extended format.
    long double rounded = std::floor(value);
    const long double fraction = value - rounded;
    if (fraction > 0.5L || (fraction == 0.5L && std::fmod(rounded, 2.0L) != 0.0L))
        rounded += 1.0L;
    if (rounded < lowest || rounded >= beyond)
        throw FloatingPointError();
    return static_cast<Currency>(rounded);
}

Currency multiply(Currency amount, long double factor)
{
    return roundHalfEven(static_cast<long double>(amount) * factor);
}

Currency multiplyCount(Currency count, Currency amountEach)
{
    return multiply(count, static_cast<long double>(amountEach / kUnitsPerBaht));
}

Currency add(Currency a, Currency b)
{
    Currency sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        throw FloatingPointError();
    return sum;
}

Currency subtract(Currency a, Currency b)
{
    Currency difference = 0;
    if (__builtin_sub_overflow(a, b, &difference))
        throw FloatingPointError();
    return difference;
}

} // namespace tax
