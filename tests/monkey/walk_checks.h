// What the monkey checks after each step: where the focus was left, whether
// the wizard shows the return its entries give, what a refused field did to
// the ledger, and which error reports are expected.
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

// Empty when the wizard shows the return its entries give: every line, radio
// button, disabled control and refund block as a fresh forward pass over the
// entries shows them, the ledger that pass's, and every field but the one
// with the focus holding the text the return took, or a text the return
// would refuse. Otherwise what differs.
QString returnFault(TFormsolve &wizard);

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
