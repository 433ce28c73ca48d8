// What the fuzz targets share: stopping on a broken property with a clear
// message, 128-bit reference arithmetic, and the amount as the display shows it.
#pragma once

#include "amount_text.h"
#include "currency.h"

#include <cstdio>
#include <exception>
#include <limits>
#include <string>
#include <string_view>

namespace fuzz {

// Reference arithmetic: every sum, difference or product of two amounts is
// exact in 128 bits.
using Wide = __int128;

inline constexpr Wide kLowest = std::numeric_limits<tax::Currency>::min();
inline constexpr Wide kHighest = std::numeric_limits<tax::Currency>::max();

inline bool fits(Wide value) { return value >= kLowest && value <= kHighest; }

inline Wide magnitude(Wide value) { return value < 0 ? -value : value; }

inline std::string decimal(Wide value)
{
    if (value == 0)
        return "0";
    std::string digits;
    for (Wide rest = magnitude(value); rest != 0; rest /= 10)
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(rest % 10)));
    return value < 0 ? "-" + digits : digits;
}

// Prints what broke and stops the fuzzer on it.
[[noreturn]] inline void fail(std::string_view property, const std::string &detail)
{
    std::fprintf(stderr, "\n==== BROKEN PROPERTY: %.*s\n     %s\n", static_cast<int>(property.size()),
                 property.data(), detail.c_str());
    std::fflush(stderr);
    __builtin_trap();
}

// The detail text is built only when the property is broken.
#define FUZZ_REQUIRE(holds, property, detail)   \
    do {                                        \
        if (!(holds))                           \
            ::fuzz::fail((property), (detail)); \
    } while (false)

// num / den rounded to the nearest integer, halves to even (den > 0).
inline Wide nearest(Wide num, Wide den)
{
    Wide quotient = num / den;
    Wide rest = num % den;
    if (rest < 0) {
        quotient -= 1;
        rest += den;
    }
    if (2 * rest > den || (2 * rest == den && (quotient & 1) != 0))
        quotient += 1;
    return quotient;
}

// An amount rounded to whole satang, halves away from zero: what the money
// format shows of it.
inline Wide toSatang(tax::Currency amount)
{
    const Wide m = magnitude(amount);
    const Wide shown = (m + 50) / 100 * 100;
    return amount < 0 ? -shown : shown;
}

// The display text without its thousands separators, which the amount
// conversion does not take.
inline std::string withoutSeparators(std::string_view text)
{
    std::string plain;
    for (char c : text)
        if (c != ',')
            plain += c;
    return plain;
}

// Results that went through the extended format may miss the exactly rounded
// value by a unit or two once they are this large.
inline constexpr Wide kExactBelow = Wide(1) << 50;

inline Wide slack(Wide exactMagnitude) { return exactMagnitude < kExactBelow ? 0 : 2; }

// result is num / den rounded to the nearest unit (a tie may go either way),
// give or take the slack of large values.
inline bool roundsTo(tax::Currency result, Wide num, Wide den)
{
    const Wide error = magnitude(Wide(result) * den - num);
    return 2 * error <= den + 2 * den * slack(magnitude(num / den));
}

// A result computed through the extended format may be refused as an
// overflow when its exact value lies this close to the 64-bit limits.
inline bool nearOrBeyondLimits(Wide exact)
{
    return magnitude(exact) > kHighest - (Wide(1) << 12);
}

// ... and must be refused when it lies this far beyond them.
inline bool clearlyBeyondLimits(Wide exact)
{
    return magnitude(exact) > kHighest + (Wide(1) << 12);
}

// What the amount conversion made of a text. Anything but its two documented
// errors escaping it breaks a property.
struct Conversion {
    enum class Outcome { amount, notANumber, overflow } outcome = Outcome::amount;
    tax::Currency amount = 0;
    std::string message;
};

inline Conversion convert(std::string_view text)
{
    using Outcome = Conversion::Outcome;
    try {
        return {Outcome::amount, tax::parseAmount(text), {}};
    } catch (const tax::ConversionError &e) {
        return {Outcome::notANumber, 0, e.what()};
    } catch (const tax::FloatingPointError &e) {
        return {Outcome::overflow, 0, e.what()};
    } catch (const std::exception &e) {
        fail("parseAmount throws only ConversionError or FloatingPointError", e.what());
    } catch (...) {
        fail("parseAmount throws only ConversionError or FloatingPointError", "a non-standard exception");
    }
}

} // namespace fuzz
