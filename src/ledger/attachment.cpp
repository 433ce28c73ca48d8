// The rules of the attachment's lines.
#include "attachment.h"

#include "amount_text.h"
#include "tax_schedule.h"

namespace tax {

namespace {

std::size_t entryOf(AttachmentItem item)
{
    switch (item) {
    case AttachmentItem::item1: return entry::attachmentItem1;
    case AttachmentItem::item2: return entry::attachmentItem2;
    case AttachmentItem::item3: return entry::attachmentItem3;
    case AttachmentItem::item5: return entry::attachmentItem5;
    }
    return entry::attachmentItem5;
}

} // namespace

AttachmentItems enterAttachmentItem(ReturnLedger &ledger, Person who, AttachmentItem item,
                                    Currency amount)
{
    PersonFigures &p = figures(ledger, who);
    p.entries[entryOf(item)] = amount;
    UpdateTotals(ledger, who == Person::taxpayer ? 10 : 11);
    return {p.totals[total::attachmentItem4], p.totals[total::attachmentItem6]};
}

void enterYearsOfWork(ReturnLedger &ledger, std::size_t row, Currency years)
{
    ledger.common.at(shared::yearsOfWork + row) = years;
    FindLongestService(ledger);
}

AttachmentTax computeAttachmentTax(ReturnLedger &ledger, Person who)
{
    PersonFigures &p = figures(ledger, who);
    auto &t = p.totals;
    t[total::attachmentLine3] = subtract(t[total::attachmentItem6], t[total::severanceLine13]);
    storeAttachmentTax(ledger, who);
    return {t[total::severanceLine13], t[total::attachmentLine3], t[total::attachmentLine4]};
}

AttachmentBalanceLines enterAttachmentWithholding(ReturnLedger &ledger, Person who,
                                                  Currency withheld)
{
    PersonFigures &p = figures(ledger, who);
    p.entries[entry::attachmentWithholding] = withheld;
    const Currency tax = p.totals[total::attachmentLine4];
    AttachmentBalanceLines result;
    if (tax > withheld) {
        result.balance = AttachmentBalance::toPay;
        result.line6 = subtract(tax, withheld);
    } else if (tax < withheld) {
        result.balance = AttachmentBalance::overpaid;
        result.line7 = subtract(withheld, tax);
    }
    p.totals[total::attachmentLine6] = result.line6;
    p.totals[total::attachmentLine7] = result.line7;
    return result;
}

bool severanceYearsEntered(std::string_view expenseYearsText)
{
    try {
        return parseAmount(expenseYearsText) != 0;
    } catch (const AmountError &) {
        return false;
    }
}

} // namespace tax
