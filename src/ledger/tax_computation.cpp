// The rules of the tax computation page: lines 18 to 20, 23 and 24, and 25 to 28.
#include "tax_computation.h"

#include "tax_schedule.h"

#include <algorithm>

namespace tax {

namespace {

constexpr Currency kUnitsPerSatang = kUnitsPerBaht / 100;

// Opening the page clears entries 23 to 29 and leaving the taxpayer's line-22
// field clears totals 24 to 29; index 29 is used by neither table.
constexpr std::size_t kLastCleared = 29;

// An amount as the attachment page shows it: whole satang, halves away from
// zero. The result never leaves the 64-bit range: the largest amount rounds down.
Currency toShownSatang(Currency amount)
{
    const Currency remainder = amount % kUnitsPerSatang; // takes the sign of the amount
    const Currency truncated = amount - remainder;
    if (remainder >= kUnitsPerSatang / 2)
        return truncated + kUnitsPerSatang;
    if (remainder <= -kUnitsPerSatang / 2)
        return truncated - kUnitsPerSatang;
    return truncated;
}

// The shown amounts of both persons added in baht and brought back to units.
Currency addedInBaht(Currency taxpayer, Currency spouse)
{
    const long double sum = static_cast<long double>(toShownSatang(taxpayer)) / kUnitsPerBaht
        + static_cast<long double>(toShownSatang(spouse)) / kUnitsPerBaht;
    return roundHalfEven(sum * kUnitsPerBaht);
}

constexpr Choices kPay{true, false, true, false};
constexpr Choices kOverpaid{false, true, false, true};
constexpr Choices kNoChoice{};

} // namespace

JointAttachment jointAttachment(Currency line6Taxpayer, Currency line6Spouse,
                                Currency line7Taxpayer, Currency line7Spouse)
{
    const Currency toPay = addedInBaht(line6Taxpayer, line6Spouse);
    const Currency overpaid = addedInBaht(line7Taxpayer, line7Spouse);
    if (overpaid < toPay)
        return {subtract(toPay, overpaid), 0};
    if (toPay < overpaid)
        return {0, subtract(overpaid, toPay)};
    return {};
}

TaxComputationOpening openTaxComputation(ReturnLedger &ledger, MaritalStatus status)
{
    auto &common = ledger.common;
    common[shared::jointLine19] = 0;
    common[shared::jointLine20] = 0;
    const bool joint = status == MaritalStatus::married3;
    if (joint) {
        const auto &t = ledger.taxpayer.totals;
        const auto &s = ledger.spouse.totals;
        const JointAttachment lines = jointAttachment(t[total::attachmentLine6], s[total::attachmentLine6],
                                                      t[total::attachmentLine7], s[total::attachmentLine7]);
        common[shared::jointLine19] = lines.line19;
        common[shared::jointLine20] = lines.line20;
    }

    // The bands of line 18 and the credits start again from nothing.
    for (PersonFigures *p : {&ledger.taxpayer, &ledger.spouse})
        std::fill(p->entries.begin() + entry::returnBands, p->entries.begin() + kLastCleared + 1, 0);
    // Each person's tax comes from that person's own net income: under joint
    // computation the spouse's income already stands in the taxpayer's line 17.
    storeReturnTax(ledger, Person::taxpayer);
    storeReturnTax(ledger, Person::spouse);

    auto shown = [](const PersonFigures &p) {
        const auto &t = p.totals;
        return OpeningLines{t[total::line18], t[total::attachmentLine6], t[total::attachmentLine7]};
    };
    TaxComputationOpening result{shown(ledger.taxpayer), shown(ledger.spouse)};
    if (joint) {
        result.taxpayer.line19 = common[shared::jointLine19];
        result.taxpayer.line20 = common[shared::jointLine20];
    }
    return result;
}

BalanceLines balanceOf(Currency line18, Currency line19, Currency line20, Currency credits)
{
    // The base is a working value in baht, like the ledger's other working
    // values; scaled back, it is rounded to a whole unit again as every amount
    // that leaves a working value is, so that credits equal to it settle the
    // balance instead of leaning a trifle one way with lines of 0.
    const Currency sum = subtract(add(line18, line19), line20);
    const long double baseInBaht = static_cast<long double>(sum) / kUnitsPerBaht;
    const Currency base = roundHalfEven(baseInBaht * kUnitsPerBaht);

    BalanceLines lines;
    if (credits < base) {
        lines.balance = Balance::toPay;
        lines.line23 = subtract(base, credits);
    } else if (credits > base) {
        lines.balance = Balance::overpaid;
        lines.line24 = subtract(credits, base);
    }
    return lines;
}

void clearBalances(ReturnLedger &ledger)
{
    for (PersonFigures *p : {&ledger.taxpayer, &ledger.spouse})
        std::fill(p->totals.begin() + total::line23, p->totals.begin() + kLastCleared + 1, 0);
}

BalanceLines enterCredits(ReturnLedger &ledger, Person who, MaritalStatus status,
                          Currency line21, Currency line22)
{
    PersonFigures &p = figures(ledger, who);
    const Currency credits = add(line21, line22);
    p.entries[entry::credits] = credits;

    auto &t = p.totals;
    const bool joint = who == Person::taxpayer && status == MaritalStatus::married3;
    const Currency line19 = joint ? ledger.common[shared::jointLine19] : t[total::attachmentLine6];
    const Currency line20 = joint ? ledger.common[shared::jointLine20] : t[total::attachmentLine7];
    const BalanceLines lines = balanceOf(t[total::line18], line19, line20, credits);
    t[total::line23] = lines.line23;
    t[total::line24] = lines.line24;
    return lines;
}

Currency taxpayerLine28(ReturnLedger &ledger, const BalanceLines &taxpayer)
{
    Currency line28 = 0;
    if (taxpayer.balance == Balance::toPay)
        line28 = taxpayer.line23;
    else if (taxpayer.balance == Balance::overpaid)
        line28 = taxpayer.line24;
    ledger.taxpayer.totals[total::line28] = line28;
    return line28;
}

SetOff setOff(Currency a, Currency b, Currency c, Currency d)
{
    SetOff s;
    if (a != 0 && d != 0) {
        // The taxpayer owes and the spouse overpaid.
        s.line25 = std::min(a, d);
        if (d < a) {
            s.row = 1;
            s.taxpayerLine26 = subtract(a, d);
            s.taxpayer = kPay;
        } else if (d > a) {
            s.row = 2;
            s.spouseLine26 = subtract(d, a);
            s.spouse = kOverpaid;
        } else {
            s.row = 3;
        }
    } else if (b != 0 && c != 0) {
        // The taxpayer overpaid and the spouse owes.
        s.line25 = std::min(b, c);
        if (c < b) {
            s.row = 4;
            s.taxpayerLine26 = subtract(b, c);
            s.taxpayer = kOverpaid;
        } else if (c > b) {
            s.row = 5;
            s.spouseLine26 = subtract(c, b);
            s.spouse = kPay;
        } else {
            s.row = 6;
        }
    } else if (a != 0) {
        // Both owe, or only the taxpayer does: nothing to set off.
        s.row = 7;
        s.taxpayerLine26 = a;
        s.taxpayer = kPay;
        s.spouseLine26 = c;
        s.spouse = c != 0 ? kPay : kNoChoice;
    } else if (b != 0) {
        s.row = 8;
        s.taxpayerLine26 = b;
        s.taxpayer = kOverpaid;
        s.spouseLine26 = d;
        s.spouse = d != 0 ? kOverpaid : kNoChoice;
    } else {
        // The taxpayer is settled; the spouse keeps its own balance.
        s.row = 9;
        s.spouseLine26 = c != 0 ? c : d;
        s.spouse = c != 0 ? kPay : d != 0 ? kOverpaid : kNoChoice;
    }
    return s;
}

SetOff settleSpouses(ReturnLedger &ledger)
{
    auto &t = ledger.taxpayer.totals;
    auto &s = ledger.spouse.totals;
    const SetOff result = setOff(t[total::line23], t[total::line24], s[total::line23], s[total::line24]);
    t[total::line26] = t[total::line28] = result.taxpayerLine26;
    s[total::line26] = s[total::line28] = result.spouseLine26;
    return result;
}

} // namespace tax
