// The ledger routines. Index meanings, per person:
//   totals  0 line 4, 1 line 5/6, 2 line 7, 3..8 allowance remainders (8 = line 15),
//           9 line 14, 10 line 17, 11 attachment item 4, 12 attachment item 6,
//           13..18 severance lines 8..13, 19 attachment line 3, 20 attachment tax,
//           21 attachment line 7, 22 attachment line 6, 23 line 18, 24 line 23,
//           25 line 24, 26 line 26, 27 line 28
//   entries 0..2 lines 1..3, 3 personal allowance, 4/5 children counts,
//           6..9 lines 10..13 as entered, 10/11 children allowances, 12 donation,
//           13..16 attachment items 1, 2, 3, 5, 17..21 attachment tax bands,
//           22 attachment withholding, 23..27 tax bands of line 18, 28 credits
//   common  0..3 years per employer, 4/5 joint attachment lines 6/7
#include "return_ledger.h"

#include <algorithm>

namespace tax {

namespace {

constexpr std::size_t kClearedPerTable = 50;
constexpr Currency kExpenseCap = baht(60'000);
constexpr long double kExpenseRate = 0.4L;
constexpr Currency kAllowanceItemLimit = baht(10'000);

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
    p.totals[0] = add(subtract(p.entries[0], p.entries[1]), p.entries[2]);
}

void linesFiveAndSeven(PersonFigures &p)
{
    // Four tenths of an integer never ends in .5, so the rounding has no ties.
    // A negative line 4 gives a negative expense; only the upper cap applies.
    p.totals[1] = std::min(multiply(p.totals[0], kExpenseRate), kExpenseCap);
    p.totals[2] = subtract(p.totals[0], p.totals[1]);
}

void lineFourteen(PersonFigures &p)
{
    const auto &e = p.entries;
    Currency sum = e[3];
    sum = add(sum, std::min(e[6], kAllowanceItemLimit));
    sum = add(sum, std::min(e[7], kAllowanceItemLimit));
    sum = add(sum, std::min(e[8], kAllowanceItemLimit));
    sum = add(sum, e[9]);
    sum = add(sum, e[10]);
    sum = add(sum, e[11]);
    p.totals[9] = sum;
}

void attachmentItems(PersonFigures &p)
{
    p.totals[11] = add(add(p.entries[13], p.entries[14]), p.entries[15]);
    p.totals[12] = add(p.totals[11], p.entries[16]);
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
    const auto &c = ledger.common;
    const Currency longest = std::max({c[0], c[1], c[2], c[3]});
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
