// The progressive schedule, and the two places its results are kept.
#include "tax_schedule.h"

#include <gtest/gtest.h>

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

TEST_P(TaxStorage, keepsItsOwnBandsAndLeavesTheOtherComputationAndPersonAlone)
{
    const Storage &s = GetParam();
    ReturnLedger ledger;
    for (PersonFigures *p : {&ledger.taxpayer, &ledger.spouse})
        std::fill_n(p->entries.begin() + static_cast<std::ptrdiff_t>(s.ownBands), kTaxBandCount, 7);
    std::fill_n(ledger.spouse.entries.begin() + static_cast<std::ptrdiff_t>(s.otherBands), kTaxBandCount, 9);
    ledger.spouse.totals[s.netIncome] = baht(350'000);
    ledger.taxpayer.totals[s.netIncome] = baht(2'000'000);

    const TaxBands result = s.store(ledger, Person::spouse);

    EXPECT_EQ(result.tax, baht(30'000));
    EXPECT_EQ(ledger.spouse.totals[s.tax], baht(30'000));
    const Bands stored{ledger.spouse.entries[s.ownBands], ledger.spouse.entries[s.ownBands + 1],
                       ledger.spouse.entries[s.ownBands + 2], ledger.spouse.entries[s.ownBands + 3],
                       ledger.spouse.entries[s.ownBands + 4]};
    EXPECT_EQ(stored, (Bands{baht(5'000), baht(25'000), 0, 0, 0})) << "stale bands are cleared first";
    for (std::size_t i = 0; i < kTaxBandCount; ++i) {
        EXPECT_EQ(ledger.spouse.entries[s.otherBands + i], 9) << "the other computation's band " << i;
        EXPECT_EQ(ledger.taxpayer.entries[s.ownBands + i], 7) << "the taxpayer's band " << i;
    }
    EXPECT_EQ(ledger.taxpayer.totals[s.tax], 0);
}

INSTANTIATE_TEST_SUITE_P(BothCallers, TaxStorage, testing::Values(
    Storage{"attachment", storeAttachmentTax, total::attachmentLine3, entry::attachmentBands, entry::returnBands, total::attachmentLine4},
    Storage{"returnLine18", storeReturnTax, total::line17, entry::returnBands, entry::attachmentBands, total::line18}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace tax
