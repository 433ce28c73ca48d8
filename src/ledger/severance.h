// The severance expense panel: the deductible expense of a one-time payment on
// leaving employment, lines 8 to 13 of the panel, for each person apart.
#pragma once

#include "return_ledger.h"

#include <string>
#include <string_view>

namespace tax {

struct SeveranceOpeningSide {
    // Items 1-3 without item 5: the person's line-8 captions, check boxes and
    // edits are to be disabled (for good), and line9 and line10 shown.
    // Otherwise nothing of this person changes on screen.
    bool itemsOnly = false;
    Currency line9 = 0;  // the items 1-3 total
    Currency line10 = 0; // 7,000 baht per year of the longest service
};

struct SeveranceOpening {
    SeveranceOpeningSide taxpayer; // taxpayer.itemsOnly: focus goes to the 7,000 radio, not the first check box
    SeveranceOpeningSide spouse;
};

// Opening the panel: sets both persons' severanceFlag (items 1-3 and item 5
// both non-zero) and fills lines 9 and 10 in the items-only case. The radio
// choice is not consulted; lines 11 to 13 keep their values.
SeveranceOpening openSeverancePanel(ReturnLedger &ledger);

// Line 8 salary: stored, nothing recomputed.
void enterSeveranceSalary(ReturnLedger &ledger, Person who, Currency salary);

// Line 8 years: stores them as the years of line 8 and of line 10, and gives
// the new text of the line-10 years edit: the taxpayer's text as typed, the
// spouse's years in the money format ("5" becomes "        5.00"). The page
// shows it before lines 8 and 9 are worked out, which can overflow.
std::string enterSeveranceYears(ReturnLedger &ledger, Person who, Currency years,
                                std::string_view typedText);

struct SeveranceBase {
    Currency line8 = 0; // salary x years
    Currency line9 = 0; // base of the expense
};

// Lines 8 and 9 from the stored salary and years.
SeveranceBase severanceBase(ReturnLedger &ledger, Person who);

// The two radios of line 10.
enum class FirstPartRate {
    perYear7000,
    perYear3500,
};

// A radio click: line 10 from the stored years at the chosen rate. Lines 11 to
// 13 wait for the line-10 years edit to be left again.
Currency chooseFirstPartRate(ReturnLedger &ledger, Person who, FirstPartRate rate);

struct SeveranceExpense {
    Currency line10 = 0;
    Currency line11 = 0; // line 9 - line 10, negative when line 10 is larger
    Currency line12 = 0; // half of line 11
    Currency line13 = 0; // line 10 + line 12, the expense carried to the attachment
};

// Line-10 years: stores them at the radio's rate and gives lines 10 to 13.
SeveranceExpense enterExpenseYears(ReturnLedger &ledger, Person who, FirstPartRate rate,
                                   Currency years);

} // namespace tax
