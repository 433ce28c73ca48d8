// Filling the printed page from the wizard window as it shows the return: the
// wizard's controls are found by their names, read and copied onto the items.
#pragma once

#include "marital_status.h"

class QWidget;

namespace report {

class PrintedPage;

// The status chosen on the wizard's personal data area.
tax::MaritalStatus statusShownBy(const QWidget &wizard);

// Fills every data item of the page. The entered amounts of lines 1 to 3 and
// 21 are converted first; if one of them is not an amount, the conversion
// error (a tax::AmountError) is thrown before any item is written.
// Spouse items print nothing where the return has no such spouse figure: the
// items the status leaves out and those whose control the wizard hides.
void fillPage(const QWidget &wizard, PrintedPage &page);

} // namespace report
