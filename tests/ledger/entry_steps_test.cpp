// Income lines per field, the joint lines 6 and 7 on leaving the income page,
// and the fresh start of the attachment values.
#include "entry_steps.h"

#include <gtest/gtest.h>

namespace tax {
namespace {

using enum MaritalStatus;

TEST(EnterIncome, storesTheLineAndRecomputesOnlyThatPerson)
{
    for (Person who : {Person::taxpayer, Person::spouse}) {
        ReturnLedger ledger;
        enterIncome(ledger, who, IncomeLine::salary, baht(1'000'000));
        const IncomeLines lines = enterIncome(ledger, who, IncomeLine::providentFund, baht(50'000));
        EXPECT_EQ(lines.line4, baht(950'000));
        EXPECT_EQ(lines.line5, baht(60'000));
        EXPECT_EQ(lines.line7, baht(890'000));
        const PersonFigures &other = who == Person::taxpayer ? ledger.spouse : ledger.taxpayer;
        EXPECT_EQ(other.totals[total::line4], 0);
        const IncomeLines withSeverance = enterIncome(ledger, who, IncomeLine::severancePay, baht(10'000));
        EXPECT_EQ(withSeverance.line4, baht(960'000));
        EXPECT_EQ(figures(ledger, who).entries[entry::line3], baht(10'000));
    }
}

TEST(EnterIncome, aRefusedFieldRecomputesFromTheEntriesAsTheyStand)
{
    ReturnLedger ledger;
    ledger.taxpayer.entries[entry::line1] = baht(120'000);
    const IncomeLines lines = recomputeIncome(ledger, Person::taxpayer);
    EXPECT_EQ(lines.line4, baht(120'000));
    EXPECT_EQ(lines.line5, baht(48'000));
    EXPECT_EQ(lines.line7, baht(72'000));
}

struct JointCase {
    const char *name;
    MaritalStatus status;
    Currency line5, line6, line7;
};

class LeaveIncomePage : public testing::TestWithParam<JointCase> {};

TEST_P(LeaveIncomePage, givesTheLinesOfTheReturn)
{
    const JointCase &c = GetParam();
    ReturnLedger ledger;
    enterIncome(ledger, Person::taxpayer, IncomeLine::salary, baht(100'000));
    enterIncome(ledger, Person::spouse, IncomeLine::salary, baht(200'000));
    for (int press = 1; press <= 2; ++press) {
        const ExpenseLines lines = leaveIncomePage(ledger, c.status);
        EXPECT_EQ(lines.line5, c.line5) << "press " << press;
        EXPECT_EQ(lines.line6, c.line6) << "press " << press;
        EXPECT_EQ(lines.line7, c.line7) << "press " << press;
        EXPECT_EQ(ledger.taxpayer.totals[total::line5], c.line6);
        EXPECT_EQ(ledger.taxpayer.totals[total::line7], c.line7);
    }
    EXPECT_EQ(ledger.spouse.totals[total::line5], baht(60'000)) << "the spouse's own lines stay";
    EXPECT_EQ(ledger.spouse.totals[total::line7], baht(140'000));
}

INSTANTIATE_TEST_SUITE_P(Table, LeaveIncomePage, testing::Values(
    JointCase{"jointComputationAddsTheSpouse", married3, baht(40'000), baht(100'000), baht(200'000)},
    JointCase{"separateComputationKeepsTheTaxpayersOwn", married4, baht(40'000), baht(40'000), baht(60'000)},
    JointCase{"singleKeepsTheTaxpayersOwn", single, baht(40'000), baht(40'000), baht(60'000)}),
    [](const testing::TestParamInfo<JointCase> &info) { return std::string(info.param.name); });

TEST(OpenAttachment, clearsEveryCommonValueAndTheLongestService)
{
    ReturnLedger ledger;
    ledger.common.fill(baht(5));
    ledger.longestService = 7.5L;
    ledger.taxpayer.entries[entry::attachmentItem1] = baht(1);
    openAttachment(ledger);
    for (Currency value : ledger.common)
        EXPECT_EQ(value, 0);
    EXPECT_EQ(ledger.longestService, 0.0L);
    EXPECT_EQ(ledger.taxpayer.entries[entry::attachmentItem1], baht(1)) << "the persons' figures stay";
}

} // namespace
} // namespace tax
