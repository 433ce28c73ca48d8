// The attachment's lines: items 4 and 6, the longest service, lines 2 to 4
// and the balance of lines 6 and 7.
#include "attachment.h"

#include <gtest/gtest.h>

namespace tax {
namespace {

TEST(AttachmentItems, itemFiveAddsToTheGrandTotalOnly)
{
    ReturnLedger ledger;
    enterAttachmentItem(ledger, Person::spouse, AttachmentItem::item1, baht(100'000));
    enterAttachmentItem(ledger, Person::spouse, AttachmentItem::item2, baht(50'000));
    const AttachmentItems three = enterAttachmentItem(ledger, Person::spouse, AttachmentItem::item3, baht(50'000));
    EXPECT_EQ(three.item4, baht(200'000));
    EXPECT_EQ(three.item6, baht(200'000));
    const AttachmentItems five = enterAttachmentItem(ledger, Person::spouse, AttachmentItem::item5, baht(300'000));
    EXPECT_EQ(five.item4, baht(200'000));
    EXPECT_EQ(five.item6, baht(500'000));
    EXPECT_EQ(ledger.spouse.entries[entry::attachmentItem5], baht(300'000));
    EXPECT_EQ(ledger.taxpayer.totals[total::attachmentItem6], 0) << "the other person is left alone";
}

TEST(YearsOfWork, theLongestRowCountsAndAClearedRowComesBackOneByOne)
{
    ReturnLedger ledger;
    const Currency years[] = {baht(5), baht(12), 0, baht(8)};
    for (std::size_t row = 0; row < 4; ++row)
        enterYearsOfWork(ledger, row, years[row]);
    EXPECT_EQ(ledger.longestService, 12.0L);
    EXPECT_EQ(ledger.common[shared::yearsOfWork + 3], baht(8));

    ledger.common = {};
    ledger.longestService = 0;
    enterYearsOfWork(ledger, 0, baht(5));
    EXPECT_EQ(ledger.longestService, 5.0L) << "rows not yet left again stay cleared";
    enterYearsOfWork(ledger, 0, 75'000);
    EXPECT_EQ(ledger.longestService, 7.5L);
}

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

TEST(LinesTwoToFour, keepTheBandAmountsOfTheAttachment)
{
    ReturnLedger ledger;
    ledger.taxpayer.totals[total::attachmentItem6] = baht(650'000);
    computeAttachmentTax(ledger, Person::taxpayer);
    const auto &e = ledger.taxpayer.entries;
    EXPECT_EQ(e[entry::attachmentBands], baht(5'000));
    EXPECT_EQ(e[entry::attachmentBands + 1], baht(40'000));
    EXPECT_EQ(e[entry::attachmentBands + 2], baht(30'000));
    EXPECT_EQ(e[entry::attachmentBands + 3], 0);
}

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
    GuardCase{"zeroFormatted", "        0.00", false},
    GuardCase{"belowOneUnitRoundsToZero", "0.00001", false},
    GuardCase{"yearsTyped", "10", true},
    GuardCase{"yearsFormatted", "        5.00", true},
    GuardCase{"negativeYears", "-1", true},
    GuardCase{"notANumber", "abc", false},
    GuardCase{"empty", "", false},
    GuardCase{"tooLarge", "1e30", false}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace tax
