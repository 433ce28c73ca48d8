// Every rate, bound and limit of the tax rules, each named once.
#pragma once

#include "currency.h"

#include <array>
#include <limits>

namespace tax {

// Counts of children are kept in the amount scale: 3 children are 30000.
constexpr Currency children(std::int64_t count) { return count * kUnitsPerBaht; }

// Lines 5 and 6: the flat expense.
inline constexpr long double kExpenseRate = 0.4L;
inline constexpr Currency kExpenseCap = baht(60'000);

// Lines 8 to 16: the allowances.
inline constexpr Currency kPersonalAllowance = baht(30'000);
inline constexpr Currency kSpouseAllowance = baht(30'000);
inline constexpr Currency kMaxChildren = children(3);
inline constexpr Currency kAllowanceItemLimit = baht(10'000); // each of lines 10, 11 and 12
inline constexpr long double kDonationShare = 0.1L;           // of line 15

// Allowance per child of the first and of the second group of line 9.
struct ChildrenRates {
    Currency firstGroup;
    Currency secondGroup;
};
inline constexpr ChildrenRates kFullChildrenRates{baht(15'000), baht(17'000)};
inline constexpr ChildrenRates kHalfChildrenRates{baht(7'500), baht(8'500)};

// Severance panel: the first expense part per year of work, and the share of
// the remainder that is the second part.
inline constexpr Currency kSeveranceFullPerYear = baht(7'000);
inline constexpr Currency kSeveranceHalfPerYear = baht(3'500);
inline constexpr long double kSeveranceSecondPartShare = 0.5L;

// The progressive schedule. A band covers the net income above its lower bound
// up to and including its upper bound; fullAmount is its tax when the income
// passes the upper bound, kept as a constant rather than recomputed.
struct TaxBand {
    Currency lowerBound;
    Currency upperBound;
    long double rate;
    Currency fullAmount;
};
inline constexpr std::size_t kTaxBandCount = 5;
inline constexpr std::array<TaxBand, kTaxBandCount> kTaxSchedule{{
    {baht(0), baht(100'000), 0.05L, baht(5'000)},
    {baht(100'000), baht(500'000), 0.1L, baht(40'000)},
    {baht(500'000), baht(1'000'000), 0.2L, baht(100'000)},
    {baht(1'000'000), baht(4'000'000), 0.3L, baht(900'000)},
    {baht(4'000'000), std::numeric_limits<Currency>::max(), 0.37L, 0},
}};

// Per-count amounts must be whole baht: the product with a count is then an
// exact integer (see multiplyCount).
static_assert(kFullChildrenRates.firstGroup % kUnitsPerBaht == 0 && kFullChildrenRates.secondGroup % kUnitsPerBaht == 0);
static_assert(kHalfChildrenRates.firstGroup % kUnitsPerBaht == 0 && kHalfChildrenRates.secondGroup % kUnitsPerBaht == 0);
static_assert(kSeveranceFullPerYear % kUnitsPerBaht == 0 && kSeveranceHalfPerYear % kUnitsPerBaht == 0);

} // namespace tax
