// The steps of the allowance chain.
#include "allowances.h"

#include "status_groups.h"
#include "tax_limits.h"

#include <algorithm>
#include <array>

namespace tax {

namespace {

// Line 14 counts every entry as it stands, with lines 10 to 12 capped by the
// totals routine; the taxpayer's spouse allowance is added on top here.
Currency lineFourteen(ReturnLedger &ledger, Person who, MaritalStatus status)
{
    UpdateTotals(ledger, who == Person::taxpayer ? 5 : 6);
    Currency &line14 = figures(ledger, who).totals[total::line14];
    if (addsSpouseAllowance(status, who))
        line14 = add(line14, kSpouseAllowance);
    return line14;
}

AllowanceLines finishStep(ReturnLedger &ledger, Person who, MaritalStatus status,
                          std::size_t remainderLine, Currency remainder, AllowanceNotice notice)
{
    figures(ledger, who).totals[remainderLine] = remainder;
    return {remainder, lineFourteen(ledger, who, status), notice};
}

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
    for (PersonFigures *p : {&ledger.taxpayer, &ledger.spouse}) {
        p->entries[entry::personalAllowance] = kPersonalAllowance;
        p->totals[total::afterLine8] = subtract(p->totals[total::line7], deduction);
    }
    // Entering the page again sets the later remainders back as well, so line
    // 15 shows the remainder after line 8 until the fields are left again.
    for (PersonFigures *p : {&ledger.taxpayer, &ledger.spouse}) {
        auto &t = p->totals;
        std::fill(t.begin() + total::afterLine9, t.begin() + total::afterLine12 + 1, t[total::afterLine8]);
    }
    AllowanceStart result;
    result.taxpayer = {ledger.taxpayer.totals[total::afterLine8], lineFourteen(ledger, Person::taxpayer, status)};
    result.spouse = {ledger.spouse.totals[total::afterLine8], lineFourteen(ledger, Person::spouse, status)};
    return result;
}

void enterChildrenFirstGroup(ReturnLedger &ledger, Person who, Currency count)
{
    figures(ledger, who).entries[entry::childrenFirstGroup] = count;
}

AllowanceLines enterChildren(ReturnLedger &ledger, Person who, MaritalStatus status,
                             Currency secondGroupCount)
{
    PersonFigures &p = figures(ledger, who);
    auto &e = p.entries;
    e[entry::childrenSecondGroup] = secondGroupCount;
    Currency first = e[entry::childrenFirstGroup];
    Currency second = secondGroupCount;

    // Second-group children are kept first and the first group gets what is
    // left of three. Counts need not be whole: the cut for one or two
    // second-group children applies only to exactly one or two.
    AllowanceNotice notice = AllowanceNotice::none;
    if (add(first, second) > kMaxChildren) {
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
        notice = AllowanceNotice::childrenOverLimit;
    }

    const ChildrenRates rates = childrenRates(status, who);
    e[entry::childrenFirstAllowance] = multiplyCount(first, rates.firstGroup);
    e[entry::childrenSecondAllowance] = multiplyCount(second, rates.secondGroup);
    const Currency allowance = add(e[entry::childrenFirstAllowance], e[entry::childrenSecondAllowance]);
    return finishStep(ledger, who, status, total::afterLine9,
                      subtract(p.totals[total::afterLine8], allowance), notice);
}

AllowanceLines enterCappedItem(ReturnLedger &ledger, Person who, MaritalStatus status,
                               CappedItem item, Currency amount)
{
    const CappedItemSteps &steps = kCappedItemSteps[static_cast<std::size_t>(item)];
    PersonFigures &p = figures(ledger, who);
    p.entries[steps.entry] = amount;
    const bool capped = amount > kAllowanceItemLimit;
    const Currency deducted = capped ? kAllowanceItemLimit : amount;
    return finishStep(ledger, who, status, steps.remainder,
                      subtract(p.totals[steps.previousRemainder], deducted),
                      capped ? AllowanceNotice::amountOverLimit : AllowanceNotice::none);
}

AllowanceLines enterSocialSecurity(ReturnLedger &ledger, Person who, MaritalStatus status,
                                   Currency amount)
{
    PersonFigures &p = figures(ledger, who);
    p.entries[entry::socialSecurity] = amount;
    return finishStep(ledger, who, status, total::line15,
                      subtract(p.totals[total::afterLine12], amount), AllowanceNotice::none);
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
