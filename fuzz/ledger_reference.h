// What the entry-steps fuzz target checks the ledger against: the status
// table, the tax schedule in exact arithmetic, comparing two ledgers, and the
// invariants that hold after any sequence of steps.
#pragma once

#include "fuzz_check.h"

#include "marital_status.h"
#include "return_ledger.h"

#include <cmath>
#include <string>

namespace fuzz {

// The taxpayer claims the spouse allowance and counts children at the full
// rates under these statuses; the spouse always counts them at the half rates.
inline bool claimsSpouseAllowance(tax::MaritalStatus s)
{
    return s == tax::MaritalStatus::married1 || s == tax::MaritalStatus::married3;
}

inline bool fullChildrenRates(tax::MaritalStatus s, tax::Person who)
{
    using M = tax::MaritalStatus;
    return who == tax::Person::taxpayer && (s == M::single || s == M::widow || s == M::married1 || s == M::married3);
}

inline const char *personName(tax::Person who) { return who == tax::Person::taxpayer ? "taxpayer" : "spouse"; }

// The progressive schedule in units: bounds, rate in percent, tax of a full band.
struct Band {
    Wide lower;
    Wide upper;
    int percent;
    Wide full;
};
inline constexpr Band kBands[5]{
    {0, 1'000'000'000, 5, 50'000'000},
    {1'000'000'000, 5'000'000'000, 10, 400'000'000},
    {5'000'000'000, 10'000'000'000, 20, 1'000'000'000},
    {10'000'000'000, 40'000'000'000, 30, 9'000'000'000},
    {40'000'000'000, kHighest, 37, 0},
};

// Five band amounts (from `bands`) and their tax against the schedule: full
// bands below the net income's band, its own part times the rate, nothing above.
inline void checkTax(tax::Currency net, const tax::Currency *bands, tax::Currency taxAmount, const std::string &what)
{
    for (int k = 0; k < 5; ++k) {
        const Band &b = kBands[k];
        const bool inside = net > b.lower || (k == 0 && net == 0);
        bool sound = bands[k] == 0;
        if (net > b.upper)
            sound = bands[k] == b.full;
        else if (inside)
            sound = roundsTo(bands[k], (Wide(net) - b.lower) * b.percent, 100);
        FUZZ_REQUIRE(sound, "each tax band follows the schedule",
                     what + ": net " + decimal(net) + ", band " + std::to_string(k + 1) + " = " + decimal(bands[k]));
    }
    FUZZ_REQUIRE(bands[0] + Wide(bands[1]) + bands[2] + bands[3] + bands[4] == taxAmount,
                 "the tax is the sum of its bands", what + ": net " + decimal(net) + ", tax " + decimal(taxAmount));
}

// Between two computations the net income may change; the bands still add up
// to the tax and none is negative.
inline void checkBandsAddUp(const tax::Currency *bands, tax::Currency taxAmount, const std::string &what)
{
    Wide sum = 0;
    for (int k = 0; k < 5; ++k) {
        FUZZ_REQUIRE(bands[k] >= 0, "no tax band is negative", what);
        sum += bands[k];
    }
    FUZZ_REQUIRE(sum == taxAmount, "the tax is the sum of its bands", what + ": tax " + decimal(taxAmount));
}

inline bool samePerson(const tax::PersonFigures &a, const tax::PersonFigures &b)
{
    return a.totals == b.totals && a.entries == b.entries && a.severanceSalary == b.severanceSalary &&
           a.severanceYears == b.severanceYears && a.expenseYears == b.expenseYears &&
           a.severanceFlag == b.severanceFlag;
}

// Every amount and working value of the two ledgers is the same.
inline bool sameLedger(const tax::ReturnLedger &a, const tax::ReturnLedger &b)
{
    return samePerson(a.taxpayer, b.taxpayer) && samePerson(a.spouse, b.spouse) && a.common == b.common &&
           a.badChar == b.badChar && a.longestService == b.longestService;
}

inline void checkPersonInvariants(const tax::PersonFigures &p, const char *who)
{
    namespace total = tax::total;
    namespace entry = tax::entry;
    const auto &t = p.totals;
    const auto &e = p.entries;
    const std::string name(who);
    FUZZ_REQUIRE(p.severanceFlag == 0 || p.severanceFlag == 1, "the severance flag is 0 or 1", name);
    FUZZ_REQUIRE(t[total::line23] >= 0 && t[total::line24] >= 0 && (t[total::line23] == 0 || t[total::line24] == 0),
                 "a balance is either to pay or overpaid, never negative",
                 name + ": " + decimal(t[total::line23]) + " / " + decimal(t[total::line24]));
    FUZZ_REQUIRE(t[total::line26] >= 0 && t[total::line28] >= 0, "lines 26 and 28 are never negative", name);
    FUZZ_REQUIRE(t[total::attachmentLine6] >= 0 && t[total::attachmentLine7] >= 0 &&
                     (t[total::attachmentLine6] == 0 || t[total::attachmentLine7] == 0),
                 "the attachment's tax is either to pay or overpaid, never negative",
                 name + ": " + decimal(t[total::attachmentLine6]) + " / " + decimal(t[total::attachmentLine7]));
    checkBandsAddUp(&e[entry::attachmentBands], t[total::attachmentLine4], name + " attachment");
    checkBandsAddUp(&e[entry::returnBands], t[total::line18], name + " line 18");
    for (std::size_t i = entry::credits + 1; i < e.size(); ++i)
        FUZZ_REQUIRE(e[i] == 0, "entries past the credits stay 0", name + " entry " + std::to_string(i));
    for (std::size_t i = total::line28 + 1; i < t.size(); ++i)
        FUZZ_REQUIRE(t[i] == 0, "totals past line 28 stay 0", name + " total " + std::to_string(i));
}

// What holds after any sequence of steps, whether the last one finished or not.
inline void checkInvariants(const tax::ReturnLedger &ledger)
{
    FUZZ_REQUIRE(ledger.badChar == 0 || ledger.badChar == 1, "badChar is 0 or 1", "");
    FUZZ_REQUIRE(std::isfinite(ledger.longestService), "the longest service is a finite number", "");
    checkPersonInvariants(ledger.taxpayer, "taxpayer");
    checkPersonInvariants(ledger.spouse, "spouse");
    for (std::size_t i = tax::shared::jointLine20 + 1; i < ledger.common.size(); ++i)
        FUZZ_REQUIRE(ledger.common[i] == 0, "unused common values stay 0", std::to_string(i));
}

} // namespace fuzz
