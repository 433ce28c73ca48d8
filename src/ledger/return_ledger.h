// The ledger of one return: every entered amount and every computed line, for
// the taxpayer and the spouse, and the routines that keep lines 4 to 7 and the
// attachment totals up to date.
#pragma once

#include "currency.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tax {

// One person's figures. Index meanings are listed in return_ledger.cpp.
struct PersonFigures {
    std::array<Currency, 50> totals{};   // computed lines
    std::array<Currency, 100> entries{}; // amounts entered, and amounts derived from one entry
    Currency severanceSalary = 0;        // severance panel, salary figure of line 8
    Currency severanceYears = 0;         // severance panel, years worked (years x 10000)
    Currency expenseYears = 0;           // severance panel, years used for line 10 (years x 10000)
    std::int32_t severanceFlag = 0;      // 1 when items 1-3 and item 5 were both non-zero at opening
};

struct ReturnLedger {
    PersonFigures taxpayer;
    PersonFigures spouse;
    std::array<Currency, 100> common{}; // values not tied to one person

    // Working values. The original kept them as 6-byte reals (40-bit mantissa);
    // they are held here in the wider extended type, which can differ from that
    // only in the last unit of amounts above some ten million baht.
    long double badChar = 0;        // 1 once the amount-text check met a bad character
    long double longestService = 0; // longest years of work on the attachment, in years
};

// Sets every amount of both persons (severance-panel inputs included) and of
// common to 0. The working values are left alone.
void ClearLedger(ReturnLedger &ledger);

// Recomputes a fixed group of lines: 1/2 line 4, 3/4 lines 5 and 7, 5/6 line 14,
// 10/11 attachment items 4 and 6 (odd: taxpayer, even: spouse; 10 taxpayer,
// 11 spouse). Other case numbers do nothing.
void UpdateTotals(ReturnLedger &ledger, int which);

// longestService := the largest of common[0..3], in years.
void FindLongestService(ReturnLedger &ledger);

// The amount-text check for one character: digits and "." pass, anything else
// sets badChar to 1.
void CheckAmountChar(ReturnLedger &ledger, char32_t c);

// The way the amount fields use the check: reset badChar, check every character
// of the text, and tell whether the text passed.
bool CheckAmountText(ReturnLedger &ledger, std::u32string_view text);

} // namespace tax
