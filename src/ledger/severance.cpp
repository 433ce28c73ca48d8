// The rules of the severance expense panel.
#include "severance.h"

#include "amount_text.h"
#include "tax_limits.h"

namespace tax {

namespace {

SeveranceOpeningSide openFor(PersonFigures &p, long double longestService)
{
    SeveranceOpeningSide side;
    side.itemsOnly = p.totals[total::attachmentItem4] != 0 && p.entries[entry::attachmentItem5] == 0;
    if (side.itemsOnly) {
        p.totals[total::severanceLine9] = p.totals[total::attachmentItem4];
        p.totals[total::severanceLine10] = roundHalfEven(longestService * kSeveranceFullPerYear);
        side.line9 = p.totals[total::severanceLine9];
        side.line10 = p.totals[total::severanceLine10];
    }
    return side;
}

void setFlag(PersonFigures &p)
{
    p.severanceFlag = p.totals[total::attachmentItem4] != 0 && p.entries[entry::attachmentItem5] != 0;
}

Currency perYear(FirstPartRate rate)
{
    return rate == FirstPartRate::perYear7000 ? kSeveranceFullPerYear : kSeveranceHalfPerYear;
}

Currency lineTen(PersonFigures &p, FirstPartRate rate)
{
    p.totals[total::severanceLine10] = multiplyCount(p.expenseYears, perYear(rate));
    return p.totals[total::severanceLine10];
}

} // namespace

SeveranceOpening openSeverancePanel(ReturnLedger &ledger)
{
    ledger.taxpayer.severanceFlag = 0;
    ledger.spouse.severanceFlag = 0;
    SeveranceOpening result;
    result.spouse = openFor(ledger.spouse, ledger.longestService);
    result.taxpayer = openFor(ledger.taxpayer, ledger.longestService);
    setFlag(ledger.spouse);
    setFlag(ledger.taxpayer);
    return result;
}

void enterSeveranceSalary(ReturnLedger &ledger, Person who, Currency salary)
{
    figures(ledger, who).severanceSalary = salary;
}

std::string enterSeveranceYears(ReturnLedger &ledger, Person who, Currency years,
                                std::string_view typedText)
{
    PersonFigures &p = figures(ledger, who);
    p.severanceYears = years;
    p.expenseYears = years;
    return who == Person::taxpayer ? std::string(typedText) : formatMoney(p.expenseYears);
}

SeveranceBase severanceBase(ReturnLedger &ledger, Person who)
{
    PersonFigures &p = figures(ledger, who);
    SeveranceBase result;
    // Both factors carry the 10000 scale, so the product is scaled back once.
    const Currency product = roundHalfEven(static_cast<long double>(p.severanceSalary) * p.severanceYears
                                           / kUnitsPerBaht);
    p.totals[total::severanceLine8] = product;

    // Item 5 is counted up to salary x years; with the flag the items 1-3
    // total comes on top (all of item 6 when item 5 fits in full).
    const Currency item5 = p.entries[entry::attachmentItem5];
    Currency &line9 = p.totals[total::severanceLine9];
    if (p.severanceFlag == 0)
        line9 = product >= item5 ? item5 : product;
    else
        line9 = product >= item5 ? p.totals[total::attachmentItem6] : add(p.totals[total::attachmentItem4], product);

    result.line8 = product;
    result.line9 = line9;
    return result;
}

Currency chooseFirstPartRate(ReturnLedger &ledger, Person who, FirstPartRate rate)
{
    return lineTen(figures(ledger, who), rate);
}

SeveranceExpense enterExpenseYears(ReturnLedger &ledger, Person who, FirstPartRate rate,
                                   Currency years)
{
    PersonFigures &p = figures(ledger, who);
    auto &t = p.totals;
    p.expenseYears = years;
    SeveranceExpense result;
    result.line10 = lineTen(p, rate);
    // No floor: a line 10 above line 9 makes lines 11 and 12 negative.
    t[total::severanceLine11] = subtract(t[total::severanceLine9], result.line10);
    t[total::severanceLine12] = multiply(t[total::severanceLine11], kSeveranceSecondPartShare);
    t[total::severanceLine13] = add(t[total::severanceLine12], result.line10);
    result.line11 = t[total::severanceLine11];
    result.line12 = t[total::severanceLine12];
    result.line13 = t[total::severanceLine13];
    return result;
}

} // namespace tax
