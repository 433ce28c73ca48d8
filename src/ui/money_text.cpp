// Conversions between Qt strings and amounts.
#include "money_text.h"

#include "amount_text.h"

namespace ui {

tax::Currency amountOf(const QString &text)
{
    return tax::parseAmount(text.toStdString());
}

QString moneyText(tax::Currency amount)
{
    return QString::fromStdString(tax::formatMoney(amount));
}

} // namespace ui
