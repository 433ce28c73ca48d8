// The totals routine, the longest service, the amount-text check and clearing.
#include "return_ledger.h"

#include <gtest/gtest.h>

#include <limits>

namespace tax {
namespace {

struct IncomeCase {
    const char *name;
    Currency salary, providentFund, severance;
    Currency line4, line5, line7;
};

class IncomeLines : public testing::TestWithParam<IncomeCase> {};

TEST_P(IncomeLines, taxpayerAndSpouseGetTheSameLines)
{
    const IncomeCase &c = GetParam();
    for (auto [lineFourCase, expenseCase] : {std::pair{1, 3}, std::pair{2, 4}}) {
        ReturnLedger ledger;
        PersonFigures &person = lineFourCase == 1 ? ledger.taxpayer : ledger.spouse;
        PersonFigures &other = lineFourCase == 1 ? ledger.spouse : ledger.taxpayer;
        person.entries[0] = c.salary;
        person.entries[1] = c.providentFund;
        person.entries[2] = c.severance;
        UpdateTotals(ledger, lineFourCase);
        UpdateTotals(ledger, expenseCase);
        EXPECT_EQ(person.totals[0], c.line4);
        EXPECT_EQ(person.totals[1], c.line5);
        EXPECT_EQ(person.totals[2], c.line7);
        EXPECT_EQ(other.totals[0], 0) << "the other person is untouched";
    }
}

INSTANTIATE_TEST_SUITE_P(Table, IncomeLines, testing::Values(
    IncomeCase{"expenseOfExactlyTheCapStays", baht(150'000), 0, 0, baht(150'000), baht(60'000), baht(90'000)},
    IncomeCase{"expenseAboveTheCapIsCapped", baht(150'000) + 100, 0, 0, baht(150'000) + 100, baht(60'000), baht(90'000) + 100},
    IncomeCase{"expenseBelowTheCap", baht(100'000), 0, 0, baht(100'000), baht(40'000), baht(60'000)},
    IncomeCase{"severanceIsAdded", baht(100'000), baht(20'000), baht(50'000), baht(130'000), baht(52'000), baht(78'000)},
    IncomeCase{"negativeLineFourGivesNegativeExpense", baht(100), baht(300), 0, baht(-200), baht(-80), baht(-120)},
    IncomeCase{"fortyPercentOfOneUnitIsZero", 1, 0, 0, 1, 0, 1},
    IncomeCase{"fortyPercentOfFourUnitsRoundsUp", 4, 0, 0, 4, 2, 2},
    IncomeCase{"millionWithProvidentFund", baht(1'000'000), baht(50'000), 0, baht(950'000), baht(60'000), baht(890'000)}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(UpdateTotals, lineFourteenCountsEachCappedItemAtTenThousand)
{
    ReturnLedger ledger;
    auto &e = ledger.taxpayer.entries;
    e[3] = baht(30'000);
    e[6] = baht(25'000);
    e[9] = baht(9'000);
    UpdateTotals(ledger, 5);
    EXPECT_EQ(ledger.taxpayer.totals[9], baht(49'000));
    EXPECT_EQ(e[6], baht(25'000)) << "the entry keeps the amount as entered";

    auto &s = ledger.spouse.entries;
    s[3] = baht(30'000);
    s[6] = baht(5'000);
    s[7] = baht(12'000);
    s[8] = baht(10'000);
    s[9] = baht(1'000);
    s[10] = baht(7'500);
    s[11] = baht(8'500);
    UpdateTotals(ledger, 6);
    EXPECT_EQ(ledger.spouse.totals[9], baht(30'000 + 5'000 + 10'000 + 10'000 + 1'000 + 7'500 + 8'500));
}

TEST(UpdateTotals, attachmentItemsSumToItemsFourAndSix)
{
    ReturnLedger ledger;
    auto &e = ledger.spouse.entries;
    e[13] = baht(100'000);
    e[14] = baht(50'000);
    e[15] = baht(50'000);
    e[16] = baht(300'000);
    UpdateTotals(ledger, 11);
    EXPECT_EQ(ledger.spouse.totals[11], baht(200'000));
    EXPECT_EQ(ledger.spouse.totals[12], baht(500'000));
    EXPECT_EQ(ledger.taxpayer.totals[12], 0);
}

TEST(UpdateTotals, unknownCasesChangeNothing)
{
    ReturnLedger ledger;
    ledger.taxpayer.entries.fill(baht(1));
    ledger.spouse.entries.fill(baht(2));
    const ReturnLedger before = ledger;
    for (int which : {0, 7, 8, 9, 12, -1, 100}) {
        UpdateTotals(ledger, which);
        EXPECT_EQ(ledger.taxpayer.totals, before.taxpayer.totals) << which;
        EXPECT_EQ(ledger.spouse.totals, before.spouse.totals) << which;
    }
}

TEST(UpdateTotals, overflowingLineFourFailsAndKeepsThePreviousValue)
{
    ReturnLedger ledger;
    ledger.taxpayer.totals[0] = 123;
    ledger.taxpayer.entries[0] = std::numeric_limits<Currency>::max();
    ledger.taxpayer.entries[2] = 1;
    EXPECT_THROW(UpdateTotals(ledger, 1), FloatingPointError);
    EXPECT_EQ(ledger.taxpayer.totals[0], 123);
}

struct ServiceCase {
    const char *name;
    Currency years[4];
    long double longest;
};

class LongestService : public testing::TestWithParam<ServiceCase> {};

TEST_P(LongestService, isTheLargestOfTheFourRows)
{
    ReturnLedger ledger;
    for (int i = 0; i < 4; ++i)
        ledger.common[i] = GetParam().years[i];
    FindLongestService(ledger);
    EXPECT_EQ(ledger.longestService, GetParam().longest);
}

INSTANTIATE_TEST_SUITE_P(Table, LongestService, testing::Values(
    ServiceCase{"twoEqualRows", {baht(5), baht(5), 0, 0}, 5.0L},
    ServiceCase{"allZero", {0, 0, 0, 0}, 0.0L},
    ServiceCase{"fractionalYears", {baht(2), 75'000, baht(3), baht(7)}, 7.5L},
    ServiceCase{"lastRowLongest", {baht(5), baht(12), 0, baht(8)}, 12.0L}),
    [](const auto &info) { return std::string(info.param.name); });

struct CharCase {
    const char *name;
    std::u32string_view text;
    bool passes;
};

class AmountTextCheck : public testing::TestWithParam<CharCase> {};

TEST_P(AmountTextCheck, acceptsOnlyDigitsAndThePoint)
{
    ReturnLedger ledger;
    ledger.badChar = 1; // a previous refusal must not stick
    EXPECT_EQ(CheckAmountText(ledger, GetParam().text), GetParam().passes);
    EXPECT_EQ(ledger.badChar, GetParam().passes ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Table, AmountTextCheck, testing::Values(
    CharCase{"digits", U"1234567890", true},
    CharCase{"pointsAreNotCounted", U"1.2.3", true},
    CharCase{"empty", U"", true},
    CharCase{"comma", U"1,000", false},
    CharCase{"blank", U"1 000", false},
    CharCase{"minus", U"-5", false},
    CharCase{"slash", U"1/2", false},
    CharCase{"letter", U"12a", false},
    CharCase{"thaiDigit", U"๑๒", false},
    CharCase{"thaiLetter", U"ก", false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ClearLedger, zeroesEveryAmountButNotTheWorkingValues)
{
    ReturnLedger ledger;
    for (PersonFigures *p : {&ledger.taxpayer, &ledger.spouse}) {
        p->totals.fill(7);
        p->entries.fill(7);
        p->severanceSalary = p->severanceYears = p->expenseYears = 7;
        p->severanceFlag = 1;
    }
    ledger.common.fill(7);
    ledger.badChar = 1;
    ledger.longestService = 3;
    ClearLedger(ledger);
    for (const PersonFigures *p : {&ledger.taxpayer, &ledger.spouse}) {
        for (int i = 0; i < 50; ++i) {
            EXPECT_EQ(p->totals[i], 0);
            EXPECT_EQ(p->entries[i], 0);
        }
        EXPECT_EQ(p->severanceSalary, 0);
        EXPECT_EQ(p->severanceYears, 0);
        EXPECT_EQ(p->expenseYears, 0);
        EXPECT_EQ(p->severanceFlag, 0);
    }
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(ledger.common[i], 0);
    EXPECT_EQ(ledger.badChar, 1);
    EXPECT_EQ(ledger.longestService, 3);
}

} // namespace
} // namespace tax
