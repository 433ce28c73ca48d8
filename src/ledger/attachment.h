// The attachment's own lines: the one-time income items, the years of work,
// the net income and tax after the severance expense, and the balance of that
// tax against the tax withheld.
#pragma once

#include "return_ledger.h"

#include <string_view>

namespace tax {

enum class AttachmentItem { item1, item2, item3, item5 };

struct AttachmentItems {
    Currency item4 = 0; // items 1 to 3
    Currency item6 = 0; // the grand total, item 4 + item 5
};

// An item entered: stored, and items 4 and 6 of that person recomputed.
AttachmentItems enterAttachmentItem(ReturnLedger &ledger, Person who, AttachmentItem item,
                                    Currency amount);

// The years of work of employer row 0 to 3: stored, and the longest service
// found again.
void enterYearsOfWork(ReturnLedger &ledger, std::size_t row, Currency years);

struct AttachmentTax {
    Currency line2 = 0; // the expense: severance line 13, read where it stands
    Currency line3 = 0; // net income: the grand total less the expense
    Currency line4 = 0; // the tax on line 3
};

// Lines 2 to 4 of one person, once the severance panel is closed.
AttachmentTax computeAttachmentTax(ReturnLedger &ledger, Person who);

enum class AttachmentBalance {
    toPay,    // line 4 above the tax withheld: line 6 holds the rest
    overpaid, // line 4 below the tax withheld: line 7 holds the excess
    settled,  // equal: both lines 0
};

struct AttachmentBalanceLines {
    AttachmentBalance balance = AttachmentBalance::settled;
    Currency line6 = 0;
    Currency line7 = 0;
};

// Line 5, the tax withheld, entered: stored, and lines 6 and 7 of that person
// from line 4 as it stands.
AttachmentBalanceLines enterAttachmentWithholding(ReturnLedger &ledger, Person who,
                                                  Currency withheld);

// Whether the taxpayer's line-10 years of the severance panel (its edit's
// text) show the panel as used: a number other than 0. A text that is not a
// number, or too large, counts as not used: the panel's lines 10 to 13 could
// not have been computed from it.
bool severanceYearsEntered(std::string_view expenseYearsText);

} // namespace tax
