// The tax computation page's rules: opening the page, the joint attachment
// amounts, each person's balance and the set-off between the spouses.
#include "tax_computation.h"

#include <gtest/gtest.h>

namespace tax {
namespace {

using enum MaritalStatus;
constexpr Person kTaxpayer = Person::taxpayer, kSpouse = Person::spouse;
constexpr auto kToPay = Balance::toPay, kOverpaid = Balance::overpaid, kSettled = Balance::settled;
constexpr Currency satang(std::int64_t count) { return count * 100; }

constexpr auto caseName = [](const auto &info) { return std::string(info.param.name); };

struct JointCase {
    const char *name;
    Currency line6Taxpayer, line6Spouse, line7Taxpayer, line7Spouse;
    Currency line19, line20;
};

class JointAmounts : public testing::TestWithParam<JointCase> {};

TEST_P(JointAmounts, addTheShownAmountsAndSetThemOff)
{
    const JointCase &c = GetParam();
    const JointAttachment joint = jointAttachment(c.line6Taxpayer, c.line6Spouse, c.line7Taxpayer, c.line7Spouse);
    EXPECT_EQ(joint.line19, c.line19);
    EXPECT_EQ(joint.line20, c.line20);
}

INSTANTIATE_TEST_SUITE_P(Table, JointAmounts, testing::Values(
    JointCase{"spouseOverpaidMoreLeavesLine20", baht(1'500), 0, 0, baht(2'000), 0, baht(500)},
    JointCase{"bothOweMoreThanOverpaidLeavesLine19", baht(1'000), baht(2'500), baht(1'200), baht(300), baht(2'000), 0},
    JointCase{"equalAmountsCancel", 0, baht(700), baht(700), 0, 0, 0},
    JointCase{"nothingOnEitherAttachment", 0, 0, 0, 0, 0, 0},
    JointCase{"halfSatangShowsOneSatangMore", baht(1'500) + 50, 0, 0, 0, baht(1'500) + satang(1), 0},
    JointCase{"eachHalfSatangRoundedBeforeAdding", 0, 0, 50, 50, 0, satang(2)},
    JointCase{"fractionsBelowHalfASatangDropEachTime", baht(1'500) + 49, 49, 0, 0, baht(1'500), 0},
    JointCase{"satangKeptThroughTheBahtSum", satang(1'234'567), satang(1), 0, satang(8), satang(1'234'560), 0}),
    caseName);

struct BalanceCase {
    const char *name;
    Currency line18, line19, line20, credits;
    Balance balance;
    Currency line23, line24;
};

class BalanceRule : public testing::TestWithParam<BalanceCase> {};

TEST_P(BalanceRule, comparesTheCreditsWithTheBase)
{
    const BalanceCase &c = GetParam();
    const BalanceLines lines = balanceOf(c.line18, c.line19, c.line20, c.credits);
    EXPECT_EQ(lines.balance, c.balance);
    EXPECT_EQ(lines.line23, c.line23);
    EXPECT_EQ(lines.line24, c.line24);
}

INSTANTIATE_TEST_SUITE_P(Table, BalanceRule, testing::Values(
    BalanceCase{"creditsBelowTheTaxLeaveTaxToPay", baht(5'000), 0, 0, baht(3'000), kToPay, baht(2'000), 0},
    BalanceCase{"creditsAboveTheTaxAreOverpaid", baht(5'000), 0, 0, baht(6'500), kOverpaid, 0, baht(1'500)},
    BalanceCase{"creditsEqualToWholeBahtSettle", baht(4'800), baht(700), baht(500), baht(5'000), kSettled, 0, 0},
    BalanceCase{"attachmentTaxToPayRaisesTheBase", baht(1'000), baht(200), 0, 0, kToPay, baht(1'200), 0},
    BalanceCase{"attachmentOverpaymentBeyondTheTaxIsOverpaid", baht(1'000), baht(200), baht(1'500), 0, kOverpaid, 0, baht(300)},
    BalanceCase{"negativeCreditsAddToTheTax", baht(1'000), 0, 0, baht(-500), kToPay, baht(1'500), 0},
    BalanceCase{"negativeCreditsOnNoTax", 0, 0, 0, -1, kToPay, 1, 0},
    BalanceCase{"oneUnitShort", baht(5'000), 0, 0, baht(5'000) - 1, kToPay, 1, 0},
    BalanceCase{"unitsBelowTheSatangKept", 12'345'678, 0, 0, baht(1'000), kToPay, 2'345'678, 0},
    // A base of uneven units does not come back exactly from baht; rounded
    // back to a unit, it still settles against equal credits.
    BalanceCase{"unevenBaseSettlesAgainstEqualCredits", 23, 0, 0, 23, kSettled, 0, 0},
    BalanceCase{"otherUnevenBaseSettlesToo", 31, 0, 0, 31, kSettled, 0, 0},
    BalanceCase{"unevenBaseOneUnitShort", 31, 0, 0, 30, kToPay, 1, 0}),
    caseName);

// A ledger with both persons' lines 17 and attachment balances set, and stale
// values wherever the page computes.
ReturnLedger openingLedger()
{
    ReturnLedger ledger;
    for (PersonFigures *p : {&ledger.taxpayer, &ledger.spouse}) {
        p->entries.fill(7);
        p->totals[total::line18] = 7;
    }
    ledger.common[shared::jointLine19] = 77;
    ledger.common[shared::jointLine20] = 77;
    ledger.taxpayer.totals[total::line17] = baht(350'000);
    ledger.taxpayer.totals[total::attachmentLine6] = baht(1'500);
    ledger.spouse.totals[total::line17] = baht(750'000);
    ledger.spouse.totals[total::attachmentLine7] = baht(2'000);
    return ledger;
}

struct OpeningCase {
    const char *name;
    MaritalStatus status;
    Currency common4, common5;
    OpeningLines taxpayer;
};

class PageOpening : public testing::TestWithParam<OpeningCase> {};

TEST_P(PageOpening, taxesEachPersonsOwnIncomeAndBringsInTheAttachment)
{
    const OpeningCase &c = GetParam();
    ReturnLedger ledger = openingLedger();
    const TaxComputationOpening shown = openTaxComputation(ledger, c.status);

    EXPECT_EQ(ledger.common[shared::jointLine19], c.common4);
    EXPECT_EQ(ledger.common[shared::jointLine20], c.common5);
    EXPECT_EQ(shown.taxpayer.line18, c.taxpayer.line18);
    EXPECT_EQ(shown.taxpayer.line19, c.taxpayer.line19);
    EXPECT_EQ(shown.taxpayer.line20, c.taxpayer.line20);
    EXPECT_EQ(shown.spouse.line18, baht(95'000)) << "the spouse is taxed under every status";
    EXPECT_EQ(shown.spouse.line19, 0);
    EXPECT_EQ(shown.spouse.line20, baht(2'000));

    EXPECT_EQ(ledger.taxpayer.totals[total::line18], baht(30'000));
    EXPECT_EQ(ledger.spouse.totals[total::line18], baht(95'000));
    const auto &t = ledger.taxpayer.entries;
    const auto &s = ledger.spouse.entries;
    EXPECT_EQ(t[entry::returnBands + 1], baht(25'000));
    EXPECT_EQ(s[entry::returnBands + 2], baht(50'000));
    for (const auto *e : {&t, &s}) {
        EXPECT_EQ((*e)[entry::returnBands + 4], 0);
        EXPECT_EQ((*e)[entry::credits], 0);
        EXPECT_EQ((*e)[entry::credits + 1], 0);
        EXPECT_EQ((*e)[entry::attachmentWithholding], 7) << "entries before 23 stay";
        EXPECT_EQ((*e)[entry::credits + 2], 7) << "entries after 29 stay";
    }
}

INSTANTIATE_TEST_SUITE_P(Table, PageOpening, testing::Values(
    OpeningCase{"jointShowsTheNettedAmounts", married3, 0, baht(500), {baht(30'000), 0, baht(500)}},
    OpeningCase{"singleShowsTheOwnAttachment", single, 0, 0, {baht(30'000), baht(1'500), 0}},
    OpeningCase{"separateShowsTheOwnAttachment", married4, 0, 0, {baht(30'000), baht(1'500), 0}}),
    caseName);

struct CreditsCase {
    const char *name;
    Person who;
    MaritalStatus status;
    Currency line18, line19, line20; // the person's own lines
    Currency common4, common5;
    Currency line21, line22;
    Balance balance;
    Currency line23, line24;
};

class Credits : public testing::TestWithParam<CreditsCase> {};

TEST_P(Credits, storeTheSumAndThePersonsLines23And24)
{
    const CreditsCase &c = GetParam();
    ReturnLedger ledger;
    PersonFigures &p = figures(ledger, c.who);
    PersonFigures &other = figures(ledger, c.who == kTaxpayer ? kSpouse : kTaxpayer);
    p.totals[total::line18] = c.line18;
    p.totals[total::attachmentLine6] = c.line19;
    p.totals[total::attachmentLine7] = c.line20;
    ledger.common[shared::jointLine19] = c.common4;
    ledger.common[shared::jointLine20] = c.common5;
    other.totals[total::line23] = 9;

    const BalanceLines lines = enterCredits(ledger, c.who, c.status, c.line21, c.line22);
    EXPECT_EQ(lines.balance, c.balance);
    EXPECT_EQ(lines.line23, c.line23);
    EXPECT_EQ(lines.line24, c.line24);
    EXPECT_EQ(p.entries[entry::credits], c.line21 + c.line22);
    EXPECT_EQ(p.totals[total::line23], c.line23);
    EXPECT_EQ(p.totals[total::line24], c.line24);
    EXPECT_EQ(other.totals[total::line23], 9);
    EXPECT_EQ(other.entries[entry::credits], 0);
}

INSTANTIATE_TEST_SUITE_P(Table, Credits, testing::Values(
    CreditsCase{"singleTaxpayerUsesOwnAttachment", kTaxpayer, single, baht(5'000), baht(300), 0, baht(9'999), 0,
                baht(1'000), baht(200), kToPay, baht(4'100), 0},
    CreditsCase{"jointTaxpayerUsesTheJointAmounts", kTaxpayer, married3, baht(5'000), baht(1'500), 0, 0, baht(500),
                0, 0, kToPay, baht(4'500), 0},
    CreditsCase{"jointSpouseUsesOwnAttachment", kSpouse, married3, baht(2'000), 0, baht(500), baht(9'999), 0,
                0, 0, kToPay, baht(1'500), 0},
    CreditsCase{"spouseAttachmentOverpaymentLowersTheBase", kSpouse, married4, baht(2'000), 0, baht(500), 0, 0,
                baht(1'000), baht(900), kOverpaid, 0, baht(400)},
    CreditsCase{"creditsOfBothFieldsEqualTheTax", kTaxpayer, married4, baht(5'000), 0, 0, 0, 0,
                baht(3'000), baht(2'000), kSettled, 0, 0}),
    caseName);

struct OverflowCase {
    const char *name;
    Currency line18, line21, line22;
};

class CreditsOverflow : public testing::TestWithParam<OverflowCase> {};

TEST_P(CreditsOverflow, throwsAndLeavesTheLinesAsTheyWere)
{
    const OverflowCase &c = GetParam();
    ReturnLedger ledger;
    auto &t = ledger.taxpayer.totals;
    t[total::line18] = c.line18;
    t[total::attachmentLine6] = 1;
    t[total::line23] = 5;
    t[total::line24] = 6;
    EXPECT_THROW(enterCredits(ledger, kTaxpayer, single, c.line21, c.line22), FloatingPointError);
    EXPECT_EQ(t[total::line23], 5);
    EXPECT_EQ(t[total::line24], 6);
}

constexpr Currency kMax = std::numeric_limits<Currency>::max();

INSTANTIATE_TEST_SUITE_P(Table, CreditsOverflow, testing::Values(
    OverflowCase{"sumOfTheCredits", 0, kMax, 1},
    OverflowCase{"baseOfTaxAndAttachment", kMax, 0, 0},
    OverflowCase{"differenceOfBaseAndCredits", kMax - 1, -kMax, 0}),
    caseName);

TEST(ClearBalances, zeroesLines23To28OfBothPersonsOnly)
{
    ReturnLedger ledger;
    ledger.taxpayer.totals.fill(7);
    ledger.spouse.totals.fill(7);
    clearBalances(ledger);
    for (const PersonFigures *p : {&ledger.taxpayer, &ledger.spouse}) {
        for (std::size_t i = total::line23; i <= total::line28 + 2; ++i)
            EXPECT_EQ(p->totals[i], 0) << i;
        EXPECT_EQ(p->totals[total::line18], 7);
        EXPECT_EQ(p->totals[total::line28 + 3], 7);
    }
}

struct Line28Case {
    const char *name;
    BalanceLines balance;
    Currency line28;
};

class TaxpayerLine28 : public testing::TestWithParam<Line28Case> {};

TEST_P(TaxpayerLine28, isTheTaxpayersOwnBalance)
{
    ReturnLedger ledger;
    ledger.taxpayer.totals[total::line28] = 7;
    EXPECT_EQ(taxpayerLine28(ledger, GetParam().balance), GetParam().line28);
    EXPECT_EQ(ledger.taxpayer.totals[total::line28], GetParam().line28);
    EXPECT_EQ(ledger.spouse.totals[total::line28], 0);
}

INSTANTIATE_TEST_SUITE_P(Table, TaxpayerLine28, testing::Values(
    Line28Case{"toPay", {kToPay, baht(2'000), 0}, baht(2'000)},
    Line28Case{"overpaid", {kOverpaid, 0, baht(300)}, baht(300)},
    Line28Case{"settledKeepsZero", {kSettled, 0, 0}, 0}),
    caseName);

constexpr Choices kPay{true, false, true, false};
constexpr Choices kOver{false, true, false, true};
constexpr Choices kNone{};
constexpr std::optional<Currency> kNotWritten;

struct SetOffCase {
    const char *name;
    Currency a, b, c, d;
    int row;
    std::optional<Currency> line25;
    Currency taxpayerLine26, spouseLine26;
    Choices taxpayer, spouse;
};

void expectChoices(const Choices &actual, const Choices &expected, const char *who)
{
    EXPECT_EQ(actual.pay26, expected.pay26) << who;
    EXPECT_EQ(actual.overpaid26, expected.overpaid26) << who;
    EXPECT_EQ(actual.pay28, expected.pay28) << who;
    EXPECT_EQ(actual.overpaid28, expected.overpaid28) << who;
}

class SetOffTable : public testing::TestWithParam<SetOffCase> {};

TEST_P(SetOffTable, appliesTheFirstRowWhoseConditionHolds)
{
    const SetOffCase &c = GetParam();
    const SetOff s = setOff(c.a, c.b, c.c, c.d);
    EXPECT_EQ(s.row, c.row);
    EXPECT_EQ(s.line25, c.line25);
    EXPECT_EQ(s.taxpayerLine26, c.taxpayerLine26);
    EXPECT_EQ(s.spouseLine26, c.spouseLine26);
    expectChoices(s.taxpayer, c.taxpayer, "taxpayer");
    expectChoices(s.spouse, c.spouse, "spouse");
}

constexpr Currency k1000 = baht(1'000), k400 = baht(400);

INSTANTIATE_TEST_SUITE_P(Table, SetOffTable, testing::Values(
    SetOffCase{"spouseOverpaymentCoversPartOfTaxpayerTax", k1000, 0, 0, k400, 1, k400, baht(600), 0, kPay, kNone},
    SetOffCase{"spouseOverpaymentExceedsTaxpayerTax", k400, 0, 0, k1000, 2, k400, 0, baht(600), kNone, kOver},
    SetOffCase{"spouseOverpaymentEqualsTaxpayerTax", k1000, 0, 0, k1000, 3, k1000, 0, 0, kNone, kNone},
    SetOffCase{"spouseTaxTakesPartOfTaxpayerOverpayment", 0, k1000, k400, 0, 4, k400, baht(600), 0, kOver, kNone},
    SetOffCase{"spouseTaxExceedsTaxpayerOverpayment", 0, k400, k1000, 0, 5, k400, 0, baht(600), kNone, kPay},
    SetOffCase{"spouseTaxEqualsTaxpayerOverpayment", 0, k1000, k1000, 0, 6, k1000, 0, 0, kNone, kNone},
    SetOffCase{"bothOwe", k1000, 0, k400, 0, 7, kNotWritten, k1000, k400, kPay, kPay},
    SetOffCase{"onlyTheTaxpayerOwes", k1000, 0, 0, 0, 7, kNotWritten, k1000, 0, kPay, kNone},
    SetOffCase{"bothOverpaid", 0, k1000, 0, k400, 8, kNotWritten, k1000, k400, kOver, kOver},
    SetOffCase{"onlyTheTaxpayerOverpaid", 0, k1000, 0, 0, 8, kNotWritten, k1000, 0, kOver, kNone},
    SetOffCase{"taxpayerSettledSpouseOwes", 0, 0, k400, 0, 9, kNotWritten, 0, k400, kNone, kPay},
    SetOffCase{"taxpayerSettledSpouseOverpaid", 0, 0, 0, k400, 9, kNotWritten, 0, k400, kNone, kOver},
    SetOffCase{"bothSettled", 0, 0, 0, 0, 9, kNotWritten, 0, 0, kNone, kNone},
    SetOffCase{"oneUnitLeftToPay", k1000, 0, 0, k1000 - 1, 1, k1000 - 1, 1, 0, kPay, kNone}),
    caseName);

struct SettleCase {
    const char *name;
    Currency a, b, c, d;
    Currency taxpayerLine26, spouseLine26;
};

class Settle : public testing::TestWithParam<SettleCase> {};

TEST_P(Settle, storesLines26And28OfBothPersonsFromTheirBalances)
{
    const SettleCase &c = GetParam();
    ReturnLedger ledger;
    auto &t = ledger.taxpayer.totals;
    auto &s = ledger.spouse.totals;
    t[total::line23] = c.a;
    t[total::line24] = c.b;
    s[total::line23] = c.c;
    s[total::line24] = c.d;
    t[total::line26] = t[total::line28] = s[total::line26] = s[total::line28] = 7;

    const SetOff result = settleSpouses(ledger);
    EXPECT_EQ(result.taxpayerLine26, c.taxpayerLine26);
    EXPECT_EQ(result.spouseLine26, c.spouseLine26);
    EXPECT_EQ(t[total::line26], c.taxpayerLine26);
    EXPECT_EQ(t[total::line28], c.taxpayerLine26);
    EXPECT_EQ(s[total::line26], c.spouseLine26);
    EXPECT_EQ(s[total::line28], c.spouseLine26);
}

INSTANTIATE_TEST_SUITE_P(Table, Settle, testing::Values(
    SettleCase{"taxpayerOwesTheRest", k1000, 0, 0, k400, baht(600), 0},
    SettleCase{"spouseOverpaidTheRest", k400, 0, 0, k1000, 0, baht(600)},
    SettleCase{"allSettledClearsStaleLines", 0, 0, 0, 0, 0, 0}),
    caseName);

} // namespace
} // namespace tax
