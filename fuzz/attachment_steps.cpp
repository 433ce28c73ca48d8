// Entry-steps fuzz target: the steps of the attachment page and its severance
// panel, each run as its handler runs it and checked against exact arithmetic.
#include "entry_run.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace fuzz {

namespace {

using tax::Currency;
using tax::Person;
namespace total = tax::total;
namespace entry = tax::entry;

constexpr Currency kBaht = 10000;

Wide perYear(tax::FirstPartRate rate) { return rate == tax::FirstPartRate::perYear7000 ? 7'000 : 3'500; }

std::size_t indexOf(Person who) { return who == Person::taxpayer ? 0 : 1; }

} // namespace

void openAttachmentStep(Run &run)
{
    tax::openAttachment(run.ledger());
    const auto &common = run.ledger().common;
    FUZZ_REQUIRE(std::all_of(common.begin(), common.end(), [](Currency c) { return c == 0; }) &&
                     run.ledger().longestService == 0,
                 "opening the attachment starts its years and joint balances from zero", run.describe());
}

void yearsOfWorkStep(Run &run, std::size_t row, std::string_view text)
{
    const Currency years = amountOf(run, text);
    tax::enterYearsOfWork(run.ledger(), row, years);
    const auto &common = run.ledger().common;
    const long double longest = *std::max_element(common.begin(), common.begin() + 4);
    FUZZ_REQUIRE(common[row] == years &&
                     std::fabs(run.ledger().longestService * kBaht - longest) <= std::fabs(longest) * 0x1p-60L,
                 "the longest service is the largest of the four years of work", run.describe());
}

void attachmentItemStep(Run &run, Person who, tax::AttachmentItem item, std::string_view text)
{
    const Currency amount = amountOf(run, text);
    std::array<Wide, 4> items{}; // items 1, 2, 3 and 5 as they will stand
    const auto &e = person(run, who).entries;
    for (std::size_t k = 0; k < 4; ++k)
        items[k] = k == static_cast<std::size_t>(item) ? amount : e[entry::attachmentItem1 + k];
    const Wide firstTwo = items[0] + items[1];
    const Wide item4 = firstTwo + items[2];
    const Wide item6 = item4 + items[3];
    const bool overflows = !fits(item4) || !fits(item6);
    mayOverflow(run, overflows || !fits(firstTwo));
    const tax::AttachmentItems shown = tax::enterAttachmentItem(run.ledger(), who, item, amount);
    returned(run, overflows, "attachment items 4 and 6");
    const auto &t = person(run, who).totals;
    FUZZ_REQUIRE(shown.item4 == item4 && shown.item6 == item6 && t[total::attachmentItem4] == item4 &&
                     t[total::attachmentItem6] == item6,
                 "item 4 sums items 1 to 3 and item 6 adds item 5", run.describe());
}

void openSeveranceStep(Run &run)
{
    const long double line10 = run.ledger().longestService * 70'000'000.0L;
    bool anyItemsOnly = false;
    for (Person who : {Person::taxpayer, Person::spouse}) {
        const auto &p = person(run, who);
        anyItemsOnly = anyItemsOnly || (p.totals[total::attachmentItem4] != 0 && p.entries[entry::attachmentItem5] == 0);
    }
    const long double limit = 0x1p63L;
    mayOverflow(run, anyItemsOnly && std::fabs(line10) >= limit - 0x1p12L);
    const tax::SeveranceOpening opened = tax::openSeverancePanel(run.ledger());
    returned(run, anyItemsOnly && std::fabs(line10) >= limit + 0x1p12L, "line 10 at opening");
    for (Person who : {Person::taxpayer, Person::spouse}) {
        const auto &p = person(run, who);
        const tax::SeveranceOpeningSide &side = who == Person::taxpayer ? opened.taxpayer : opened.spouse;
        const Currency item4 = p.totals[total::attachmentItem4];
        const Currency item5 = p.entries[entry::attachmentItem5];
        const bool itemsOnly = item4 != 0 && item5 == 0;
        const long double error = std::fabs(static_cast<long double>(p.totals[total::severanceLine10]) - line10);
        FUZZ_REQUIRE(side.itemsOnly == itemsOnly && p.severanceFlag == (item4 != 0 && item5 != 0) &&
                         (!itemsOnly || (side.line9 == item4 && p.totals[total::severanceLine9] == item4 &&
                                         side.line10 == p.totals[total::severanceLine10] &&
                                         error <= 0.5L + std::fabs(line10) * 0x1p-60L)),
                     "opening the panel fills lines 9 and 10 for items 1-3 alone and sets the flag",
                     run.describe(personName(who)));
    }
}

void severanceSalaryStep(Run &run, Person who, std::string_view text)
{
    const Currency salary = amountOf(run, text);
    tax::enterSeveranceSalary(run.ledger(), who, salary);
    FUZZ_REQUIRE(person(run, who).severanceSalary == salary, "the salary of line 8 is stored", run.describe());
}

void severanceYearsStep(Run &run, Person who, std::string_view text)
{
    const Currency years = amountOf(run, text);
    const std::string shownYears = tax::enterSeveranceYears(run.ledger(), who, years, text);
    const auto &p = person(run, who);
    FUZZ_REQUIRE(p.severanceYears == years && p.expenseYears == years, "the years of line 8 serve line 10 too",
                 run.describe());
    if (who == Person::taxpayer) {
        FUZZ_REQUIRE(shownYears == text, "the taxpayer's line-10 years are the text as typed", run.describe(shownYears));
    } else {
        const Conversion back = convert(withoutSeparators(shownYears));
        FUZZ_REQUIRE(back.outcome == Conversion::Outcome::amount && back.amount == toSatang(years),
                     "the spouse's line-10 years show the years to the satang", run.describe(shownYears));
    }
    run.wizard.expenseYearsText[indexOf(who)] = shownYears;

    const Wide item4 = p.totals[total::attachmentItem4];
    const Wide item5 = p.entries[entry::attachmentItem5];
    const Wide scaledProduct = Wide(p.severanceSalary) * years;
    const Wide product = nearest(scaledProduct, kBaht);
    const bool withItems = p.severanceFlag == 1 && product < item5;
    mayOverflow(run, nearOrBeyondLimits(product) || (withItems && nearOrBeyondLimits(item4 + product)));
    const tax::SeveranceBase base = tax::severanceBase(run.ledger(), who);
    returned(run, clearlyBeyondLimits(product) || (withItems && clearlyBeyondLimits(item4 + product)), "lines 8 and 9");
    const Wide line9 = p.severanceFlag == 0 ? std::min<Wide>(item5, base.line8)
                                            : base.line8 >= item5 ? p.totals[total::attachmentItem6] : item4 + base.line8;
    FUZZ_REQUIRE(roundsTo(base.line8, scaledProduct, kBaht) && p.totals[total::severanceLine8] == base.line8 &&
                     base.line9 == line9 && p.totals[total::severanceLine9] == line9,
                 "line 8 is salary times years, line 9 counts item 5 up to it", run.describe(decimal(base.line8)));
}

void rateStep(Run &run, Person who, tax::FirstPartRate rate)
{
    const Wide line10 = Wide(person(run, who).expenseYears) * perYear(rate);
    mayOverflow(run, !fits(line10));
    const Currency shown = tax::chooseFirstPartRate(run.ledger(), who, rate);
    returned(run, !fits(line10), "line 10");
    FUZZ_REQUIRE(shown == line10 && person(run, who).totals[total::severanceLine10] == line10,
                 "line 10 is the years times the rate", run.describe());
}

void expenseYearsStep(Run &run, Person who, tax::FirstPartRate rate, std::string_view text)
{
    if (who == Person::taxpayer) {
        const Conversion typed = convert(text);
        FUZZ_REQUIRE(tax::severanceYearsEntered(text) ==
                         (typed.outcome == Conversion::Outcome::amount && typed.amount != 0),
                     "the panel counts as used when its years are a number other than 0", run.describe());
    }
    const Currency years = amountOf(run, text);
    const Wide line10 = Wide(years) * perYear(rate);
    const Wide line11 = person(run, who).totals[total::severanceLine9] - line10;
    const Wide line12 = nearest(line11, 2);
    const Wide line13 = line12 + line10;
    const bool overflows = !fits(line10) || !fits(line11) || !fits(line13);
    mayOverflow(run, overflows);
    const tax::SeveranceExpense shown = tax::enterExpenseYears(run.ledger(), who, rate, years);
    returned(run, overflows, "lines 10 to 13");
    const auto &t = person(run, who).totals;
    FUZZ_REQUIRE(person(run, who).expenseYears == years && shown.line10 == line10 && shown.line11 == line11 &&
                     shown.line12 == line12 && shown.line13 == line13 && t[total::severanceLine10] == line10 &&
                     t[total::severanceLine11] == line11 && t[total::severanceLine12] == line12 &&
                     t[total::severanceLine13] == line13,
                 "lines 10 to 13 of the severance expense", run.describe());
}

void attachmentTaxStep(Run &run)
{
    for (Person who : {Person::taxpayer, Person::spouse}) {
        const auto &t = person(run, who).totals;
        const Wide line3 = Wide(t[total::attachmentItem6]) - t[total::severanceLine13];
        mayOverflow(run, !fits(line3));
        const tax::AttachmentTax shown = tax::computeAttachmentTax(run.ledger(), who);
        returned(run, !fits(line3), "attachment line 3");
        FUZZ_REQUIRE(shown.line2 == t[total::severanceLine13] && shown.line3 == line3 &&
                         t[total::attachmentLine3] == line3 && shown.line4 == t[total::attachmentLine4],
                     "the attachment's net income is item 6 less the severance expense", run.describe(personName(who)));
        checkTax(shown.line3, &person(run, who).entries[entry::attachmentBands], shown.line4,
                 run.describe(std::string(personName(who)) + " attachment tax"));
    }
}

void withholdingStep(Run &run, Person who, std::string_view text)
{
    const Currency withheld = amountOf(run, text);
    const auto &t = person(run, who).totals;
    const Wide balance = Wide(t[total::attachmentLine4]) - withheld;
    const Currency line6Before = t[total::attachmentLine6];
    const Currency line7Before = t[total::attachmentLine7];
    mayOverflow(run, !fits(balance));
    tax::AttachmentBalanceLines shown;
    try {
        shown = tax::enterAttachmentWithholding(run.ledger(), who, withheld);
    } catch (const tax::FloatingPointError &) {
        FUZZ_REQUIRE(t[total::attachmentLine6] == line6Before && t[total::attachmentLine7] == line7Before,
                     "an overflowing balance leaves attachment lines 6 and 7 as they were", run.describe());
        throw;
    }
    returned(run, !fits(balance), "attachment balance");
    const auto expected = balance > 0 ? tax::AttachmentBalance::toPay
                          : balance < 0 ? tax::AttachmentBalance::overpaid
                                        : tax::AttachmentBalance::settled;
    FUZZ_REQUIRE(shown.balance == expected && shown.line6 == std::max<Wide>(balance, 0) &&
                     shown.line7 == std::max<Wide>(-balance, 0) && t[total::attachmentLine6] == shown.line6 &&
                     t[total::attachmentLine7] == shown.line7 &&
                     person(run, who).entries[entry::attachmentWithholding] == withheld,
                 "the attachment's tax less the tax withheld is to pay or overpaid", run.describe());
}

} // namespace fuzz
