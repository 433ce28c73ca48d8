// Entry-steps fuzz target: the steps of the income, expenses and allowances
// pages, each run as its handler runs it and checked against exact arithmetic.
#include "entry_run.h"

#include <algorithm>
#include <initializer_list>
#include <string>

namespace fuzz {

namespace {

using tax::Currency;
using tax::Person;
namespace total = tax::total;
namespace entry = tax::entry;

constexpr Currency kBaht = 10000;
constexpr Wide kExpenseCap = 60'000 * kBaht;
constexpr Wide kItemLimit = 10'000 * kBaht;
constexpr Wide kAllowance = 30'000 * kBaht; // personal, and spouse

// The amount-text check of the salary and income fields: digits and the
// point only.
bool passesAmountCheck(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
}

// The text as the check sees it; every byte of a character outside ASCII
// stands for a character that is neither a digit nor the point.
std::u32string codePoints(std::string_view text)
{
    std::u32string points;
    for (char c : text)
        points += static_cast<unsigned char>(c) < 0x80 ? char32_t(c) : U'\uFFFD';
    return points;
}

// Runs the character check as the field's handler does and checks badChar.
bool checkedCharacters(Run &run, std::string_view text)
{
    const bool passed = tax::CheckAmountText(run.ledger(), codePoints(text));
    FUZZ_REQUIRE(passed == passesAmountCheck(text) && run.ledger().badChar == (passed ? 0 : 1),
                 "the amount-text check passes digits and points only", run.describe());
    return passed;
}

// Lines 4, 5 and 7 of a person computed by `call` from the income entries
// `e` (lines 1 to 3 as they will stand).
template <typename Call>
void checkedIncome(Run &run, Person who, const std::array<Currency, 3> &e, Call call)
{
    const Wide difference = Wide(e[0]) - e[1];
    const Wide line4 = difference + e[2];
    const auto totalsBefore = person(run, who).totals;
    mayOverflow(run, !fits(difference) || !fits(line4));
    tax::IncomeLines lines;
    try {
        lines = call();
    } catch (const tax::FloatingPointError &) {
        FUZZ_REQUIRE(person(run, who).totals == totalsBefore, "an overflow of line 4 leaves lines 4 to 7 as they were",
                     run.describe());
        throw;
    }
    returned(run, !fits(line4), "line 4");
    const bool capped = 2 * line4 > 5 * kExpenseCap;
    const auto &t = person(run, who).totals;
    FUZZ_REQUIRE(lines.line4 == line4 && (capped ? lines.line5 == kExpenseCap : roundsTo(lines.line5, 2 * line4, 5)) &&
                     lines.line7 == line4 - lines.line5,
                 "line 4 is the income, line 5 40 % of it up to 60,000, line 7 the rest",
                 run.describe(decimal(lines.line4) + " " + decimal(lines.line5) + " " + decimal(lines.line7)));
    FUZZ_REQUIRE(t[total::line4] == lines.line4 && t[total::line5] == lines.line5 && t[total::line7] == lines.line7,
                 "the income lines shown are the lines stored", run.describe());
}

std::array<Currency, 3> incomeEntries(Run &run, Person who)
{
    const auto &e = person(run, who).entries;
    return {e[entry::line1], e[entry::line2], e[entry::line3]};
}

void refuseIncome(Run &run, Person who)
{
    const auto entries = person(run, who).entries;
    checkedIncome(run, who, incomeEntries(run, who), [&] { return tax::recomputeIncome(run.ledger(), who); });
    FUZZ_REQUIRE(person(run, who).entries == entries, "a refused income field stores nothing", run.describe());
}

void enterIncome(Run &run, Person who, tax::IncomeLine line, std::string_view text)
{
    // What a text that fails to convert leaves: the ledger as it was, but for
    // the character check that ran before the conversion.
    run.refusedLeaves = run.before;
    run.refusedLeaves.badChar = 0;
    const Currency amount = amountOf(run, text);
    auto e = incomeEntries(run, who);
    e[static_cast<std::size_t>(line)] = amount;
    checkedIncome(run, who, e, [&] { return tax::enterIncome(run.ledger(), who, line, amount); });
}

// Line 14 of a person: every allowance entry, lines 10 to 12 up to 10,000
// each, and the spouse allowance where the taxpayer claims it.
void checkedLineFourteen(Run &run, Person who)
{
    const auto &e = person(run, who).entries;
    std::array<Wide, 8> terms{e[entry::personalAllowance],
                              std::min<Wide>(e[entry::lifeInsurance], kItemLimit),
                              std::min<Wide>(e[entry::providentFund], kItemLimit),
                              std::min<Wide>(e[entry::housingLoanInterest], kItemLimit),
                              e[entry::socialSecurity],
                              e[entry::childrenFirstAllowance],
                              e[entry::childrenSecondAllowance],
                              who == Person::taxpayer && claimsSpouseAllowance(run.status()) ? kAllowance : 0};
    Wide sum = 0;
    bool partOverflows = false;
    for (Wide term : terms) {
        sum += term;
        partOverflows = partOverflows || !fits(sum);
    }
    const Currency before = person(run, who).totals[total::line14];
    mayOverflow(run, partOverflows);
    Currency line14 = 0;
    try {
        line14 = tax::lineFourteen(run.ledger(), who, run.status());
    } catch (const tax::FloatingPointError &) {
        FUZZ_REQUIRE(person(run, who).totals[total::line14] == before, "line 14 is stored only when the whole sum fits",
                     run.describe());
        throw;
    }
    returned(run, !fits(sum), "line 14");
    FUZZ_REQUIRE(line14 == sum && person(run, who).totals[total::line14] == sum, "line 14 sums the allowances",
                 run.describe(decimal(line14) + " instead of " + decimal(sum)));
}

} // namespace

void salaryStep(Run &run, Person who, std::string_view text)
{
    // An empty text, one that fails the character check, and "0" itself are
    // all refused as "0"; the lines are worked out again from the entries.
    const bool passed = !text.empty() && checkedCharacters(run, text);
    if (!passed || text == "0") {
        refuseIncome(run, who);
        return;
    }
    enterIncome(run, who, tax::IncomeLine::salary, text);
}

void otherIncomeStep(Run &run, Person who, tax::IncomeLine line, std::string_view text)
{
    if (text.empty() || text == " ") {
        auto e = incomeEntries(run, who);
        e[static_cast<std::size_t>(line)] = 0;
        checkedIncome(run, who, e, [&] { return tax::enterIncome(run.ledger(), who, line, 0); });
        return;
    }
    if (!checkedCharacters(run, text)) {
        refuseIncome(run, who);
        return;
    }
    enterIncome(run, who, line, text);
}

void leaveIncomePageStep(Run &run)
{
    const auto &own = run.ledger().taxpayer.totals;
    const auto &spouse = run.ledger().spouse.totals;
    const Wide line4 = own[total::line4];
    const bool joint = run.status() == tax::MaritalStatus::married3;
    // The taxpayer's own lines 5 and 7 cannot overflow; the joint sums can.
    const Wide ownExpense = std::min(nearest(2 * line4, 5), kExpenseCap);
    const Wide jointExpense = ownExpense + spouse[total::line5];
    const Wide jointIncome = line4 - ownExpense + spouse[total::line7];
    mayOverflow(run, joint && (nearOrBeyondLimits(jointExpense) || nearOrBeyondLimits(jointIncome)));
    const tax::ExpenseLines lines = tax::leaveIncomePage(run.ledger(), run.status());
    returned(run, joint && (clearlyBeyondLimits(jointExpense) || clearlyBeyondLimits(jointIncome)), "joint lines 6 and 7");
    const bool ownSound = 2 * line4 > 5 * kExpenseCap ? lines.line5 == kExpenseCap : roundsTo(lines.line5, 2 * line4, 5);
    const Wide ownIncome = line4 - lines.line5;
    FUZZ_REQUIRE(ownSound && lines.line6 == (joint ? lines.line5 + Wide(spouse[total::line5]) : Wide(lines.line5)) &&
                     lines.line7 == (joint ? ownIncome + spouse[total::line7] : ownIncome) &&
                     own[total::line5] == lines.line6 && own[total::line7] == lines.line7,
                 "lines 6 and 7 are the taxpayer's own, or both persons' under joint computation",
                 run.describe(decimal(lines.line5) + " " + decimal(lines.line6) + " " + decimal(lines.line7)));
}

void enterAllowancesStep(Run &run)
{
    const Wide deduction = claimsSpouseAllowance(run.status()) ? 2 * kAllowance : kAllowance;
    const Wide taxpayerStart = run.ledger().taxpayer.totals[total::line7] - deduction;
    const Wide spouseStart = run.ledger().spouse.totals[total::line7] - deduction;
    mayOverflow(run, !fits(taxpayerStart) || !fits(spouseStart));
    tax::AllowanceStart start;
    try {
        start = tax::startAllowances(run.ledger(), run.status());
    } catch (const tax::FloatingPointError &) {
        for (Person who : {Person::taxpayer, Person::spouse})
            FUZZ_REQUIRE(std::equal(person(run, who).totals.begin() + total::afterLine8,
                                    person(run, who).totals.begin() + total::afterLine12 + 1,
                                    tax::figures(run.before, who).totals.begin() + total::afterLine8),
                         "the remainders after line 8 are stored together or not at all", run.describe());
        throw;
    }
    returned(run, !fits(taxpayerStart) || !fits(spouseStart), "remainder after line 8");
    FUZZ_REQUIRE(start.taxpayer == taxpayerStart && start.spouse == spouseStart,
                 "the remainder after line 8 is line 7 less the allowances of line 8", run.describe());
    for (auto [who, remainder] : {std::pair{Person::taxpayer, taxpayerStart}, std::pair{Person::spouse, spouseStart}}) {
        const auto &p = person(run, who);
        for (std::size_t i = total::afterLine8; i <= total::afterLine12; ++i)
            FUZZ_REQUIRE(p.totals[i] == remainder, "entering the page sets every remainder up to line 12",
                         run.describe(personName(who)));
        FUZZ_REQUIRE(p.entries[entry::personalAllowance] == kAllowance &&
                         p.totals[total::line15] == tax::figures(run.before, who).totals[total::line15],
                     "entering the page sets the personal allowance and leaves line 15", run.describe(personName(who)));
    }
    checkedLineFourteen(run, Person::taxpayer);
    checkedLineFourteen(run, Person::spouse);
}

void childrenStep(Run &run, Person who, std::string_view firstText, std::string_view secondText)
{
    const Currency first = amountOf(run, firstText);
    tax::enterChildrenFirstGroup(run.ledger(), who, first);
    // The first group stays stored when the second field fails to convert.
    run.refusedLeaves = run.before;
    tax::figures(run.refusedLeaves, who).entries[entry::childrenFirstGroup] = first;
    const Currency second = amountOf(run, secondText);
    const tax::AllowanceNotice notice = tax::enterChildrenSecondGroup(run.ledger(), who, second);

    constexpr Wide three = 3 * kBaht;
    const bool over = Wide(first) + second > three;
    const Currency keptFirst = person(run, who).entries[entry::childrenFirstGroup];
    const Currency keptSecond = person(run, who).entries[entry::childrenSecondGroup];
    FUZZ_REQUIRE((notice == tax::AllowanceNotice::childrenOverLimit) == over,
                 "the message shows exactly when the children are more than three", run.describe());
    const bool whole = first >= 0 && second >= 0 && first % kBaht == 0 && second % kBaht == 0;
    const bool cut = over ? keptSecond == std::min<Wide>(second, three) && keptFirst <= three && keptFirst <= std::max<Wide>(first, 0) &&
                                (!whole || Wide(keptFirst) + keptSecond == three)
                          : keptFirst == first && keptSecond == second;
    FUZZ_REQUIRE(cut, "children beyond three are cut, the second group kept first",
                 run.describe(decimal(keptFirst) + " + " + decimal(keptSecond)));

    const bool full = fullChildrenRates(run.status(), who);
    const Wide firstAllowance = Wide(keptFirst) * (full ? 15'000 : 7'500);
    const Wide secondAllowance = Wide(keptSecond) * (full ? 17'000 : 8'500);
    const Wide remainder = person(run, who).totals[total::afterLine8] - (firstAllowance + secondAllowance);
    const bool overflows = !fits(firstAllowance) || !fits(secondAllowance) ||
                           !fits(firstAllowance + secondAllowance) || !fits(remainder);
    mayOverflow(run, overflows);
    const Currency shown = tax::priceChildren(run.ledger(), who, run.status());
    returned(run, overflows, "children allowance");
    const auto &p = person(run, who);
    FUZZ_REQUIRE(p.entries[entry::childrenFirstAllowance] == firstAllowance &&
                     p.entries[entry::childrenSecondAllowance] == secondAllowance && shown == remainder &&
                     p.totals[total::afterLine9] == remainder,
                 "line 9 is the counts times the rates", run.describe(decimal(shown)));
    checkedLineFourteen(run, who);
}

void cappedItemStep(Run &run, Person who, tax::CappedItem item, std::string_view text)
{
    const Currency amount = amountOf(run, text);
    const std::size_t k = static_cast<std::size_t>(item);
    const std::size_t entryIndex = entry::lifeInsurance + k;
    const std::size_t previous = total::afterLine9 + k;
    const Wide remainder = Wide(person(run, who).totals[previous]) - std::min<Wide>(amount, kItemLimit);
    mayOverflow(run, !fits(remainder));
    const tax::CappedItemStep step = tax::enterCappedItem(run.ledger(), who, item, amount);
    returned(run, !fits(remainder), "capped item");
    const auto &p = person(run, who);
    FUZZ_REQUIRE(p.entries[entryIndex] == amount && step.remainder == remainder && p.totals[previous + 1] == remainder &&
                     (step.notice == tax::AllowanceNotice::amountOverLimit) == (amount > kItemLimit),
                 "lines 10 to 12 deduct up to 10,000 and keep the amount as entered", run.describe());
    checkedLineFourteen(run, who);
}

void socialSecurityStep(Run &run, Person who, std::string_view text)
{
    const Currency amount = amountOf(run, text);
    const Wide line15 = Wide(person(run, who).totals[total::afterLine12]) - amount;
    mayOverflow(run, !fits(line15));
    const Currency shown = tax::enterSocialSecurity(run.ledger(), who, amount);
    returned(run, !fits(line15), "line 15");
    FUZZ_REQUIRE(shown == line15 && person(run, who).totals[total::line15] == line15 &&
                     person(run, who).entries[entry::socialSecurity] == amount,
                 "line 13 is deducted without limit", run.describe());
    checkedLineFourteen(run, who);
}

void donationStep(Run &run, Person who, std::string_view text)
{
    const Currency donation = amountOf(run, text);
    const Wide line15 = person(run, who).totals[total::line15];
    // Ten times line 17: ten times line 15 less the donation up to a tenth of line 15.
    const bool inFull = 10 * Wide(donation) <= line15;
    const Wide tenTimes = 10 * line15 - std::min<Wide>(10 * Wide(donation), line15);
    mayOverflow(run, !fits(line15 - donation));
    const Currency line17 = tax::enterDonation(run.ledger(), who, donation);
    returned(run, inFull && !fits(line15 - donation), "line 17");
    FUZZ_REQUIRE(roundsTo(line17, tenTimes, 10) && person(run, who).totals[total::line17] == line17 &&
                     person(run, who).entries[entry::donation] == donation,
                 "line 17 is line 15 less the donation up to a tenth of line 15", run.describe(decimal(line17)));
}

} // namespace fuzz
