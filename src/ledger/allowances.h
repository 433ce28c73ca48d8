// The allowance chain, lines 8 to 17 of the return: one rule per field of the
// allowances page, each storing its entry and recomputing only its own step.
//
// Line 15 is a chain of remainders (after line 8, 9, ... 13), each taken from
// the one before it as the ledger holds it at that moment; a later step catches
// up only when its own rule runs again. Line 14 is summed afresh after every
// step except the donation.
//
// Each function below is one step that can fail on its own (a result outside
// the 64-bit amount throws FloatingPointError). The page shows what a step
// returns before it runs the next one, so that after a failure what is shown
// agrees with what is stored: the remainder of a field is shown even when the
// line-14 sum after it overflows.
#pragma once

#include "marital_status.h"
#include "return_ledger.h"

namespace tax {

// A message the page is to show at its place in the step.
enum class AllowanceNotice {
    none,
    childrenOverLimit, // more than three children together; only three counted
    amountOverLimit,   // an item above 10,000; only 10,000 counted
};

// The remainder after line 8 of both persons, shown as their line 15.
struct AllowanceStart {
    Currency taxpayer = 0;
    Currency spouse = 0;
};

// Entering the allowances page: both persons get the personal allowance, then
// the remainder after line 8 (line 7 less 30,000, or 60,000 where the status
// claims the spouse allowance) in every remainder up to line 12; the two
// remainders are stored together or, when one overflows, neither. Line 15
// itself (the remainder after line 13) is left as it was. Line 14 of each
// person follows with lineFourteen.
AllowanceStart startAllowances(ReturnLedger &ledger, MaritalStatus status);

// Line 14, the total of allowances: every entry as it stands, lines 10 to 12
// capped at 10,000 each, and for the taxpayer the spouse allowance where the
// status claims it. Stored only when the whole sum fits; returns it.
Currency lineFourteen(ReturnLedger &ledger, Person who, MaritalStatus status);

// Line 9 in three steps. The page stores the first-group count, then converts
// the second field and stores that count with enterChildrenSecondGroup, which
// cuts the two stored counts to three children together (second group kept
// first) and tells whether it did; the fields keep what was typed. Only then,
// after the message, priceChildren prices the counts at the person's rates and
// returns the remainder after line 9.
void enterChildrenFirstGroup(ReturnLedger &ledger, Person who, Currency count);
AllowanceNotice enterChildrenSecondGroup(ReturnLedger &ledger, Person who, Currency count);
Currency priceChildren(ReturnLedger &ledger, Person who, MaritalStatus status);

// The three items deducted up to 10,000 each; the entry keeps the amount as typed.
enum class CappedItem {
    lifeInsurance,       // line 10
    providentFund,       // line 11
    housingLoanInterest, // line 12
};

struct CappedItemStep {
    Currency remainder = 0; // after this line, shown as line 15
    AllowanceNotice notice = AllowanceNotice::none;
};

CappedItemStep enterCappedItem(ReturnLedger &ledger, Person who, CappedItem item, Currency amount);

// Line 13, deducted without limit; returns its remainder, line 15.
Currency enterSocialSecurity(ReturnLedger &ledger, Person who, Currency amount);

// Line 16 up to one tenth of line 15; returns line 17, the net income.
// Line 14 does not change: the donation is not part of it.
Currency enterDonation(ReturnLedger &ledger, Person who, Currency donation);

} // namespace tax
