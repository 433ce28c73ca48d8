// Income lines, the joint expense lines and the attachment's fresh start.
#include "entry_steps.h"

#include <algorithm>

namespace tax {

namespace {

constexpr std::size_t entryOf(IncomeLine line)
{
    switch (line) {
    case IncomeLine::salary: return entry::line1;
    case IncomeLine::providentFund: return entry::line2;
    case IncomeLine::severancePay: return entry::line3;
    }
    return entry::line1;
}

// Lines 4 and then 5 and 7 of a person: cases 1 and 3 for the taxpayer, 2 and
// 4 for the spouse.
void updateIncomeTotals(ReturnLedger &ledger, Person who)
{
    const bool taxpayer = who == Person::taxpayer;
    UpdateTotals(ledger, taxpayer ? 1 : 2);
    UpdateTotals(ledger, taxpayer ? 3 : 4);
}

IncomeLines incomeLinesOf(const PersonFigures &p)
{
    return {p.totals[total::line4], p.totals[total::line5], p.totals[total::line7]};
}

} // namespace

IncomeLines enterIncome(ReturnLedger &ledger, Person who, IncomeLine line, Currency amount)
{
    figures(ledger, who).entries[entryOf(line)] = amount;
    return recomputeIncome(ledger, who);
}

IncomeLines recomputeIncome(ReturnLedger &ledger, Person who)
{
    updateIncomeTotals(ledger, who);
    return incomeLinesOf(figures(ledger, who));
}

ExpenseLines leaveIncomePage(ReturnLedger &ledger, MaritalStatus status)
{
    UpdateTotals(ledger, 3);
    auto &own = ledger.taxpayer.totals;
    ExpenseLines lines{own[total::line5], own[total::line5], own[total::line7]};
    if (status == MaritalStatus::married3) {
        const auto &spouse = ledger.spouse.totals;
        own[total::line5] = add(own[total::line5], spouse[total::line5]);
        own[total::line7] = add(own[total::line7], spouse[total::line7]);
        lines.line6 = own[total::line5];
        lines.line7 = own[total::line7];
    }
    return lines;
}

void openAttachment(ReturnLedger &ledger)
{
    std::fill(ledger.common.begin(), ledger.common.end(), 0);
    ledger.longestService = 0;
}

} // namespace tax
