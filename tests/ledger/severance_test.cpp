// The severance expense panel: opening, lines 8 and 9, the radios, lines 10 to 13.
#include "severance.h"

#include <gtest/gtest.h>

namespace tax {
namespace {

// Puts attachment items 1-3 (as one total) and item 5 of a person in the ledger.
void setItems(ReturnLedger &ledger, Person who, Currency items1to3, Currency item5)
{
    PersonFigures &p = figures(ledger, who);
    p.entries[entry::attachmentItem1] = items1to3;
    p.entries[entry::attachmentItem5] = item5;
    UpdateTotals(ledger, who == Person::taxpayer ? 10 : 11);
}

struct OpeningCase {
    const char *name;
    Currency items1to3, item5;
    long double longestService;
    bool itemsOnly;
    std::int32_t flag;
    Currency line9, line10; // as stored after opening; 1 and 2 stand for untouched
};

class Opening : public testing::TestWithParam<OpeningCase> {};

TEST_P(Opening, setsTheFlagAndFillsTheItemsOnlyCaseForThatPersonAlone)
{
    const OpeningCase &c = GetParam();
    for (Person who : {Person::taxpayer, Person::spouse}) {
        const Person other = who == Person::taxpayer ? Person::spouse : Person::taxpayer;
        ReturnLedger ledger;
        ledger.longestService = c.longestService;
        setItems(ledger, who, c.items1to3, c.item5);
        PersonFigures &p = figures(ledger, who);
        p.severanceFlag = 1;
        p.totals[total::severanceLine9] = 1;
        p.totals[total::severanceLine10] = 2;
        p.totals[total::severanceLine11] = 3;

        const SeveranceOpening opened = openSeverancePanel(ledger);
        const SeveranceOpeningSide &mine = who == Person::taxpayer ? opened.taxpayer : opened.spouse;
        const SeveranceOpeningSide &theirs = who == Person::taxpayer ? opened.spouse : opened.taxpayer;

        EXPECT_EQ(mine.itemsOnly, c.itemsOnly);
        EXPECT_FALSE(theirs.itemsOnly) << "the other person's controls stay enabled";
        EXPECT_EQ(p.severanceFlag, c.flag);
        EXPECT_EQ(figures(ledger, other).severanceFlag, 0);
        EXPECT_EQ(p.totals[total::severanceLine9], c.line9);
        EXPECT_EQ(p.totals[total::severanceLine10], c.line10);
        EXPECT_EQ(p.totals[total::severanceLine11], 3) << "lines 11 to 13 keep their values";
        EXPECT_EQ(mine.line9, c.itemsOnly ? c.line9 : 0) << "shown only in the items-only case";
        EXPECT_EQ(mine.line10, c.itemsOnly ? c.line10 : 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Opening, testing::Values(
    OpeningCase{"itemsOnly", baht(200'000), 0, 10.0L, true, 0, baht(200'000), baht(70'000)},
    OpeningCase{"itemsOnlyWithFractionalService", baht(200'000), 0, 7.5L, true, 0, baht(200'000), baht(52'500)},
    OpeningCase{"itemsOnlyAfterYearsWereCleared", baht(200'000), 0, 0.0L, true, 0, baht(200'000), 0},
    OpeningCase{"bothSetTheFlag", baht(100'000), baht(300'000), 10.0L, false, 1, 1, 2},
    OpeningCase{"itemFiveOnly", 0, baht(300'000), 10.0L, false, 0, 1, 2},
    OpeningCase{"nothingEnteredClearsTheFlag", 0, 0, 10.0L, false, 0, 1, 2}),
    [](const auto &info) { return std::string(info.param.name); });

struct BaseCase {
    const char *name;
    Currency items1to3, item5, salary, years;
    Currency line8, line9;
};

class LineNine : public testing::TestWithParam<BaseCase> {};

TEST_P(LineNine, countsItemFiveUpToSalaryTimesYears)
{
    const BaseCase &c = GetParam();
    ReturnLedger ledger;
    setItems(ledger, Person::spouse, c.items1to3, c.item5);
    openSeverancePanel(ledger);
    enterSeveranceSalary(ledger, Person::spouse, c.salary);
    enterSeveranceYears(ledger, Person::spouse, c.years, "typed");
    const SeveranceBase shown = severanceBase(ledger, Person::spouse);
    EXPECT_EQ(shown.line8, c.line8);
    EXPECT_EQ(shown.line9, c.line9);
    EXPECT_EQ(ledger.spouse.totals[total::severanceLine8], c.line8);
    EXPECT_EQ(ledger.spouse.totals[total::severanceLine9], c.line9);
}

INSTANTIATE_TEST_SUITE_P(Table, LineNine, testing::Values(
    BaseCase{"itemFiveAboveProduct", 0, baht(300'000), baht(20'000), baht(10), baht(200'000), baht(200'000)},
    BaseCase{"itemFiveBelowProduct", 0, baht(300'000), baht(40'000), baht(10), baht(400'000), baht(300'000)},
    BaseCase{"bothWithSmallProductAddItToItems", baht(100'000), baht(300'000), baht(20'000), baht(10), baht(200'000), baht(300'000)},
    BaseCase{"bothWithLargeProductTakeTheGrandTotal", baht(100'000), baht(300'000), baht(50'000), baht(10), baht(500'000), baht(400'000)},
    BaseCase{"fractionalYears", 0, baht(300'000), baht(20'000), 25'000, baht(50'000), baht(50'000)},
    BaseCase{"productTieGoesUpToEven", 0, baht(1), 3, 5'000, 2, 2},
    BaseCase{"productTieGoesDownToEven", 0, baht(1), 1, 5'000, 0, 0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LineEightYears, taxpayerTextIsCopiedAsTypedAndSpouseYearsFormatted)
{
    ReturnLedger ledger;
    EXPECT_EQ(enterSeveranceYears(ledger, Person::taxpayer, baht(5), "5"), "5");
    EXPECT_EQ(enterSeveranceYears(ledger, Person::spouse, baht(5), "5"), "        5.00");
    for (const PersonFigures *p : {&ledger.taxpayer, &ledger.spouse}) {
        EXPECT_EQ(p->severanceYears, baht(5));
        EXPECT_EQ(p->expenseYears, baht(5)) << "line 10 takes the same years";
    }
}

TEST(LineEightYears, yearsThatOverflowTheProductAreStoredBeforeItFails)
{
    ReturnLedger ledger;
    enterSeveranceSalary(ledger, Person::taxpayer, baht(100'000'000));
    const Currency years = baht(100'000'000);
    EXPECT_EQ(enterSeveranceYears(ledger, Person::taxpayer, years, "100000000"), "100000000");
    EXPECT_EQ(ledger.taxpayer.expenseYears, years);
    ledger.taxpayer.totals[total::severanceLine8] = 7;
    EXPECT_THROW(severanceBase(ledger, Person::taxpayer), FloatingPointError);
    EXPECT_EQ(ledger.taxpayer.totals[total::severanceLine8], 7) << "a failed product stores nothing";
}

struct ExpenseCase {
    const char *name;
    Currency line9;
    FirstPartRate rate;
    Currency years;
    SeveranceExpense expected;
};

class Expense : public testing::TestWithParam<ExpenseCase> {};

TEST_P(Expense, takesHalfOfWhatLineTenLeavesOfLineNine)
{
    const ExpenseCase &c = GetParam();
    ReturnLedger ledger;
    ledger.taxpayer.totals[total::severanceLine9] = c.line9;
    const SeveranceExpense shown = enterExpenseYears(ledger, Person::taxpayer, c.rate, c.years);
    const auto &t = ledger.taxpayer.totals;
    EXPECT_EQ(shown.line10, c.expected.line10);
    EXPECT_EQ(shown.line11, c.expected.line11);
    EXPECT_EQ(shown.line12, c.expected.line12);
    EXPECT_EQ(shown.line13, c.expected.line13);
    EXPECT_EQ(t[total::severanceLine10], c.expected.line10);
    EXPECT_EQ(t[total::severanceLine13], c.expected.line13);
    EXPECT_EQ(ledger.taxpayer.expenseYears, c.years);
}

constexpr auto k7000 = FirstPartRate::perYear7000, k3500 = FirstPartRate::perYear3500;

INSTANTIATE_TEST_SUITE_P(Table, Expense, testing::Values(
    ExpenseCase{"tenYearsAt7000", baht(200'000), k7000, baht(10), {baht(70'000), baht(130'000), baht(65'000), baht(135'000)}},
    ExpenseCase{"tenYearsAt3500", baht(200'000), k3500, baht(10), {baht(35'000), baht(165'000), baht(82'500), baht(117'500)}},
    ExpenseCase{"lineTenAboveLineNineGoesNegative", baht(10'000), k7000, baht(5), {baht(35'000), baht(-25'000), baht(-12'500), baht(22'500)}},
    ExpenseCase{"halfOfOneUnitIsZero", baht(70'000) + 1, k7000, baht(10), {baht(70'000), 1, 0, baht(70'000)}},
    ExpenseCase{"halfOfThreeUnitsIsTwo", baht(70'000) + 3, k7000, baht(10), {baht(70'000), 3, 2, baht(70'000) + 2}},
    ExpenseCase{"halfAYearAt3500", baht(10'000), k3500, 5'000, {baht(1'750), baht(8'250), baht(4'125), baht(5'875)}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FirstPartRadio, changesLineTenOnlyUntilTheYearsAreLeftAgain)
{
    ReturnLedger ledger;
    ledger.spouse.totals[total::severanceLine9] = baht(200'000);
    const SeveranceExpense before = enterExpenseYears(ledger, Person::spouse, k7000, baht(10));
    EXPECT_EQ(chooseFirstPartRate(ledger, Person::spouse, k3500), baht(35'000));
    const auto &t = ledger.spouse.totals;
    EXPECT_EQ(t[total::severanceLine10], baht(35'000));
    EXPECT_EQ(t[total::severanceLine11], before.line11);
    EXPECT_EQ(t[total::severanceLine13], before.line13);
    EXPECT_EQ(enterExpenseYears(ledger, Person::spouse, k3500, baht(10)).line13, baht(117'500));
}

TEST(ItemsOnlyPanel, openingThenLineTenYearsGivesTheWholeExpense)
{
    ReturnLedger ledger;
    ledger.longestService = 10.0L;
    setItems(ledger, Person::taxpayer, baht(200'000), 0);
    openSeverancePanel(ledger);
    const SeveranceExpense shown = enterExpenseYears(ledger, Person::taxpayer, k7000, baht(10));
    EXPECT_EQ(shown.line11, baht(130'000));
    EXPECT_EQ(shown.line12, baht(65'000));
    EXPECT_EQ(shown.line13, baht(135'000));
}

} // namespace
} // namespace tax
