// The allowance chain, lines 8 to 17 of the return: one rule per field of the
// allowances page, each storing its entry and recomputing only its own step.
//
// Line 15 is a chain of remainders (after line 8, 9, ... 13), each taken from
// the one before it as the ledger holds it at that moment; a later step catches
// up only when its own rule runs again. Line 14 is summed afresh by every step
// except the donation.
#pragma once

#include "marital_status.h"
#include "return_ledger.h"

namespace tax {

// A message the page is to show after writing the results.
enum class AllowanceNotice {
    none,
    childrenOverLimit, // more than three children together; only three counted
    amountOverLimit,   // an item above 10,000; only 10,000 counted
};

struct AllowanceLines {
    Currency line15 = 0; // the remainder this step computed, shown as line 15
    Currency line14 = 0; // total allowances
    AllowanceNotice notice = AllowanceNotice::none;
};

struct AllowanceStart {
    AllowanceLines taxpayer;
    AllowanceLines spouse;
};

// Entering the allowances page: both persons get the personal allowance, the
// remainder after line 8 (line 7 less 30,000, or 60,000 where the status
// claims the spouse allowance) in every remainder up to line 12, and line 14.
// Line 15 itself (the remainder after line 13) is left as it was.
AllowanceStart startAllowances(ReturnLedger &ledger, MaritalStatus status);

// Line 9 is entered in two steps so that the first-group count stays stored
// when the second-group field then fails to convert: the page stores the
// first-group count with enterChildrenFirstGroup, then converts the second
// field and calls enterChildren.
void enterChildrenFirstGroup(ReturnLedger &ledger, Person who, Currency count);

// Stores the second-group count, cuts the two stored counts to three children
// together (second group kept first), prices them at the person's rates and
// takes them from the remainder after line 8. The fields keep what was typed.
AllowanceLines enterChildren(ReturnLedger &ledger, Person who, MaritalStatus status,
                             Currency secondGroupCount);

// The three items deducted up to 10,000 each; the entry keeps the amount as typed.
enum class CappedItem {
    lifeInsurance,       // line 10
    providentFund,       // line 11
    housingLoanInterest, // line 12
};

AllowanceLines enterCappedItem(ReturnLedger &ledger, Person who, MaritalStatus status,
                               CappedItem item, Currency amount);

// Line 13, deducted without limit; its remainder is line 15.
AllowanceLines enterSocialSecurity(ReturnLedger &ledger, Person who, MaritalStatus status,
                                   Currency amount);

// Line 16 up to one tenth of line 15; returns line 17, the net income.
// Line 14 does not change: the donation is not part of it.
Currency enterDonation(ReturnLedger &ledger, Person who, Currency donation);

} // namespace tax
