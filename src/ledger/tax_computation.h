// The tax computation page's rules: line 18 and the attachment's lines 19 and
// 20 when the page opens, each person's balance (lines 23 and 24), and the
// set-off of one spouse's overpayment against the other's tax (lines 25 to 28).
#pragma once

#include "marital_status.h"
#include "return_ledger.h"

#include <optional>

namespace tax {

// Lines 18 to 20 of one person as the page shows them.
struct OpeningLines {
    Currency line18 = 0;
    Currency line19 = 0;
    Currency line20 = 0;
};

struct TaxComputationOpening {
    OpeningLines taxpayer;
    OpeningLines spouse;
};

// Joint computation (married3): each person's attachment lines 6 and 7 taken as the
// attachment page shows them (rounded to the satang, halves away from zero, like
// formatMoney), added in baht, converted back to Currency, then set off against each other:
// line-20 smaller -> line19 = difference, line20 = 0; line-19 smaller -> line20 = difference,
// line19 = 0; equal -> both 0.
struct JointAttachment {
    Currency line19 = 0;
    Currency line20 = 0;
};

JointAttachment jointAttachment(Currency line6Taxpayer, Currency line6Spouse,
                                Currency line7Taxpayer, Currency line7Spouse);

// Opening the page (the attachment page's next button): clears common[4] and [5]; under
// married3 stores the joint amounts there; clears entries 23..29 of both persons; line 18 of
// the taxpayer then of the spouse from each one's own line 17 (bands in entries 23..27,
// storeReturnTax). Returns what the page shows: the taxpayer's lines 19/20 are the joint
// amounts under married3 and totals[22]/[21] otherwise; the spouse's are its totals[22]/[21].
TaxComputationOpening openTaxComputation(ReturnLedger &ledger, MaritalStatus status);

// A person's balance, lines 23 and 24.
enum class Balance { toPay, overpaid, settled };

struct BalanceLines {
    Balance balance = Balance::settled;
    Currency line23 = 0;
    Currency line24 = 0;
};

// base = line18 + line19 - line20, turned into baht as a working value and scaled back for
// the comparison with the credits and for the differences. Credits below the base leave
// line 23 = base - credits (toPay), credits above it leave line 24 = credits - base
// (overpaid), equal amounts leave both 0 (settled). The differences are rounded halves to
// even; a base that does not come back exactly from baht can thus give toPay or overpaid
// with a line of 0.
BalanceLines balanceOf(Currency line18, Currency line19, Currency line20, Currency credits);

// Leaving the taxpayer's line-22 field starts over: totals 24..29 of both persons := 0.
void clearBalances(ReturnLedger &ledger);

// Stores credits = line21 + line22 in the person's entries[28], computes the person's lines
// 23/24 from the ledger (for the taxpayer under married3 the base is totals[23] + common[4]
// - common[5]; otherwise totals[23] + totals[22] - totals[21]) and stores them in
// totals[24]/[25]. Returns them.
BalanceLines enterCredits(ReturnLedger &ledger, Person who, MaritalStatus status,
                          Currency line21, Currency line22);

// Statuses other than married4: the taxpayer's line 28 is the taxpayer's own balance; stores
// it in totals[27] (line23 when toPay, line24 when overpaid, 0 when settled) and returns it.
Currency taxpayerLine28(ReturnLedger &ledger, const BalanceLines &taxpayer);

// The radio buttons of one person: line 26 pay / overpaid (choice1, choice2) and line 28 pay /
// overpaid (choice3, choice4). true = checked; every button not set by the set-off is clear.
struct Choices {
    bool pay26 = false;
    bool overpaid26 = false;
    bool pay28 = false;
    bool overpaid28 = false;

    bool operator==(const Choices &) const = default;
};

struct SetOff {
    int row = 0;                    // 1..9: the row of the set-off table that applied
    std::optional<Currency> line25; // both persons' line 25; absent when no set-off took place (rows 7-9)
    Currency taxpayerLine26 = 0;    // = taxpayer's line 28
    Currency spouseLine26 = 0;      // = spouse's line 28
    Choices taxpayer;
    Choices spouse;
};

// The set-off of the spouse's line-22 exit. A, B: the taxpayer's lines 23, 24; C, D: the
// spouse's lines 23, 24. The first row whose condition holds applies:
//   1-3  A and D not zero: D < A, D > A, D = A
//   4-6  B and C not zero: C < B, C > B, C = B
//   7    A not zero;  8  B not zero;  9  A and B zero.
// Line 26 equals line 28 for both persons: the surcharge of line 27 is never computed.
SetOff setOff(Currency a, Currency b, Currency c, Currency d);

// Reads A..D from the ledger (totals[24]/[25] of both persons), applies setOff and stores
// line 26 in totals[26] and line 28 in totals[27] of both persons. Returns the result.
SetOff settleSpouses(ReturnLedger &ledger);

} // namespace tax
