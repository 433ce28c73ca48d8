// Rounding of extended products and checked sums of amounts.
#include "currency.h"

#include <gtest/gtest.h>

#include <limits>

namespace tax {
namespace {

struct RoundCase {
    const char *name;
    long double value;
    Currency expected;
};

class RoundHalfEven : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundHalfEven, roundsToNearestWithTiesToEven)
{
    EXPECT_EQ(roundHalfEven(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, RoundHalfEven, testing::Values(
    RoundCase{"halfGoesDownToEven", 0.5L, 0},
    RoundCase{"oneAndHalfGoesUpToEven", 1.5L, 2},
    RoundCase{"twoAndHalfGoesDownToEven", 2.5L, 2},
    RoundCase{"negativeHalfGoesToZero", -0.5L, 0},
    RoundCase{"negativeOneAndHalfGoesToMinusTwo", -1.5L, -2},
    RoundCase{"justAboveHalfGoesUp", 0.5000001L, 1},
    RoundCase{"justBelowHalfGoesDown", 0.4999999L, 0},
    RoundCase{"largestAmountIsExact", 9223372036854775807.0L, std::numeric_limits<Currency>::max()}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RoundHalfEvenLimits, valuesOutsideTheRangeFail)
{
    EXPECT_THROW(roundHalfEven(9223372036854775808.0L), FloatingPointError);
    EXPECT_THROW(roundHalfEven(-9223372036854775808.0L * 2), FloatingPointError);
    EXPECT_THROW(roundHalfEven(std::numeric_limits<long double>::infinity()), FloatingPointError);
    EXPECT_THROW(roundHalfEven(std::numeric_limits<long double>::quiet_NaN()), FloatingPointError);
    EXPECT_EQ(roundHalfEven(-9223372036854775808.0L), std::numeric_limits<Currency>::min());
}

TEST(Multiply, fortyPercentHasNoTiesAndRoundsToNearest)
{
    EXPECT_EQ(multiply(1, 0.4L), 0);  // 0.4
    EXPECT_EQ(multiply(4, 0.4L), 2);  // 1.6
    EXPECT_EQ(multiply(baht(150'000), 0.4L), baht(60'000));
}

TEST(Multiply, thirtyPercentOfAHalfwayProductComesOutOneHigher)
{
    // 335 x 0.3 is 100.5 in decimal, but the extended value of 0.3 lies just
    // above 0.3, so the product is just above the half and rounds up.
    EXPECT_EQ(multiply(335, 0.3L), 101);
    EXPECT_EQ(multiply(345, 0.3L), 104);
}

TEST(CheckedArithmetic, overflowFailsInsteadOfWrapping)
{
    constexpr Currency max = std::numeric_limits<Currency>::max();
    constexpr Currency min = std::numeric_limits<Currency>::min();
    EXPECT_EQ(add(max - 1, 1), max);
    EXPECT_THROW(add(max, 1), FloatingPointError);
    EXPECT_THROW(subtract(min, 1), FloatingPointError);
    EXPECT_EQ(subtract(-5, 7), -12);
    EXPECT_THROW(multiply(max, 2.0L), FloatingPointError);
}

TEST(ErrorTexts, carryTheRuntimeWording)
{
    EXPECT_STREQ(ConversionError("1.2.3").what(), "'1.2.3' is not a valid floating point value");
    // A NUL pasted into a field does not cut the message short.
    EXPECT_STREQ(ConversionError(std::string("12\0" "3", 4)).what(),
                 "'12\xEF\xBF\xBD" "3' is not a valid floating point value");
    EXPECT_STREQ(FloatingPointError().what(), "Invalid floating point operation");
}

} // namespace
} // namespace tax
