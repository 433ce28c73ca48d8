// The ledger routines: clearing, the totals routine, the longest service and
// the amount-text check.
#include "return_ledger.h"

#include "tax_limits.h"

#include <algorithm>

namespace tax {

namespace {

constexpr std::size_t kClearedPerTable = 50;

void clearPerson(PersonFigures &person)
{
    std::fill_n(person.totals.begin(), kClearedPerTable, 0);
    std::fill_n(person.entries.begin(), kClearedPerTable, 0);
    person.severanceSalary = 0;
    person.severanceYears = 0;
    person.expenseYears = 0;
    person.severanceFlag = 0;
}

void lineFour(PersonFigures &p)
{
    const auto &e = p.entries;
    p.totals[total::line4] = add(subtract(e[entry::line1], e[entry::line2]), e[entry::line3]);
}

void linesFiveAndSeven(PersonFigures &p)
{
    // Four tenths of an integer never ends in .5, so the rounding has no ties.
    // A negative line 4 gives a negative expense; only the upper cap applies.
    auto &t = p.totals;
    t[total::line5] = std::min(multiply(t[total::line4], kExpenseRate), kExpenseCap);
    t[total::line7] = subtract(t[total::line4], t[total::line5]);
}

void lineFourteen(PersonFigures &p)
{
    const auto &e = p.entries;
    Currency sum = e[entry::personalAllowance];
    sum = add(sum, std::min(e[entry::lifeInsurance], kAllowanceItemLimit));
    sum = add(sum, std::min(e[entry::providentFund], kAllowanceItemLimit));
    sum = add(sum, std::min(e[entry::housingLoanInterest], kAllowanceItemLimit));
    sum = add(sum, e[entry::socialSecurity]);
    sum = add(sum, e[entry::childrenFirstAllowance]);
    sum = add(sum, e[entry::childrenSecondAllowance]);
    p.totals[total::line14] = sum;
}

void attachmentItems(PersonFigures &p)
{
    const auto &e = p.entries;
    auto &t = p.totals;
    t[total::attachmentItem4] = add(add(e[entry::attachmentItem1], e[entry::attachmentItem2]), e[entry::attachmentItem3]);
    t[total::attachmentItem6] = add(t[total::attachmentItem4], e[entry::attachmentItem5]);
}

} // namespace

void ClearLedger(ReturnLedger &ledger)
{
    clearPerson(ledger.taxpayer);
    clearPerson(ledger.spouse);
    std::fill_n(ledger.common.begin(), kClearedPerTable, 0);
}

void UpdateTotals(ReturnLedger &ledger, int which)
{
    switch (which) {
    case 1: lineFour(ledger.taxpayer); break;
    case 2: lineFour(ledger.spouse); break;
    case 3: linesFiveAndSeven(ledger.taxpayer); break;
    case 4: linesFiveAndSeven(ledger.spouse); break;
    case 5: lineFourteen(ledger.taxpayer); break;
    case 6: lineFourteen(ledger.spouse); break;
    case 10: attachmentItems(ledger.taxpayer); break;
    case 11: attachmentItems(ledger.spouse); break;
    default: break;
    }
}

void FindLongestService(ReturnLedger &ledger)
{
    const auto years = ledger.common.begin() + shared::yearsOfWork;
    const Currency longest = *std::max_element(years, years + 4);
    ledger.longestService = static_cast<long double>(longest) / kUnitsPerBaht;
}

void CheckAmountChar(ReturnLedger &ledger, char32_t c)
{
    const bool passes = (c >= U'0' && c <= U'9') || c == U'.';
    if (!passes)
        ledger.badChar = 1;
}

bool CheckAmountText(ReturnLedger &ledger, std::u32string_view text)
{
    ledger.badChar = 0;
    for (char32_t c : text)
        CheckAmountChar(ledger, c);
    return ledger.badChar != 1;
}

} // namespace tax
