// What each marital status grants in the allowances: the one table of the
// status groups.
#pragma once

#include "marital_status.h"
#include "return_ledger.h"
#include "tax_limits.h"

#include <array>

namespace tax {

struct StatusGroups {
    MaritalStatus status;
    bool spouseAllowance;   // the taxpayer claims the spouse allowance
    bool fullChildrenRates; // the taxpayer's children count at the full rates
};

inline constexpr std::array<StatusGroups, 7> kStatusGroups{{
    {MaritalStatus::single, false, true},
    {MaritalStatus::widow, false, true},
    {MaritalStatus::married1, true, true},
    {MaritalStatus::married2, false, false},
    {MaritalStatus::married3, true, true},
    {MaritalStatus::married4, false, false},
    {MaritalStatus::married5, false, false},
}};

constexpr const StatusGroups &groupsOf(MaritalStatus status)
{
    return kStatusGroups[static_cast<std::size_t>(status)];
}

// The rows are looked up by position, so they must stand in the enum's order.
static_assert([] {
    for (std::size_t i = 0; i < kStatusGroups.size(); ++i)
        if (static_cast<std::size_t>(kStatusGroups[i].status) != i)
            return false;
    return true;
}());

// Only the taxpayer adds the spouse allowance; the spouse is never granted it.
constexpr bool addsSpouseAllowance(MaritalStatus status, Person who)
{
    return who == Person::taxpayer && groupsOf(status).spouseAllowance;
}

// The spouse always counts children at the half rates.
constexpr ChildrenRates childrenRates(MaritalStatus status, Person who)
{
    const bool full = who == Person::taxpayer && groupsOf(status).fullChildrenRates;
    return full ? kFullChildrenRates : kHalfChildrenRates;
}

} // namespace tax
