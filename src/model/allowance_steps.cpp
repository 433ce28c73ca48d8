// Lines 8 to 17: entering the allowances page, each allowance field, and the
// answer to the attachment question.
#include "return_steps.h"

#include "entry_steps.h"
#include "line_reasons.h"
#include "status_groups.h"
#include "wording.h"

namespace model::steps {

namespace {

using tax::Person;

void showLineFourteen(Pass &pass, Person who)
{
    const tax::Currency line14 = tax::lineFourteen(pass.ledger, who, pass.status());
    pass.show(of(Shown::dis1m, who), line14,
              reasons::lineFourteen(tax::figures(pass.ledger, who), tax::addsSpouseAllowance(pass.status(), who)));
}

// Line 15 as the remainder after `line`, the last allowance line worked out.
void showLineFifteen(Pass &pass, Person who, tax::Currency remainder, int line)
{
    pass.show(of(Shown::total5m, who), remainder, reasons::lineFifteen(tax::figures(pass.ledger, who), line));
}

int lineOf(tax::CappedItem item)
{
    return 10 + static_cast<int>(item);
}

Field fieldOf(tax::CappedItem item)
{
    switch (item) {
    case tax::CappedItem::lifeInsurance: return Field::ch6m;
    case tax::CappedItem::providentFund: return Field::ch7m;
    case tax::CappedItem::housingLoanInterest: return Field::ch8m;
    }
    return Field::ch6m;
}

} // namespace

// Each step's result is shown before the next step runs, so that a step that
// overflows leaves on the page what the ledger holds.
void enterAllowances(Pass &pass)
{
    const tax::AllowanceStart start = tax::startAllowances(pass.ledger, pass.status());
    showLineFifteen(pass, Person::taxpayer, start.taxpayer, 8);
    showLineFifteen(pass, Person::spouse, start.spouse, 8);
    showLineFourteen(pass, Person::taxpayer);
    showLineFourteen(pass, Person::spouse);
}

void children(Pass &pass, Person who)
{
    // The first group stays stored even when the second field fails to convert.
    tax::enterChildrenFirstGroup(pass.ledger, who, pass.amount(of(Field::ch4m, who)));
    const tax::AllowanceNotice notice =
        tax::enterChildrenSecondGroup(pass.ledger, who, pass.amount(of(Field::ch5m, who)));
    if (notice == tax::AllowanceNotice::childrenOverLimit)
        pass.message(model::wording("จำนวนบุตรรวมกันเกิน 3 คน จะนำมาคิดแค่ 3 คนเท่านั้น"));
    showLineFifteen(pass, who, tax::priceChildren(pass.ledger, who, pass.status()), 9);
    showLineFourteen(pass, who);
}

void cappedItem(Pass &pass, Person who, tax::CappedItem item)
{
    const tax::CappedItemStep step =
        tax::enterCappedItem(pass.ledger, who, item, pass.amount(of(fieldOf(item), who)));
    if (step.notice == tax::AllowanceNotice::amountOverLimit)
        pass.message(model::wording("จำนวนเงินที่ท่านใส่จะนำมาคำนวณเพียง 10,000 บาท เท่านั้น!!!"));
    showLineFifteen(pass, who, step.remainder, lineOf(item));
    showLineFourteen(pass, who);
}

void socialSecurity(Pass &pass, Person who)
{
    showLineFifteen(pass, who, tax::enterSocialSecurity(pass.ledger, who, pass.amount(of(Field::ch9m, who))), 13);
    showLineFourteen(pass, who);
}

void donation(Pass &pass, Person who)
{
    // Line 14 stays: the donation is not part of it.
    const tax::Currency line17 = tax::enterDonation(pass.ledger, who, pass.amount(of(Field::ch10m, who)));
    pass.show(of(Shown::total6m, who), line17, reasons::lineSeventeen(tax::figures(pass.ledger, who)));
}

void answer(Pass &pass)
{
    // Either answer copies both persons' names onto the attachment's header,
    // whatever the status, and starts the attachment's years afresh.
    const Names &names = pass.entries().names;
    pass.show(Shown::cname1, model::wording("ชื่อ  ") + names.name1);
    pass.show(Shown::csurname1, model::wording("นามสกุล  ") + names.surname1);
    pass.show(Shown::cidtax1, model::wording("เลขประจำตัวผู้เสียภาษี  ") + names.idtax1);
    pass.show(Shown::cname2, model::wording("ชื่อ  ") + names.name2);
    pass.show(Shown::csurname2, model::wording("นามสกุล  ") + names.surname2);
    pass.show(Shown::cidtax2, model::wording("เลขประจำตัวผู้เสียภาษี  ") + names.idtax2);
    tax::openAttachment(pass.ledger);
}

} // namespace model::steps
