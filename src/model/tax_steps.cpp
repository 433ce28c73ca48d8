// Lines 18 to 28: opening the tax computation page, each person's credits and
// the set-off between the spouses; then the refund request page.
#include "return_steps.h"

#include "line_reasons.h"
#include "tax_computation.h"

namespace model::steps {

namespace {

using tax::Person;

// The computation clears every radio button first, then checks those it names.
void showChoices(Pass &pass, Person who, const tax::Choices &chosen)
{
    pass.display.choices[sideOf(who)] = chosen;
}

void clearChoices(Pass &pass)
{
    pass.display.choices = {};
}

} // namespace

void openTaxComputation(Pass &pass)
{
    const tax::TaxComputationOpening lines = tax::openTaxComputation(pass.ledger, pass.status());
    const tax::PersonFigures &m = pass.ledger.taxpayer;
    const tax::PersonFigures &f = pass.ledger.spouse;
    const bool joint = pass.status() == tax::MaritalStatus::married3;
    pass.show(Shown::total19m, lines.taxpayer.line18, reasons::lineEighteen(m));
    pass.show(Shown::total20m, lines.taxpayer.line19,
              joint ? reasons::jointLineNineteen(pass.ledger) : reasons::lineNineteen(m));
    pass.show(Shown::total21m, lines.taxpayer.line20,
              joint ? reasons::jointLineTwenty(pass.ledger) : reasons::lineTwenty(m));
    pass.show(Shown::total19f, lines.spouse.line18, reasons::lineEighteen(f));
    pass.show(Shown::total20f, lines.spouse.line19, reasons::lineNineteen(f));
    pass.show(Shown::total21f, lines.spouse.line20, reasons::lineTwenty(f));
    pass.explain(Shown::total26m, reasons::lineTwentySeven());
    pass.explain(Shown::total26f, reasons::lineTwentySeven());
}

void taxpayerCredits(Pass &pass)
{
    // Lines 23 to 28 of both persons start again; the spouse's come back when
    // the spouse's line 22 is left.
    tax::clearBalances(pass.ledger);
    for (Shown label : {Shown::total25m, Shown::total25f, Shown::total27m, Shown::total27f, Shown::total22f})
        pass.show(label, "0");
    for (Shown label : {Shown::total24m, Shown::total24f})
        pass.show(label, "0.00");
    clearChoices(pass);

    const tax::Currency withheld = pass.amount(Field::ch16m);
    const tax::Currency paid = pass.amount(Field::ch17m);
    const tax::BalanceLines lines = tax::enterCredits(pass.ledger, Person::taxpayer, pass.status(), withheld, paid);
    if (pass.status() != tax::MaritalStatus::married4) {
        // Without a spouse computed apart, line 28 is the taxpayer's own balance.
        const tax::Currency line28 = tax::taxpayerLine28(pass.ledger, lines);
        if (lines.balance != tax::Balance::settled) {
            tax::Choices chosen;
            (lines.balance == tax::Balance::toPay ? chosen.pay28 : chosen.overpaid28) = true;
            showChoices(pass, Person::taxpayer, chosen);
            pass.show(Shown::total27m, line28);
        }
        pass.explain(Shown::total27m, reasons::ownLineTwentyEight(lines));
        pass.explain(Shown::total24m, reasons::setOffNotUsed());
        pass.explain(Shown::total25m, reasons::setOffNotUsed());
    }
    const auto &t = pass.ledger.taxpayer.totals;
    const auto &common = pass.ledger.common;
    const bool joint = pass.status() == tax::MaritalStatus::married3;
    const tax::Currency line19 = joint ? common[tax::shared::jointLine19] : t[tax::total::attachmentLine6];
    const tax::Currency line20 = joint ? common[tax::shared::jointLine20] : t[tax::total::attachmentLine7];
    pass.show(Shown::total22m, lines.line23,
              reasons::lineTwentyThree(lines, t[tax::total::line18], line19, line20, withheld, paid));
    pass.show(Shown::total23m, lines.line24,
              reasons::lineTwentyFour(lines, t[tax::total::line18], line19, line20, withheld, paid));
}

void spouseCredits(Pass &pass)
{
    const tax::Currency withheld = pass.amount(Field::ch16f);
    const tax::Currency paid = pass.amount(Field::ch17f);

    // Only the row of the set-off that applies sets radio buttons and line 25.
    clearChoices(pass);
    for (Shown label : {Shown::total24m, Shown::total24f})
        pass.show(label, "0.00");

    const tax::BalanceLines lines = tax::enterCredits(pass.ledger, Person::spouse, pass.status(), withheld, paid);
    const auto &taxpayer = pass.ledger.taxpayer.totals;
    const auto &spouse = pass.ledger.spouse.totals;
    pass.show(Shown::total22f, lines.line23,
              reasons::lineTwentyThree(lines, spouse[tax::total::line18], spouse[tax::total::attachmentLine6],
                                       spouse[tax::total::attachmentLine7], withheld, paid));
    pass.show(Shown::total23f, lines.line24,
              reasons::lineTwentyFour(lines, spouse[tax::total::line18], spouse[tax::total::attachmentLine6],
                                      spouse[tax::total::attachmentLine7], withheld, paid));

    const tax::Currency a = taxpayer[tax::total::line23], b = taxpayer[tax::total::line24];
    const tax::Currency c = spouse[tax::total::line23], d = spouse[tax::total::line24];
    const tax::SetOff setOff = tax::settleSpouses(pass.ledger);
    if (setOff.line25) {
        pass.show(Shown::total24m, *setOff.line25);
        pass.show(Shown::total24f, *setOff.line25);
    }
    const std::string line25 = reasons::lineTwentyFive(setOff, a, b, c, d);
    pass.explain(Shown::total24m, line25);
    pass.explain(Shown::total24f, line25);
    showChoices(pass, Person::taxpayer, setOff.taxpayer);
    showChoices(pass, Person::spouse, setOff.spouse);
    pass.show(Shown::total25m, taxpayer[tax::total::line26], reasons::lineTwentySix(setOff, Person::taxpayer, a, b, c, d));
    pass.show(Shown::total25f, spouse[tax::total::line26], reasons::lineTwentySix(setOff, Person::spouse, a, b, c, d));
    pass.show(Shown::total27m, taxpayer[tax::total::line28],
              reasons::lineTwentyEight(setOff, Person::taxpayer, taxpayer[tax::total::line26]));
    pass.show(Shown::total27f, spouse[tax::total::line28],
              reasons::lineTwentyEight(setOff, Person::spouse, spouse[tax::total::line26]));
}

void openRefundRequest(Pass &pass)
{
    // The refund page shows each person's line 28 as the tax computation page
    // shows it, and a block for each overpaid line 28; the spouse's only
    // where the spouse is computed apart on this return.
    pass.show(Shown::total28m, pass.display.text(Shown::total27m), reasons::refundAmount(pass.display.text(Shown::total27m)));
    pass.show(Shown::total28f, pass.display.text(Shown::total27f), reasons::refundAmount(pass.display.text(Shown::total27f)));
    pass.display.refundBlocks = {pass.display.choices[0].overpaid28,
                                 pass.display.choices[1].overpaid28 && pass.status() == tax::MaritalStatus::married4};
}

} // namespace model::steps
