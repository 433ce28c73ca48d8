// What the monkey checks after each step: where the focus was left, what a
// refused field did to the ledger, and which error reports are expected.
#pragma once

#include "return_ledger.h"

#include <QString>

class QWidget;
class TFormsolve;

namespace monkey {

// Empty when the focus is where a user can see and use it; otherwise what is
// wrong: on a hidden or disabled control, inside an area or page covered by
// another, or under something else on the sheet.
QString focusFault(TFormsolve &wizard);

// The first amount in which the ledgers differ, or empty. The working value
// badChar is left out: every amount check sets it afresh.
QString ledgerDifference(const tax::ReturnLedger &expected, const tax::ReturnLedger &actual);

// The ledger a refusal of `field` leaves when it stores nothing: the income
// fields still recompute lines 4, 5 and 7 of their person from the unchanged
// entries; every other field leaves the ledger as it was. False when that
// recomputation itself fails (then nothing can be expected).
bool ledgerAfterRefusal(const QWidget *field, tax::ReturnLedger &ledger);

// The texts of the messages with which a field refuses to be left.
bool isRefusal(const QString &message);

// Error reports the program gives by design: a text that is no number, and an
// amount too large for the ledger.
bool isExpectedErrorReport(const QString &text);

// Every exception that reached the event loop, as recorded by the
// application object, taken out of the record.
QStringList takeEscapedExceptions();
void recordEscapedException(const QString &what);

} // namespace monkey
