// Amounts on Qt strings: a field's text converted, and the "%12.2m" display.
#pragma once

#include "currency.h"

#include <QString>

namespace ui {

// The amount a field's text stands for; throws the conversion or overflow
// error that the default error report shows.
tax::Currency amountOf(const QString &text);

// The money format: "   -1,234.50".
QString moneyText(tax::Currency amount);

} // namespace ui
