// Which handler a field's exit or a button's click runs.
#include "return_steps.h"

namespace model {

namespace {

using tax::Person;

// Fields up to com5f come in pairs, the taxpayer's first.
Person personOf(Field field)
{
    return indexOf(field) % 2 == 0 ? Person::taxpayer : Person::spouse;
}

Field taxpayersOf(Field field)
{
    return Field(indexOf(field) - indexOf(field) % 2);
}

} // namespace

void runExit(Pass &pass, Field field)
{
    if (field >= Field::year1) {
        steps::yearsOfWork(pass, indexOf(field) - indexOf(Field::year1));
        return;
    }
    const Person who = personOf(field);
    switch (taxpayersOf(field)) {
    case Field::ch1m: steps::salary(pass, who); break;
    case Field::ch2m:
    case Field::ch3m: steps::incomeAmount(pass, who, taxpayersOf(field)); break;
    case Field::ch4m:
    case Field::ch5m: steps::children(pass, who); break;
    case Field::ch6m: steps::cappedItem(pass, who, tax::CappedItem::lifeInsurance); break;
    case Field::ch7m: steps::cappedItem(pass, who, tax::CappedItem::providentFund); break;
    case Field::ch8m: steps::cappedItem(pass, who, tax::CappedItem::housingLoanInterest); break;
    case Field::ch9m: steps::socialSecurity(pass, who); break;
    case Field::ch10m: steps::donation(pass, who); break;
    case Field::ch11m: steps::attachmentItem(pass, who, tax::AttachmentItem::item1); break;
    case Field::ch12m: steps::attachmentItem(pass, who, tax::AttachmentItem::item2); break;
    case Field::ch13m: steps::attachmentItem(pass, who, tax::AttachmentItem::item3); break;
    case Field::ch14m: steps::attachmentItem(pass, who, tax::AttachmentItem::item5); break;
    case Field::ch15m: steps::withholding(pass, who); break;
    // Lines 21 and 22 are taken together when line 22 is left.
    case Field::ch16m:
    case Field::ch17m:
        if (who == Person::taxpayer)
            steps::taxpayerCredits(pass);
        else
            steps::spouseCredits(pass);
        break;
    case Field::com1m: steps::severanceSalary(pass, who); break;
    case Field::com2m: steps::severanceYears(pass, who); break;
    case Field::com5m: steps::expenseYears(pass, who); break;
    default: break;
    }
}

void runClick(Pass &pass, Step step)
{
    switch (step) {
    case Step::ok1: break; // the status is taken; nothing is computed yet
    case Step::Okbut1: steps::leaveIncomePage(pass); break;
    case Step::Okbut2: steps::enterAllowances(pass); break;
    case Step::answered: steps::answer(pass); break;
    case Step::computebutton: steps::openSeverancePanel(pass); break;
    case Step::BitBtn5: steps::closeSeverancePanel(pass); break;
    case Step::BitBtn6: steps::openTaxComputation(pass); break;
    case Step::lastbit: steps::openRefundRequest(pass); break;
    }
}

} // namespace model
