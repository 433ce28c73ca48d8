// Ledger steps of the income page and of the question that opens the
// attachment: lines 1 to 7 of a person as its income fields are left, the
// joint lines 6 and 7 when the income page is left, and the values cleared
// when the attachment page is opened.
#pragma once

#include "marital_status.h"
#include "return_ledger.h"

namespace tax {

// Lines 1 to 3 of the return, the entered income of a person.
enum class IncomeLine {
    salary,        // line 1
    providentFund, // line 2
    severancePay,  // line 3
};

struct IncomeLines {
    Currency line4 = 0; // total assessable income
    Currency line5 = 0; // the 40 % expense, capped at 60,000
    Currency line7 = 0; // income after expenses
};

// Stores one income line of a person and recomputes lines 4, 5 and 7.
IncomeLines enterIncome(ReturnLedger &ledger, Person who, IncomeLine line, Currency amount);

// Recomputes lines 4, 5 and 7 from the entries as they stand, for a field
// that was refused and stored nothing.
IncomeLines recomputeIncome(ReturnLedger &ledger, Person who);

struct ExpenseLines {
    Currency line5 = 0; // the taxpayer's own expense
    Currency line6 = 0; // total expenses: both persons' under joint computation
    Currency line7 = 0; // income after expenses: both persons' under joint computation
};

// Leaving the income page: under joint computation the taxpayer's lines 6 and
// 7 take in the spouse's. The taxpayer's own lines are worked out afresh from
// line 4 first, so leaving the page again never counts the spouse twice.
ExpenseLines leaveIncomePage(ReturnLedger &ledger, MaritalStatus status);

// Opening the attachment page: its years of work and joint balances start
// again from zero, and so does the longest service.
void openAttachment(ReturnLedger &ledger);

} // namespace tax
