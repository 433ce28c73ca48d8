// Conversion of field texts to amounts and the fixed money display.
#include "amount_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace tax {
namespace {

struct ParseCase {
    const char *name;
    const char *text;
    Currency expected;
};

class ParseAmount : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseAmount, scalesByTenThousandAndRoundsHalfToEven)
{
    EXPECT_EQ(parseAmount(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Accepted, ParseAmount, testing::Values(
    ParseCase{"wholeBaht", "1000000", 10'000'000'000},
    ParseCase{"fiveDecimalsRoundUp", "12.34567", 123457},
    ParseCase{"halfOfTheSmallestUnitGoesToEvenZero", "0.00005", 0},
    ParseCase{"oneAndAHalfUnitsGoesToEvenTwo", "0.00015", 2},
    ParseCase{"twoAndAHalfUnitsGoesToEvenTwo", "0.00025", 2},
    ParseCase{"aboveHalfRoundsUp", "0.000050001", 1},
    ParseCase{"tinyValueIsZero", "0.00001", 0},
    ParseCase{"negativeHalfGoesToEvenZero", "-0.00005", 0},
    ParseCase{"negativeRoundsSymmetrically", "-0.00015", -2},
    ParseCase{"blanksAroundAreAllowed", "  42.5  ", 425'000},
    ParseCase{"leadingPlus", "+7", 70'000},
    ParseCase{"leadingMinus", "-1234.5", -12'345'000},
    ParseCase{"pointWithoutFraction", "5.", 50'000},
    ParseCase{"fractionWithoutWhole", ".5", 5'000},
    ParseCase{"exponent", "1.5e3", 15'000'000},
    ParseCase{"negativeExponent", "25E-2", 2'500},
    ParseCase{"hugeNegativeExponentIsZero", "1e-999999999999", 0},
    ParseCase{"doubleZeroIsZero", "00", 0},
    ParseCase{"zeroPointZero", "0.0", 0},
    ParseCase{"manyLeadingZeros", "0000000000000000000000000012", 120'000},
    ParseCase{"largestAmount", "922337203685477.5807", std::numeric_limits<Currency>::max()},
    ParseCase{"smallestAmount", "-922337203685477.5808", std::numeric_limits<Currency>::min()},
    ParseCase{"largestAmountReachedByRoundingDown", "922337203685477.58074", std::numeric_limits<Currency>::max()}),
    [](const auto &info) { return std::string(info.param.name); });

class ParseAmountRejects : public testing::TestWithParam<const char *> {};

TEST_P(ParseAmountRejects, withTheConversionMessage)
{
    const std::string text = GetParam();
    try {
        parseAmount(text);
        FAIL() << "accepted '" << text << "'";
    } catch (const ConversionError &e) {
        EXPECT_EQ(std::string(e.what()), "'" + text + "' is not a valid floating point value");
    }
}

INSTANTIATE_TEST_SUITE_P(NotANumber, ParseAmountRejects, testing::Values(
    "", " ", "1,000", "1.2.3", "inf", "nan", "-inf", "0x10", "0x1p3", "abc", "12a", "1e", "1e+",
    "e5", ".", "-", "+-1", "1 000", "\t1", "1\t", "๑๒", "1-", "--1", "1..", "1e5.5"));

class ParseAmountOverflows : public testing::TestWithParam<const char *> {};

TEST_P(ParseAmountOverflows, withTheFloatingPointMessage)
{
    EXPECT_THROW(parseAmount(GetParam()), FloatingPointError);
}

INSTANTIATE_TEST_SUITE_P(BeyondSixtyFourBits, ParseAmountOverflows, testing::Values(
    "922337203685477.5808", "-922337203685477.5809", "922337203685477.58075",
    "1e16", "1e999999999999", "99999999999999999999999999", "-1e300"));

struct FormatCase {
    const char *name;
    Currency amount;
    const char *expected;
};

class FormatMoney : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatMoney, showsTwelveCharactersWithSeparators)
{
    EXPECT_EQ(formatMoney(GetParam().amount), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, FormatMoney, testing::Values(
    FormatCase{"zero", 0, "        0.00"},
    FormatCase{"smallestUnitShowsZero", 5, "        0.00"},
    FormatCase{"halfACentRoundsAwayFromZero", 50, "        0.01"},
    FormatCase{"negativeHalfACentRoundsAwayFromZero", -50, "       -0.01"},
    FormatCase{"justBelowHalfACent", 49, "        0.00"},
    FormatCase{"thousands", baht(1'234) + 5'000, "    1,234.50"},
    FormatCase{"negativeThousands", -(baht(1'234) + 5'000), "   -1,234.50"},
    FormatCase{"millionsFillTheWidth", baht(950'000), "  950,000.00"},
    FormatCase{"widerThanTwelveIsNotCut", baht(1'000'000'000), "1,000,000,000.00"},
    FormatCase{"largest", std::numeric_limits<Currency>::max(), "922,337,203,685,477.58"},
    FormatCase{"smallest", std::numeric_limits<Currency>::min(), "-922,337,203,685,477.58"},
    FormatCase{"fiveYears", 50'000, "        5.00"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace tax
