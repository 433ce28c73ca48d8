// The attachment page and its severance panel: years of work, the one-time
// income items, the panel's lines 8 to 13, its OK, and the tax withheld.
#include "return_steps.h"

#include "amount_text.h"
#include "line_reasons.h"
#include "severance.h"
#include "tax_limits.h"
#include "wording.h"

namespace model::steps {

namespace {

using tax::Person;

constexpr std::array<Person, 2> kBoth{Person::taxpayer, Person::spouse};

Field fieldOf(tax::AttachmentItem item)
{
    switch (item) {
    case tax::AttachmentItem::item1: return Field::ch11m;
    case tax::AttachmentItem::item2: return Field::ch12m;
    case tax::AttachmentItem::item3: return Field::ch13m;
    case tax::AttachmentItem::item5: return Field::ch14m;
    }
    return Field::ch11m;
}

} // namespace

void yearsOfWork(Pass &pass, std::size_t row)
{
    tax::enterYearsOfWork(pass.ledger, row, pass.amount(Field(indexOf(Field::year1) + row)));
}

void attachmentItem(Pass &pass, Person who, tax::AttachmentItem item)
{
    const tax::AttachmentItems totals =
        tax::enterAttachmentItem(pass.ledger, who, item, pass.amount(of(fieldOf(item), who)));
    // Item 5 does not change item 4, so only the grand total is shown again.
    const tax::PersonFigures &p = tax::figures(pass.ledger, who);
    if (item != tax::AttachmentItem::item5)
        pass.show(of(Shown::total7m, who), totals.item4, reasons::attachmentItemFour(p));
    pass.show(of(Shown::total8m, who), totals.item6, reasons::attachmentItemSix(p));
}

void openSeverancePanel(Pass &pass)
{
    const tax::SeveranceOpening opened = tax::openSeverancePanel(pass.ledger);
    // Without item 5 there is no salary to enter: line 8 is out of reach, and
    // lines 9 and 10 come from the items and the longest service.
    for (Person who : {Person::spouse, Person::taxpayer}) {
        const tax::SeveranceOpeningSide &side = who == Person::taxpayer ? opened.taxpayer : opened.spouse;
        pass.display.lineEightDisabled[sideOf(who)] = side.itemsOnly;
        if (!side.itemsOnly)
            continue;
        const tax::PersonFigures &p = tax::figures(pass.ledger, who);
        pass.show(of(Shown::total9m, who), side.line9, reasons::severanceLineNine(p, true));
        pass.show(of(Shown::total10m, who), side.line10,
                  reasons::severanceLineTenOfLongestService(p, pass.ledger.longestService));
    }
}

// Line 8 cannot be entered where the opening disabled it.
void severanceSalary(Pass &pass, Person who)
{
    const tax::Currency salary = pass.amount(of(Field::com1m, who));
    if (!pass.display.lineEightDisabled[sideOf(who)])
        tax::enterSeveranceSalary(pass.ledger, who, salary);
}

void severanceYears(Pass &pass, Person who)
{
    const Field field = of(Field::com2m, who);
    const std::string typed = pass.text(field);
    const tax::Currency years = pass.amount(field);
    if (pass.display.lineEightDisabled[sideOf(who)])
        return;
    // The years of line 8 are also the years of line 10, until that edit is
    // left with others.
    pass.write(of(Field::com5m, who), tax::enterSeveranceYears(pass.ledger, who, years, typed));
    const tax::SeveranceBase base = tax::severanceBase(pass.ledger, who);
    const tax::PersonFigures &p = tax::figures(pass.ledger, who);
    pass.show(of(Shown::com3m, who), base.line8, reasons::severanceLineEight(p));
    pass.show(of(Shown::total9m, who), base.line9, reasons::severanceLineNine(p, false));
}

void expenseYears(Pass &pass, Person who)
{
    const tax::FirstPartRate rate = pass.entries().rates[sideOf(who)];
    const tax::SeveranceExpense expense =
        tax::enterExpenseYears(pass.ledger, who, rate, pass.amount(of(Field::com5m, who)));
    const tax::PersonFigures &p = tax::figures(pass.ledger, who);
    const tax::Currency perYear =
        rate == tax::FirstPartRate::perYear7000 ? tax::kSeveranceFullPerYear : tax::kSeveranceHalfPerYear;
    pass.show(of(Shown::total10m, who), expense.line10, reasons::severanceLineTen(p, perYear));
    pass.show(of(Shown::total11m, who), expense.line11, reasons::severanceLineEleven(p));
    pass.show(of(Shown::total12m, who), expense.line12, reasons::severanceLineTwelve(p));
    pass.show(of(Shown::total13m, who), expense.line13, reasons::severanceLineThirteen(p));
}

void closeSeverancePanel(Pass &pass)
{
    if (pass.display.text(Shown::total13m).empty() || pass.display.text(Shown::total13f).empty()) {
        pass.message(model::wording("กรุณาทำการคำวณให้ครบ!!!"));
        pass.refuse();
        return;
    }
    // The spouse's lines are computed whatever the status; a hidden column
    // simply does not show them.
    for (Person who : kBoth) {
        const tax::AttachmentTax lines = tax::computeAttachmentTax(pass.ledger, who);
        const tax::PersonFigures &p = tax::figures(pass.ledger, who);
        pass.show(of(Shown::total14m, who), lines.line2, reasons::attachmentLineTwo(p));
        pass.show(of(Shown::total15m, who), lines.line3, reasons::attachmentLineThree(p));
        pass.show(of(Shown::total16m, who), lines.line4, reasons::attachmentLineFour(p));
    }
}

void withholding(Pass &pass, Person who)
{
    const tax::AttachmentBalanceLines balance =
        tax::enterAttachmentWithholding(pass.ledger, who, pass.amount(of(Field::ch15m, who)));
    const tax::PersonFigures &p = tax::figures(pass.ledger, who);
    const Shown line6 = of(Shown::total17m, who);
    const Shown line7 = of(Shown::total18m, who);
    const bool toPay = balance.balance == tax::AttachmentBalance::toPay;
    const bool overpaid = balance.balance == tax::AttachmentBalance::overpaid;
    // A line with nothing on it shows "0".
    if (toPay)
        pass.show(line6, balance.line6, reasons::attachmentLineSix(p));
    else
        pass.show(line6, "0", reasons::attachmentLineSix(p));
    if (overpaid)
        pass.show(line7, balance.line7, reasons::attachmentLineSeven(p));
    else
        pass.show(line7, "0", reasons::attachmentLineSeven(p));
}

} // namespace model::steps
