// The allowance chain: each field's step, the order in which steps catch up,
// and what stays stored when a step overflows.
#include "allowances.h"

#include "tax_limits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

namespace tax {
namespace {

using enum MaritalStatus;
constexpr AllowanceNotice kNone = AllowanceNotice::none;

struct ChildrenCase {
    const char *name;
    MaritalStatus status;
    Person who;
    Currency first, second;             // counts as typed
    Currency keptFirst, keptSecond;     // counts stored after the cut
    Currency allowance, line14;
    AllowanceNotice notice;
};

class Children : public testing::TestWithParam<ChildrenCase> {};

TEST_P(Children, cutsToThreeAndPricesAtTheStatusRates)
{
    const ChildrenCase &c = GetParam();
    ReturnLedger ledger;
    figures(ledger, c.who).totals[total::afterLine8] = baht(500'000);
    enterChildrenFirstGroup(ledger, c.who, c.first);
    EXPECT_EQ(enterChildrenSecondGroup(ledger, c.who, c.second), c.notice);

    const auto &e = figures(ledger, c.who).entries;
    EXPECT_EQ(e[entry::childrenFirstGroup], c.keptFirst);
    EXPECT_EQ(e[entry::childrenSecondGroup], c.keptSecond);
    const Currency line15 = priceChildren(ledger, c.who, c.status);
    EXPECT_EQ(e[entry::childrenFirstAllowance] + e[entry::childrenSecondAllowance], c.allowance);
    EXPECT_EQ(line15, baht(500'000) - c.allowance);
    EXPECT_EQ(figures(ledger, c.who).totals[total::afterLine9], line15);
    EXPECT_EQ(lineFourteen(ledger, c.who, c.status), c.line14);
}

constexpr auto kCut = AllowanceNotice::childrenOverLimit;
constexpr Person kTaxpayer = Person::taxpayer, kSpouse = Person::spouse;
constexpr Currency n(int count) { return children(count); }
constexpr Currency kLargest = std::numeric_limits<Currency>::max();
constexpr Currency kSmallest = std::numeric_limits<Currency>::min();
// The largest whole number of baht a field can hold.
constexpr Currency kHugeAmount = baht(922'337'203'685'477);

INSTANTIATE_TEST_SUITE_P(Table, Children, testing::Values(
    ChildrenCase{"twoAndTwoBecomeOneAndTwo", single, kTaxpayer, n(2), n(2), n(1), n(2), baht(49'000), baht(49'000), kCut},
    ChildrenCase{"fiveFirstBecomeThree", single, kTaxpayer, n(5), 0, n(3), 0, baht(45'000), baht(45'000), kCut},
    ChildrenCase{"fiveSecondBecomeThree", single, kTaxpayer, 0, n(5), 0, n(3), baht(51'000), baht(51'000), kCut},
    ChildrenCase{"fourAndOneBecomeTwoAndOne", single, kTaxpayer, n(4), n(1), n(2), n(1), baht(47'000), baht(47'000), kCut},
    ChildrenCase{"threeFirstNeedNoCut", single, kTaxpayer, n(3), 0, n(3), 0, baht(45'000), baht(45'000), kNone},
    ChildrenCase{"separateStatusHalvesTheTaxpayersRate", married4, kTaxpayer, n(2), 0, n(2), 0, baht(15'000), baht(15'000), kNone},
    ChildrenCase{"singleGetsTheFullRate", single, kTaxpayer, n(2), 0, n(2), 0, baht(30'000), baht(30'000), kNone},
    ChildrenCase{"jointStatusAddsSpouseAllowanceToLine14", married3, kTaxpayer, n(1), n(1), n(1), n(1), baht(32'000), baht(62'000), kNone},
    ChildrenCase{"spouseWithoutIncomeFullRate", married1, kTaxpayer, n(1), n(1), n(1), n(1), baht(32'000), baht(62'000), kNone},
    ChildrenCase{"incomeChangeWithinYearHalfRate", married2, kTaxpayer, n(1), n(1), n(1), n(1), baht(16'000), baht(16'000), kNone},
    ChildrenCase{"spouseAlwaysHalfUnderJoint", married3, kSpouse, n(1), n(1), n(1), n(1), baht(16'000), baht(16'000), kNone},
    ChildrenCase{"fractionalFirstCutBesideOneSecond", single, kTaxpayer, 25'000, n(1), n(2), n(1), baht(47'000), baht(47'000), kCut},
    ChildrenCase{"fractionalSecondCutsNothing", single, kTaxpayer, n(2), 15'000, n(2), 15'000, baht(55'500), baht(55'500), kCut},
    ChildrenCase{"negativeFirstWithFiveSecond", single, kTaxpayer, -n(1), n(5), 0, n(3), baht(51'000), baht(51'000), kCut},
    ChildrenCase{"hugeSecondCountIsCutNotOverflowed", single, kTaxpayer, n(1), kHugeAmount, 0, n(3), baht(51'000), baht(51'000), kCut},
    ChildrenCase{"largestCountsTogetherAreCut", single, kTaxpayer, kLargest, kLargest, 0, n(3), baht(51'000), baht(51'000), kCut},
    ChildrenCase{"largestFirstBesideOneSecond", married4, kSpouse, kLargest, n(1), n(2), n(1), baht(23'500), baht(23'500), kCut}),
    [](const auto &info) { return std::string(info.param.name); });

struct CappedCase {
    const char *name;
    CappedItem item;
    std::size_t entryIndex, remainderIndex;
    Currency amount, remainder, line14;
    AllowanceNotice notice;
};

class CappedItems : public testing::TestWithParam<CappedCase> {};

TEST_P(CappedItems, deductUpToTenThousandFromThePreviousRemainder)
{
    const CappedCase &c = GetParam();
    ReturnLedger ledger;
    auto &t = ledger.spouse.totals;
    t[total::afterLine9] = baht(400'000);
    t[total::afterLine10] = baht(300'000);
    t[total::afterLine11] = baht(200'000);
    t[total::afterLine12] = baht(100'000);
    const auto before = t;
    const CappedItemStep shown = enterCappedItem(ledger, Person::spouse, c.item, c.amount);

    EXPECT_EQ(shown.remainder, c.remainder);
    EXPECT_EQ(shown.notice, c.notice);
    EXPECT_EQ(lineFourteen(ledger, Person::spouse, married3), c.line14);
    EXPECT_EQ(ledger.spouse.entries[c.entryIndex], c.amount) << "the entry keeps the amount as typed";
    for (std::size_t i = total::afterLine9; i <= total::afterLine12; ++i)
        EXPECT_EQ(t[i], i == c.remainderIndex ? c.remainder : before[i]) << "remainder " << i;
}

constexpr auto kOver = AllowanceNotice::amountOverLimit;

INSTANTIATE_TEST_SUITE_P(Table, CappedItems, testing::Values(
    CappedCase{"lifeInsuranceOfTheLimitInFull", CappedItem::lifeInsurance, entry::lifeInsurance, total::afterLine10, baht(10'000), baht(390'000), baht(10'000), kNone},
    CappedCase{"lifeInsuranceAboveTheLimitIsCapped", CappedItem::lifeInsurance, entry::lifeInsurance, total::afterLine10, baht(15'000), baht(390'000), baht(10'000), kOver},
    CappedCase{"providentFundAboveTheLimit", CappedItem::providentFund, entry::providentFund, total::afterLine11, baht(12'000), baht(290'000), baht(10'000), kOver},
    CappedCase{"housingInterestAboveTheLimit", CappedItem::housingLoanInterest, entry::housingLoanInterest, total::afterLine12, baht(50'000), baht(190'000), baht(10'000), kOver},
    CappedCase{"negativeAmountIsUsedAsTyped", CappedItem::housingLoanInterest, entry::housingLoanInterest, total::afterLine12, baht(-500), baht(200'500), baht(-500), kNone}),
    [](const auto &info) { return std::string(info.param.name); });

struct StartCase {
    const char *name;
    MaritalStatus status;
    Currency deduction, taxpayerLine14;
};

class StartOfChain : public testing::TestWithParam<StartCase> {};

TEST_P(StartOfChain, deductsThePersonalAndClaimedSpouseAllowanceForBoth)
{
    const StartCase &c = GetParam();
    ReturnLedger ledger;
    ledger.taxpayer.totals[total::line7] = baht(500'000);
    ledger.spouse.totals[total::line7] = baht(300'000);
    ledger.taxpayer.totals[total::line15] = 123;
    const AllowanceStart shown = startAllowances(ledger, c.status);

    EXPECT_EQ(shown.taxpayer, baht(500'000) - c.deduction);
    EXPECT_EQ(shown.spouse, baht(300'000) - c.deduction);
    EXPECT_EQ(lineFourteen(ledger, Person::taxpayer, c.status), c.taxpayerLine14);
    EXPECT_EQ(lineFourteen(ledger, Person::spouse, c.status), kPersonalAllowance)
        << "the spouse never claims the spouse allowance";
    for (std::size_t i = total::afterLine8; i <= total::afterLine12; ++i) {
        EXPECT_EQ(ledger.taxpayer.totals[i], shown.taxpayer) << "remainder " << i;
        EXPECT_EQ(ledger.spouse.totals[i], shown.spouse) << "remainder " << i;
    }
    EXPECT_EQ(ledger.taxpayer.totals[total::line15], 123) << "line 15 waits for social security";
}

INSTANTIATE_TEST_SUITE_P(Table, StartOfChain, testing::Values(
    StartCase{"single", single, baht(30'000), baht(30'000)},
    StartCase{"widow", widow, baht(30'000), baht(30'000)},
    StartCase{"spouseWithoutIncome", married1, baht(60'000), baht(60'000)},
    StartCase{"spouseIncomeChangedInYear", married2, baht(30'000), baht(30'000)},
    StartCase{"joint", married3, baht(60'000), baht(60'000)},
    StartCase{"separateSameReturn", married4, baht(30'000), baht(30'000)},
    StartCase{"separateReturns", married5, baht(30'000), baht(30'000)}),
    [](const auto &info) { return std::string(info.param.name); });

struct DonationCase {
    const char *name;
    Currency line15, donation, line17;
};

class Donation : public testing::TestWithParam<DonationCase> {};

TEST_P(Donation, isDeductedUpToOneTenthOfLine15)
{
    const DonationCase &c = GetParam();
    ReturnLedger ledger;
    ledger.taxpayer.totals[total::line15] = c.line15;
    ledger.taxpayer.totals[total::line14] = 77;
    EXPECT_EQ(enterDonation(ledger, Person::taxpayer, c.donation), c.line17);
    EXPECT_EQ(ledger.taxpayer.totals[total::line17], c.line17);
    EXPECT_EQ(ledger.taxpayer.entries[entry::donation], c.donation);
    EXPECT_EQ(ledger.taxpayer.totals[total::line14], 77) << "line 14 does not count the donation";
}

INSTANTIATE_TEST_SUITE_P(Table, Donation, testing::Values(
    DonationCase{"exactlyOneTenthInFull", baht(500'000), baht(50'000), baht(450'000)},
    DonationCase{"aboveOneTenthIsCapped", baht(500'000), baht(60'000), baht(450'000)},
    DonationCase{"belowOneTenthInFull", baht(500'000), baht(20'000), baht(480'000)},
    DonationCase{"fractionalLimitIsRoundedToAUnit", 1'234'567'893, baht(20'000), 1'111'111'104},
    DonationCase{"zeroLine15LeavesZero", 0, baht(5'000), 0},
    DonationCase{"negativeLine15LiftsLine17", baht(-10'000), 0, baht(-9'000)},
    DonationCase{"negativeDonationIsUsedAsTyped", baht(500'000), baht(-100), baht(500'100)}),
    [](const auto &info) { return std::string(info.param.name); });

// A page filled in focus order: line 7 of 500,000 baht, single.
class Chain : public testing::Test {
protected:
    ReturnLedger ledger;
    void SetUp() override
    {
        ledger.taxpayer.totals[total::line7] = baht(500'000);
        startAllowances(ledger, single);
        enterChildrenFirstGroup(ledger, Person::taxpayer, n(1));
        enterChildrenSecondGroup(ledger, Person::taxpayer, 0);
        priceChildren(ledger, Person::taxpayer, single);                                     // 470,000 -> 455,000
        enterCappedItem(ledger, Person::taxpayer, CappedItem::lifeInsurance, baht(15'000));  // 445,000
        enterCappedItem(ledger, Person::taxpayer, CappedItem::providentFund, baht(5'000));   // 440,000
        enterCappedItem(ledger, Person::taxpayer, CappedItem::housingLoanInterest, 0);       // 440,000
        enterSocialSecurity(ledger, Person::taxpayer, baht(9'000));                          // 431,000
        lineFourteen(ledger, Person::taxpayer, single);
        enterDonation(ledger, Person::taxpayer, baht(1'000));                                // 430,000
    }
    const auto &totals() const { return ledger.taxpayer.totals; }
};

TEST_F(Chain, focusOrderLeavesEveryStepCurrent)
{
    EXPECT_EQ(totals()[total::line15], baht(431'000));
    EXPECT_EQ(totals()[total::line14], baht(30'000 + 15'000 + 10'000 + 5'000 + 9'000));
    EXPECT_EQ(totals()[total::line17], baht(430'000));
}

TEST_F(Chain, enteringThePageAgainResetsTheRemaindersButLine14CountsEveryEntry)
{
    EXPECT_EQ(startAllowances(ledger, single).taxpayer, baht(470'000));
    EXPECT_EQ(lineFourteen(ledger, Person::taxpayer, single), baht(69'000));
    EXPECT_EQ(totals()[total::afterLine12], baht(470'000));
    EXPECT_EQ(totals()[total::line15], baht(431'000));
    // The remainders catch up as the fields are left again.
    priceChildren(ledger, Person::taxpayer, single);
    EXPECT_EQ(totals()[total::afterLine9], baht(455'000));
    EXPECT_EQ(totals()[total::afterLine10], baht(470'000));
}

TEST_F(Chain, lifeInsuranceAgainLeavesLine15AndLine17UntilTheirFieldsAreLeft)
{
    EXPECT_EQ(enterCappedItem(ledger, Person::taxpayer, CappedItem::lifeInsurance, baht(2'000)).remainder, baht(453'000));
    EXPECT_EQ(lineFourteen(ledger, Person::taxpayer, single), baht(61'000));
    EXPECT_EQ(totals()[total::line15], baht(431'000));
    EXPECT_EQ(totals()[total::line17], baht(430'000));
    EXPECT_EQ(enterSocialSecurity(ledger, Person::taxpayer, baht(9'000)), baht(431'000))
        << "social security still starts from the remainder after line 12";
}

TEST(ChainOrder, donationBeforeSocialSecurityGivesZeroNetIncome)
{
    ReturnLedger ledger;
    ledger.spouse.totals[total::line7] = baht(500'000);
    startAllowances(ledger, married4);
    EXPECT_EQ(enterDonation(ledger, Person::spouse, baht(5'000)), 0);
}

// A field's step whose remainder fits, followed by a line-14 sum that does
// not: the remainder stays stored for the page to show, line 14 as it was.
struct SumOverflowCase {
    const char *name;
    MaritalStatus status;
    Currency socialSecurityBefore;   // stored before the step
    Currency (*step)(ReturnLedger &); // the field's step, returning its remainder
    std::size_t remainderIndex;
    Currency remainder;
};

class SumOverflow : public testing::TestWithParam<SumOverflowCase> {};

TEST_P(SumOverflow, keepsTheRemainderAndLeavesLine14AsItWas)
{
    const SumOverflowCase &c = GetParam();
    ReturnLedger ledger;
    auto &t = ledger.taxpayer.totals;
    std::fill(t.begin() + total::afterLine8, t.begin() + total::line15 + 1, baht(900'000));
    t[total::line14] = 77;
    ledger.taxpayer.entries[entry::personalAllowance] = kPersonalAllowance;
    ledger.taxpayer.entries[entry::socialSecurity] = c.socialSecurityBefore;

    EXPECT_EQ(c.step(ledger), c.remainder);
    EXPECT_EQ(t[c.remainderIndex], c.remainder);
    EXPECT_THROW(lineFourteen(ledger, Person::taxpayer, c.status), FloatingPointError);
    EXPECT_EQ(t[total::line14], 77);
}

INSTANTIATE_TEST_SUITE_P(Table, SumOverflow, testing::Values(
    SumOverflowCase{"hugeSocialSecurity", single, 0,
                    [](ReturnLedger &l) { return enterSocialSecurity(l, Person::taxpayer, kHugeAmount); },
                    total::line15, baht(900'000) - kHugeAmount},
    SumOverflowCase{"lifeInsuranceAfterAHugeSocialSecurity", single, kHugeAmount,
                    [](ReturnLedger &l) { return enterCappedItem(l, Person::taxpayer, CappedItem::lifeInsurance, baht(15'000)).remainder; },
                    total::afterLine10, baht(890'000)},
    SumOverflowCase{"childrenAfterAHugeSocialSecurity", single, kHugeAmount,
                    [](ReturnLedger &l) {
                        enterChildrenFirstGroup(l, Person::taxpayer, n(1));
                        enterChildrenSecondGroup(l, Person::taxpayer, n(1));
                        return priceChildren(l, Person::taxpayer, single);
                    },
                    total::afterLine9, baht(868'000)},
    SumOverflowCase{"spouseAllowanceDoesNotFitOnTopOfTheTotals", married1, kLargest - kPersonalAllowance,
                    [](ReturnLedger &l) { return enterCappedItem(l, Person::taxpayer, CappedItem::housingLoanInterest, 0).remainder; },
                    total::afterLine12, baht(900'000)}),
    [](const auto &info) { return std::string(info.param.name); });

// A step that overflows itself: what it stores before the failing computation
// stays, nothing after it is stored.
struct Cell {
    Person who;
    bool isEntry; // entries, else totals
    std::size_t index;
    Currency value;
};

struct FailingStepCase {
    const char *name;
    void (*prepare)(ReturnLedger &);
    void (*step)(ReturnLedger &);
    std::vector<Cell> stored; // by the step before it fails
};

class FailingStep : public testing::TestWithParam<FailingStepCase> {};

TEST_P(FailingStep, storesWhatComesBeforeTheOverflowAndNothingAfter)
{
    const FailingStepCase &c = GetParam();
    ReturnLedger ledger;
    c.prepare(ledger);
    ReturnLedger expected = ledger;
    for (const Cell &cell : c.stored) {
        PersonFigures &p = figures(expected, cell.who);
        (cell.isEntry ? p.entries[cell.index] : p.totals[cell.index]) = cell.value;
    }
    EXPECT_THROW(c.step(ledger), FloatingPointError);
    for (Person who : {kTaxpayer, kSpouse}) {
        EXPECT_EQ(figures(ledger, who).entries, figures(expected, who).entries);
        EXPECT_EQ(figures(ledger, who).totals, figures(expected, who).totals);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, FailingStep, testing::Values(
    FailingStepCase{"startWithASpouseLine7BelowTheRange",
                    [](ReturnLedger &l) {
                        l.taxpayer.totals[total::line7] = baht(500'000);
                        l.spouse.totals[total::line7] = kSmallest + 1;
                    },
                    [](ReturnLedger &l) { startAllowances(l, single); },
                    {{kTaxpayer, true, entry::personalAllowance, kPersonalAllowance},
                     {kSpouse, true, entry::personalAllowance, kPersonalAllowance}}},
    FailingStepCase{"firstGroupPricedBeyondTheRange",
                    [](ReturnLedger &l) { l.taxpayer.totals[total::afterLine8] = baht(500'000); },
                    [](ReturnLedger &l) {
                        enterChildrenFirstGroup(l, Person::taxpayer, kSmallest + 1);
                        EXPECT_EQ(enterChildrenSecondGroup(l, Person::taxpayer, kLargest), kNone);
                        priceChildren(l, Person::taxpayer, single);
                    },
                    {{kTaxpayer, true, entry::childrenFirstGroup, kSmallest + 1},
                     {kTaxpayer, true, entry::childrenSecondGroup, kLargest}}},
    FailingStepCase{"secondGroupPricedBeyondTheRange",
                    [](ReturnLedger &l) {
                        l.spouse.entries[entry::childrenFirstAllowance] = 77;
                        l.spouse.entries[entry::childrenSecondAllowance] = 77;
                    },
                    [](ReturnLedger &l) {
                        enterChildrenFirstGroup(l, Person::spouse, 0);
                        enterChildrenSecondGroup(l, Person::spouse, kSmallest);
                        priceChildren(l, Person::spouse, married4);
                    },
                    {{kSpouse, true, entry::childrenSecondGroup, kSmallest},
                     {kSpouse, true, entry::childrenFirstAllowance, 0}}},
    FailingStepCase{"cappedItemRemainderBelowTheRange",
                    [](ReturnLedger &l) { l.taxpayer.totals[total::afterLine9] = kSmallest + 5; },
                    [](ReturnLedger &l) { enterCappedItem(l, Person::taxpayer, CappedItem::lifeInsurance, baht(15'000)); },
                    {{kTaxpayer, true, entry::lifeInsurance, baht(15'000)}}},
    FailingStepCase{"socialSecurityRemainderBelowTheRange",
                    [](ReturnLedger &l) { l.taxpayer.totals[total::afterLine12] = kSmallest + 5; },
                    [](ReturnLedger &l) { enterSocialSecurity(l, Person::taxpayer, kHugeAmount); },
                    {{kTaxpayer, true, entry::socialSecurity, kHugeAmount}}},
    FailingStepCase{"donationLiftsLine17BeyondTheRange",
                    [](ReturnLedger &l) {
                        l.spouse.totals[total::line15] = kLargest - 5;
                        l.spouse.totals[total::line17] = 77;
                    },
                    [](ReturnLedger &l) { enterDonation(l, Person::spouse, baht(-1)); },
                    {{kSpouse, true, entry::donation, baht(-1)}}}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace tax
