// Entry-steps fuzz target: the steps of the tax computation page and the
// clearing of the ledger, each run as its handler runs it and checked against
// exact arithmetic.
#include "entry_run.h"

#include <algorithm>
#include <string>

namespace fuzz {

namespace {

using tax::Currency;
using tax::Person;
namespace total = tax::total;
namespace entry = tax::entry;
namespace shared = tax::shared;

// Leaving the taxpayer's line-22 field clears totals 24 to 29 of both persons.
constexpr std::size_t kLastCleared = 29;

// Lines 23 and 24 of a person after its credits, against the base of lines
// 18 + 19 - 20 in exact arithmetic.
tax::BalanceLines checkedCredits(Run &run, Person who, Currency withheld, Currency paid)
{
    const auto &t = person(run, who).totals;
    const bool joint = who == Person::taxpayer && run.status() == tax::MaritalStatus::married3;
    const auto &common = run.ledger().common;
    const Wide line19 = joint ? common[shared::jointLine19] : t[total::attachmentLine6];
    const Wide line20 = joint ? common[shared::jointLine20] : t[total::attachmentLine7];
    const Wide credits = Wide(withheld) + paid;
    const Wide withLine19 = t[total::line18] + line19;
    const Wide base = withLine19 - line20;
    const bool overflows = !fits(credits) || !fits(withLine19) || !fits(base) || clearlyBeyondLimits(base - credits);
    mayOverflow(run, overflows || nearOrBeyondLimits(base) || nearOrBeyondLimits(base - credits));
    const tax::BalanceLines lines = tax::enterCredits(run.ledger(), who, run.status(), withheld, paid);
    returned(run, overflows, "lines 23 and 24");

    const Wide shown = Wide(lines.line23) - lines.line24;
    const bool closeEnough = magnitude(base) < kExactBelow ? shown == base - credits
                                                           : magnitude(shown - (base - credits)) <= 2;
    const auto expected = lines.line23 > 0 ? tax::Balance::toPay
                          : lines.line24 > 0 ? tax::Balance::overpaid
                                             : tax::Balance::settled;
    FUZZ_REQUIRE(closeEnough && lines.line23 >= 0 && lines.line24 >= 0 && (lines.line23 == 0 || lines.line24 == 0) &&
                     lines.balance == expected && t[total::line23] == lines.line23 && t[total::line24] == lines.line24 &&
                     person(run, who).entries[entry::credits] == credits,
                 "lines 23 and 24 are the tax of lines 18 to 20 less the credits",
                 run.describe(decimal(lines.line23) + " / " + decimal(lines.line24)));
    return lines;
}

int signOf(const tax::Choices &c, Currency amount)
{
    if (c.pay28)
        return 1;
    if (c.overpaid28)
        return -1;
    return amount == 0 ? 0 : 2; // 2: an amount shown without a choice
}

} // namespace

void openTaxComputationStep(Run &run)
{
    auto &ledger = run.ledger();
    const auto &t = ledger.taxpayer.totals;
    const auto &s = ledger.spouse.totals;
    const bool joint = run.status() == tax::MaritalStatus::married3;
    const Wide toPay = toSatang(t[total::attachmentLine6]) + toSatang(s[total::attachmentLine6]);
    const Wide overpaid = toSatang(t[total::attachmentLine7]) + toSatang(s[total::attachmentLine7]);
    mayOverflow(run, joint && (nearOrBeyondLimits(toPay) || nearOrBeyondLimits(overpaid)));
    tax::TaxComputationOpening shown;
    try {
        shown = tax::openTaxComputation(ledger, run.status());
    } catch (const tax::FloatingPointError &) {
        FUZZ_REQUIRE(ledger.taxpayer.entries == run.before.taxpayer.entries &&
                         ledger.spouse.entries == run.before.spouse.entries,
                     "a joint amount that overflows stops the page before line 18", run.describe());
        throw;
    }
    returned(run, joint && (clearlyBeyondLimits(toPay) || clearlyBeyondLimits(overpaid)), "joint lines 19 and 20");

    const Wide line19 = ledger.common[shared::jointLine19];
    const Wide line20 = ledger.common[shared::jointLine20];
    const Wide net = toPay - overpaid;
    const bool exact = std::max(toPay, overpaid) < kExactBelow;
    const bool jointSound = !joint ? line19 == 0 && line20 == 0
                                   : line19 >= 0 && line20 >= 0 && (line19 == 0 || line20 == 0) &&
                                         (exact ? line19 - line20 == net : magnitude(line19 - line20 - net) <= 4);
    FUZZ_REQUIRE(jointSound, "joint lines 19 and 20 net both persons' attachment balances as shown",
                 run.describe(decimal(line19) + " / " + decimal(line20)));
    for (Person who : {Person::taxpayer, Person::spouse}) {
        const auto &p = person(run, who);
        const tax::OpeningLines &lines = who == Person::taxpayer ? shown.taxpayer : shown.spouse;
        const bool ownLines = who == Person::spouse || !joint;
        FUZZ_REQUIRE(p.entries[entry::credits] == 0 && p.entries[entry::credits + 1] == 0 &&
                         lines.line18 == p.totals[total::line18] &&
                         lines.line19 == (ownLines ? p.totals[total::attachmentLine6] : line19) &&
                         lines.line20 == (ownLines ? p.totals[total::attachmentLine7] : line20),
                     "opening the page clears the credits and shows lines 18 to 20", run.describe(personName(who)));
        checkTax(p.totals[total::line17], &p.entries[entry::returnBands], p.totals[total::line18],
                 run.describe(std::string(personName(who)) + " line 18"));
    }
}

void taxpayerCreditsStep(Run &run, std::string_view withheldText, std::string_view paidText)
{
    tax::clearBalances(run.ledger());
    // Lines 23 to 28 of both persons start over before the fields are read.
    run.refusedLeaves = run.before;
    for (Person who : {Person::taxpayer, Person::spouse}) {
        auto &cleared = tax::figures(run.refusedLeaves, who).totals;
        std::fill(cleared.begin() + total::line23, cleared.begin() + kLastCleared + 1, 0);
        FUZZ_REQUIRE(person(run, who).totals == cleared, "leaving line 22 clears lines 23 to 28 of both persons",
                     run.describe(personName(who)));
    }
    const Currency withheld = amountOf(run, withheldText);
    const Currency paid = amountOf(run, paidText);
    const tax::BalanceLines lines = checkedCredits(run, Person::taxpayer, withheld, paid);
    if (run.status() == tax::MaritalStatus::married4)
        return;
    const Currency line28 = tax::taxpayerLine28(run.ledger(), lines);
    FUZZ_REQUIRE(line28 == std::max(lines.line23, lines.line24) &&
                     run.ledger().taxpayer.totals[total::line28] == line28,
                 "without a separate spouse line 28 is the taxpayer's own balance", run.describe());
}

void spouseCreditsStep(Run &run, std::string_view withheldText, std::string_view paidText)
{
    const Currency withheld = amountOf(run, withheldText);
    const Currency paid = amountOf(run, paidText);
    checkedCredits(run, Person::spouse, withheld, paid);

    // The set-off moves amounts between the persons and keeps what both owe
    // together, less what both overpaid.
    const auto &t = run.ledger().taxpayer.totals;
    const auto &s = run.ledger().spouse.totals;
    const Wide owedTogether = Wide(t[total::line23]) - t[total::line24] + s[total::line23] - s[total::line24];
    const bool setOffRow = (t[total::line23] != 0 && s[total::line24] != 0) ||
                           (t[total::line24] != 0 && s[total::line23] != 0);
    const tax::SetOff settled = tax::settleSpouses(run.ledger());
    const int taxpayerSign = signOf(settled.taxpayer, settled.taxpayerLine26);
    const int spouseSign = signOf(settled.spouse, settled.spouseLine26);
    const auto consistent = [](const tax::Choices &c) {
        return c.pay26 == c.pay28 && c.overpaid26 == c.overpaid28 && !(c.pay28 && c.overpaid28);
    };
    FUZZ_REQUIRE(taxpayerSign != 2 && spouseSign != 2 && consistent(settled.taxpayer) && consistent(settled.spouse) &&
                     Wide(taxpayerSign) * settled.taxpayerLine26 + Wide(spouseSign) * settled.spouseLine26 ==
                         owedTogether &&
                     settled.line25.has_value() == setOffRow,
                 "the set-off keeps the balance of both persons together",
                 run.describe(decimal(settled.taxpayerLine26) + " / " + decimal(settled.spouseLine26)));
    FUZZ_REQUIRE(t[total::line26] == settled.taxpayerLine26 && t[total::line28] == settled.taxpayerLine26 &&
                     s[total::line26] == settled.spouseLine26 && s[total::line28] == settled.spouseLine26,
                 "lines 26 and 28 store what the set-off shows", run.describe());
}

void clearLedgerStep(Run &run)
{
    tax::ClearLedger(run.ledger());
    const auto zero = [](Currency c) { return c == 0; };
    for (Person who : {Person::taxpayer, Person::spouse}) {
        const auto &p = person(run, who);
        FUZZ_REQUIRE(std::all_of(p.totals.begin(), p.totals.end(), zero) &&
                         std::all_of(p.entries.begin(), p.entries.begin() + 50, zero) && p.severanceSalary == 0 &&
                         p.severanceYears == 0 && p.expenseYears == 0 && p.severanceFlag == 0,
                     "clearing the ledger sets every amount to 0", run.describe(personName(who)));
    }
    FUZZ_REQUIRE(std::all_of(run.ledger().common.begin(), run.ledger().common.begin() + 50, zero) &&
                     run.ledger().badChar == run.before.badChar &&
                     run.ledger().longestService == run.before.longestService,
                 "clearing the ledger leaves the working values", run.describe());
}

} // namespace fuzz
