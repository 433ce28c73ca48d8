// The progressive schedule, and the two places its results are kept.
#include "tax_schedule.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tax {
namespace {

using Bands = std::array<Currency, kTaxBandCount>;

struct ScheduleCase {
    const char *name;
    Currency netIncome;
    Bands bands;
    Currency tax;
};

class Schedule : public testing::TestWithParam<ScheduleCase> {};

TEST_P(Schedule, fillsLowerBandsInFullAndTaxesThePartInsideTheLast)
{
    const TaxBands result = TaxOnNetIncome(GetParam().netIncome);
    EXPECT_EQ(result.bands, GetParam().bands);
    EXPECT_EQ(result.tax, GetParam().tax);
}

constexpr Currency k5 = baht(5'000), k40 = baht(40'000), k100 = baht(100'000), k900 = baht(900'000);

INSTANTIATE_TEST_SUITE_P(Table, Schedule, testing::Values(
    ScheduleCase{"zeroOwesNothing", 0, {}, 0},
    ScheduleCase{"negativeOwesNothing", -1, {}, 0},
    ScheduleCase{"oneSatangGivesFiveUnits", 100, {5, 0, 0, 0, 0}, 5},
    ScheduleCase{"fivePercentTieGoesDownToEven", 10, {0, 0, 0, 0, 0}, 0},
    ScheduleCase{"fivePercentTieGoesUpToEven", 30, {2, 0, 0, 0, 0}, 2},
    ScheduleCase{"firstBoundStaysInBandOne", baht(100'000), {k5, 0, 0, 0, 0}, k5},
    ScheduleCase{"halfABahtAboveFirstBound", baht(100'000) + 5'000, {k5, 500, 0, 0, 0}, k5 + 500},
    ScheduleCase{"workedValue350000", baht(350'000), {k5, baht(25'000), 0, 0, 0}, baht(30'000)},
    ScheduleCase{"secondBound", baht(500'000), {k5, k40, 0, 0, 0}, baht(45'000)},
    ScheduleCase{"workedValue750000", baht(750'000), {k5, k40, baht(50'000), 0, 0}, baht(95'000)},
    ScheduleCase{"thirdBound", baht(1'000'000), {k5, k40, k100, 0, 0}, baht(145'000)},
    ScheduleCase{"thirtyPercentOf335UnitsGives101", baht(1'000'000) + 335, {k5, k40, k100, 101, 0}, baht(145'000) + 101},
    ScheduleCase{"thirtyPercentOf345UnitsGives104", baht(1'000'000) + 345, {k5, k40, k100, 104, 0}, baht(145'000) + 104},
    ScheduleCase{"workedValue2000000", baht(2'000'000), {k5, k40, k100, baht(300'000), 0}, baht(445'000)},
    ScheduleCase{"fourthBound", baht(4'000'000), {k5, k40, k100, k900, 0}, baht(1'045'000)},
    ScheduleCase{"oneUnitIntoBandFiveRoundsToZero", baht(4'000'000) + 1, {k5, k40, k100, k900, 0}, baht(1'045'000)},
    ScheduleCase{"twoUnitsIntoBandFiveGiveOne", baht(4'000'000) + 2, {k5, k40, k100, k900, 1}, baht(1'045'000) + 1},
    ScheduleCase{"workedValue5000000", baht(5'000'000), {k5, k40, k100, k900, baht(370'000)}, baht(1'415'000)}),
    [](const auto &info) { return std::string(info.param.name); });

struct Storage {
    const char *name;
    TaxBands (*store)(ReturnLedger &, Person);
    std::size_t netIncome, ownBands, otherBands, tax;
};

class TaxStorage : public testing::TestWithParam<Storage> {};

Bands bandsAt(const PersonFigures &p, std::size_t first)
{
    Bands b;
    std::copy_n(p.entries.begin() + static_cast<std::ptrdiff_t>(first), kTaxBandCount, b.begin());
    return b;
}

TEST_P(TaxStorage, keepsItsOwnBandsAndLeavesTheOtherComputationAndPersonAlone)
{
    const Storage &s = GetParam();
    ReturnLedger ledger;
    for (PersonFigures *p : {&ledger.taxpayer, &ledger.spouse})
        p->entries.fill(7); // stale bands of both computations
    ledger.spouse.totals[s.netIncome] = baht(350'000);
    ledger.taxpayer.totals[s.netIncome] = baht(2'000'000);

    EXPECT_EQ(s.store(ledger, Person::spouse).tax, baht(30'000));
    EXPECT_EQ(ledger.spouse.totals[s.tax], baht(30'000));
    EXPECT_EQ(bandsAt(ledger.spouse, s.ownBands), (Bands{baht(5'000), baht(25'000), 0, 0, 0}));
    EXPECT_EQ(bandsAt(ledger.spouse, s.otherBands), (Bands{7, 7, 7, 7, 7}));
    EXPECT_EQ(bandsAt(ledger.taxpayer, s.ownBands), (Bands{7, 7, 7, 7, 7}));
    EXPECT_EQ(ledger.taxpayer.totals[s.tax], 0);
}

INSTANTIATE_TEST_SUITE_P(BothCallers, TaxStorage, testing::Values(
    Storage{"attachment", storeAttachmentTax, total::attachmentLine3, entry::attachmentBands, entry::returnBands, total::attachmentLine4},
    Storage{"returnLine18", storeReturnTax, total::line17, entry::returnBands, entry::attachmentBands, total::line18}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace tax
