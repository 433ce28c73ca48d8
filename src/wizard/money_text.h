// Amounts as the fields and labels of the windows show them: the conversion of
// a field's text and the "%12.2m" display, on Qt strings.
#pragma once

#include "currency.h"

#include <QString>

#include <string>

namespace ui {

// The amount a field's text stands for; throws the conversion or overflow
// error that the default error report shows.
tax::Currency amountOf(const QString &text);

// The money format: "   -1,234.50".
QString moneyText(tax::Currency amount);

// The text as code points, for the amount-text check.
std::u32string codePoints(const QString &text);

} // namespace ui
