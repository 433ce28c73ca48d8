// The amount type of the program and the two ways an amount computation can fail.
#pragma once

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

namespace tax {

// Every amount is baht x 10000 in a signed 64-bit integer. Counts of children
// and years of work use the same scale (3 children = 30000).
using Currency = std::int64_t;

inline constexpr Currency kUnitsPerBaht = 10000;

constexpr Currency baht(std::int64_t wholeBaht) { return wholeBaht * kUnitsPerBaht; }

// Products with a factor (40 %, tax rates, one half ...) are computed in x87
// extended precision and only then rounded back to a whole unit.
static_assert(std::numeric_limits<long double>::digits == 64,
              "amount products need the 80-bit extended format (64-bit mantissa)");

// Base of the errors an amount computation reports to the user with its
// runtime text; the handler that hit it stops there.
class AmountError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that is not a plain decimal number.
class ConversionError : public AmountError {
public:
    explicit ConversionError(const std::string &text);
};

// A result that does not fit the 64-bit amount.
class FloatingPointError : public AmountError {
public:
    FloatingPointError();
};

// Rounds an extended value to the nearest unit, halves to even. Throws
// FloatingPointError when the value is not finite or outside the 64-bit range.
Currency roundHalfEven(long double value);

// amount x factor in extended precision, rounded halves to even.
Currency multiply(Currency amount, long double factor);

// A count or a number of years (x 10000) times a whole-baht amount per one.
// The product of the two integers is exact whenever it fits the 64-bit mantissa,
// which every result that fits an amount does.
Currency multiplyCount(Currency count, Currency amountEach);

// Exact sums and differences; a result outside the 64-bit range throws
// FloatingPointError instead of wrapping.
Currency add(Currency a, Currency b);
Currency subtract(Currency a, Currency b);

} // namespace tax
