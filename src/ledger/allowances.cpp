// The steps of the allowance chain.
#include "allowances.h"

#include "status_groups.h"
#include "tax_limits.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tax {

namespace {

struct CappedItemSteps {
    std::size_t entry;
    std::size_t previousRemainder;
    std::size_t remainder;
};

constexpr std::array<CappedItemSteps, 3> kCappedItemSteps{{
    {entry::lifeInsurance, total::afterLine9, total::afterLine10},
    {entry::providentFund, total::afterLine10, total::afterLine11},
    {entry::housingLoanInterest, total::afterLine11, total::afterLine12},
}};

} // namespace

AllowanceStart startAllowances(ReturnLedger &ledger, MaritalStatus status)
{
    const Currency deduction = groupsOf(status).spouseAllowance
        ? add(kPersonalAllowance, kSpouseAllowance) : kPersonalAllowance;
    for (PersonFigures *p : {&ledger.taxpayer, &ledger.spouse})
        p->entries[entry::personalAllowance] = kPersonalAllowance;
    const AllowanceStart start{subtract(ledger.taxpayer.totals[total::line7], deduction),
                               subtract(ledger.spouse.totals[total::line7], deduction)};
    // Entering the page again sets the later remainders back as well, so line
    // 15 shows the remainder after line 8 until the fields are left again.
    for (auto [p, remainder] : {std::pair{&ledger.taxpayer, start.taxpayer}, std::pair{&ledger.spouse, start.spouse}}) {
        auto &t = p->totals;
        std::fill(t.begin() + total::afterLine8, t.begin() + total::afterLine12 + 1, remainder);
    }
    return start;
}

Currency lineFourteen(ReturnLedger &ledger, Person who, MaritalStatus status)
{
    Currency &line14 = figures(ledger, who).totals[total::line14];
    const Currency before = line14;
    UpdateTotals(ledger, who == Person::taxpayer ? 5 : 6);
    if (addsSpouseAllowance(status, who)) {
        // The totals routine has stored its part already; a spouse allowance
        // that does not fit on top of it leaves line 14 as it was.
        try {
            line14 = add(line14, kSpouseAllowance);
        } catch (const FloatingPointError &) {
            line14 = before;
            throw;
        }
    }
    return line14;
}

void enterChildrenFirstGroup(ReturnLedger &ledger, Person who, Currency count)
{
    figures(ledger, who).entries[entry::childrenFirstGroup] = count;
}

AllowanceNotice enterChildrenSecondGroup(ReturnLedger &ledger, Person who, Currency count)
{
    auto &e = figures(ledger, who).entries;
    e[entry::childrenSecondGroup] = count;
    Currency first = e[entry::childrenFirstGroup];
    Currency second = count;

    // The sum of two 64-bit counts needs at most 64 bits of mantissa, so it is
    // exact in the extended format even where it does not fit an amount.
    if (static_cast<long double>(first) + static_cast<long double>(second) <= kMaxChildren)
        return AllowanceNotice::none;
    // Second-group children are kept first and the first group gets what is
    // left of three. Counts need not be whole: the cut for one or two
    // second-group children applies only to exactly one or two.
    first = std::min(first, kMaxChildren);
    if (second >= kMaxChildren) {
        second = kMaxChildren;
        first = 0;
    } else if (second == children(2) && first > children(1)) {
        first = children(1);
    } else if (second == children(1) && first > children(2)) {
        first = children(2);
    }
    e[entry::childrenFirstGroup] = first;
    e[entry::childrenSecondGroup] = second;
    return AllowanceNotice::childrenOverLimit;
}

Currency priceChildren(ReturnLedger &ledger, Person who, MaritalStatus status)
{
    PersonFigures &p = figures(ledger, who);
    auto &e = p.entries;
    const ChildrenRates rates = childrenRates(status, who);
    e[entry::childrenFirstAllowance] = multiplyCount(e[entry::childrenFirstGroup], rates.firstGroup);
    e[entry::childrenSecondAllowance] = multiplyCount(e[entry::childrenSecondGroup], rates.secondGroup);
    const Currency allowance = add(e[entry::childrenFirstAllowance], e[entry::childrenSecondAllowance]);
    Currency &remainder = p.totals[total::afterLine9];
    remainder = subtract(p.totals[total::afterLine8], allowance);
    return remainder;
}

CappedItemStep enterCappedItem(ReturnLedger &ledger, Person who, CappedItem item, Currency amount)
{
    const CappedItemSteps &steps = kCappedItemSteps[static_cast<std::size_t>(item)];
    PersonFigures &p = figures(ledger, who);
    p.entries[steps.entry] = amount;
    const bool capped = amount > kAllowanceItemLimit;
    Currency &remainder = p.totals[steps.remainder];
    remainder = subtract(p.totals[steps.previousRemainder], capped ? kAllowanceItemLimit : amount);
    return {remainder, capped ? AllowanceNotice::amountOverLimit : AllowanceNotice::none};
}

Currency enterSocialSecurity(ReturnLedger &ledger, Person who, Currency amount)
{
    PersonFigures &p = figures(ledger, who);
    p.entries[entry::socialSecurity] = amount;
    Currency &line15 = p.totals[total::line15];
    line15 = subtract(p.totals[total::afterLine12], amount);
    return line15;
}

Currency enterDonation(ReturnLedger &ledger, Person who, Currency donation)
{
    PersonFigures &p = figures(ledger, who);
    p.entries[entry::donation] = donation;
    const Currency line15 = p.totals[total::line15];
    // The limit is a working value in baht, held as long double like the
    // ledger's other working values, and scaled back for the comparison. With
    // a negative line 15 it is negative too, and any donation of 0 or more
    // then lifts line 17 above line 15.
    const long double limitInBaht = static_cast<long double>(line15) / kUnitsPerBaht * kDonationShare;
    const long double limit = limitInBaht * kUnitsPerBaht;
    Currency &line17 = p.totals[total::line17];
    line17 = static_cast<long double>(donation) > limit ? roundHalfEven(line15 - limit) : subtract(line15, donation);
    return line17;
}

} // namespace tax
