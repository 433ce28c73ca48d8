// The attachment's lines 2 to 4, the balance of lines 6 and 7, and the
// compute button's view of the severance panel.
#include "attachment.h"

#include <gtest/gtest.h>

namespace tax {
namespace {

struct TaxCase {
    const char *name;
    Currency item6, line13;
    AttachmentTax expected;
};

class LinesTwoToFour : public testing::TestWithParam<TaxCase> {};

TEST_P(LinesTwoToFour, taxTheGrandTotalLessTheSeveranceExpense)
{
    const TaxCase &c = GetParam();
    for (Person who : {Person::taxpayer, Person::spouse}) {
        ReturnLedger ledger;
        PersonFigures &p = figures(ledger, who);
        p.totals[total::attachmentItem6] = c.item6;
        p.totals[total::severanceLine13] = c.line13;
        p.entries[entry::returnBands] = 7;
        const AttachmentTax shown = computeAttachmentTax(ledger, who);
        EXPECT_EQ(shown.line2, c.expected.line2);
        EXPECT_EQ(shown.line3, c.expected.line3);
        EXPECT_EQ(shown.line4, c.expected.line4);
        EXPECT_EQ(p.totals[total::attachmentLine3], c.expected.line3);
        EXPECT_EQ(p.totals[total::attachmentLine4], c.expected.line4);
        EXPECT_EQ(p.entries[entry::returnBands], 7) << "the return's own bands are not touched";
    }
}

INSTANTIATE_TEST_SUITE_P(Table, LinesTwoToFour, testing::Values(
    TaxCase{"itemsOnlyExample", baht(200'000), baht(135'000), {baht(135'000), baht(65'000), baht(3'250)}},
    TaxCase{"expenseAboveTheGrandTotalOwesNothing", baht(100'000), baht(135'000), {baht(135'000), baht(-35'000), 0}},
    TaxCase{"secondBand", baht(500'000), baht(150'000), {baht(150'000), baht(350'000), baht(30'000)}},
    TaxCase{"panelNeverUsed", baht(80'000), 0, {0, baht(80'000), baht(4'000)}}),
    [](const auto &info) { return std::string(info.param.name); });

struct BalanceCase {
    const char *name;
    Currency line4, withheld;
    AttachmentBalance balance;
    Currency line6, line7;
};

class Withholding : public testing::TestWithParam<BalanceCase> {};

TEST_P(Withholding, leavesEitherTaxToPayOrTaxOverpaid)
{
    const BalanceCase &c = GetParam();
    ReturnLedger ledger;
    PersonFigures &p = ledger.spouse;
    p.totals[total::attachmentLine4] = c.line4;
    p.totals[total::attachmentLine6] = 11;
    p.totals[total::attachmentLine7] = 22;
    const AttachmentBalanceLines shown = enterAttachmentWithholding(ledger, Person::spouse, c.withheld);
    EXPECT_EQ(shown.balance, c.balance);
    EXPECT_EQ(shown.line6, c.line6);
    EXPECT_EQ(shown.line7, c.line7);
    EXPECT_EQ(p.totals[total::attachmentLine6], c.line6);
    EXPECT_EQ(p.totals[total::attachmentLine7], c.line7);
    EXPECT_EQ(p.entries[entry::attachmentWithholding], c.withheld);
}

constexpr auto kToPay = AttachmentBalance::toPay, kOverpaid = AttachmentBalance::overpaid,
               kSettled = AttachmentBalance::settled;

INSTANTIATE_TEST_SUITE_P(Table, Withholding, testing::Values(
    BalanceCase{"withheldMoreIsOverpaid", baht(3'250), baht(5'000), kOverpaid, 0, baht(1'750)},
    BalanceCase{"withheldExactlyClearsBothLines", baht(3'250), baht(3'250), kSettled, 0, 0},
    BalanceCase{"withheldLessLeavesTaxToPay", baht(3'250), baht(1'000), kToPay, baht(2'250), 0},
    BalanceCase{"oneUnitShort", baht(3'250), baht(3'250) - 1, kToPay, 1, 0},
    BalanceCase{"nothingOwedNothingWithheld", 0, 0, kSettled, 0, 0}),
    [](const auto &info) { return std::string(info.param.name); });

struct GuardCase {
    const char *name;
    const char *text;
    bool entered;
};

class SeveranceGuard : public testing::TestWithParam<GuardCase> {};

TEST_P(SeveranceGuard, countsThePanelAsUsedOnlyWithANumberOtherThanZero)
{
    EXPECT_EQ(severanceYearsEntered(GetParam().text), GetParam().entered);
}

INSTANTIATE_TEST_SUITE_P(Table, SeveranceGuard, testing::Values(
    GuardCase{"initialZero", "0", false},
    GuardCase{"belowOneUnitRoundsToZero", "0.00001", false},
    GuardCase{"yearsFormatted", "        5.00", true},
    GuardCase{"notANumber", "abc", false},
    GuardCase{"empty", "", false},
    GuardCase{"tooLarge", "1e30", false}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace tax
