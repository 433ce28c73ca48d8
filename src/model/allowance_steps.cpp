// Lines 8 to 17: entering the allowances page, each allowance field, and the
// answer to the attachment question.
#include "return_steps.h"

#include "entry_steps.h"

namespace model::steps {

namespace {

using tax::Person;

void showLineFourteen(Pass &pass, Person who)
{
    pass.show(of(Shown::dis1m, who), tax::lineFourteen(pass.ledger, who, pass.status()));
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
    pass.show(Shown::total5m, start.taxpayer);
    pass.show(Shown::total5f, start.spouse);
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
        pass.message("จำนวนบุตรรวมกันเกิน 3 คน จะนำมาคิดแค่ 3 คนเท่านั้น");
    pass.show(of(Shown::total5m, who), tax::priceChildren(pass.ledger, who, pass.status()));
    showLineFourteen(pass, who);
}

void cappedItem(Pass &pass, Person who, tax::CappedItem item)
{
    const tax::CappedItemStep step =
        tax::enterCappedItem(pass.ledger, who, item, pass.amount(of(fieldOf(item), who)));
    if (step.notice == tax::AllowanceNotice::amountOverLimit)
        pass.message("จำนวนเงินที่ท่านใส่จะนำมาคำนวณเพียง 10,000 บาท เท่านั้น!!!");
    pass.show(of(Shown::total5m, who), step.remainder);
    showLineFourteen(pass, who);
}

void socialSecurity(Pass &pass, Person who)
{
    pass.show(of(Shown::total5m, who), tax::enterSocialSecurity(pass.ledger, who, pass.amount(of(Field::ch9m, who))));
    showLineFourteen(pass, who);
}

void donation(Pass &pass, Person who)
{
    // Line 14 stays: the donation is not part of it.
    pass.show(of(Shown::total6m, who), tax::enterDonation(pass.ledger, who, pass.amount(of(Field::ch10m, who))));
}

void answer(Pass &pass)
{
    // Either answer copies both persons' names onto the attachment's header,
    // whatever the status, and starts the attachment's years afresh.
    const Names &names = pass.entries().names;
    pass.show(Shown::cname1, "ชื่อ  " + names.name1);
    pass.show(Shown::csurname1, "นามสกุล  " + names.surname1);
    pass.show(Shown::cidtax1, "เลขประจำตัวผู้เสียภาษี  " + names.idtax1);
    pass.show(Shown::cname2, "ชื่อ  " + names.name2);
    pass.show(Shown::csurname2, "นามสกุล  " + names.surname2);
    pass.show(Shown::cidtax2, "เลขประจำตัวผู้เสียภาษี  " + names.idtax2);
    tax::openAttachment(pass.ledger);
}

} // namespace model::steps
