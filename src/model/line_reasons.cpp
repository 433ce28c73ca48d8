// The sentences that say why a line shows its figure.
#include "line_reasons.h"

#include "amount_text.h"
#include "tax_limits.h"
#include "wording.h"

#include <array>

namespace model::reasons {

namespace {

using tax::Currency;
namespace T = tax::total;
namespace E = tax::entry;

std::string item(int line, Currency amount)
{
    return model::wording("ข้อ %1 %2", {std::to_string(line), money(amount)});
}

// The share of a band's rate, as the form writes it: "5 %".
std::string percent(long double rate)
{
    return std::to_string(static_cast<int>(rate * 100 + 0.5L)) + " %";
}

// The tax of a net income band by band: "5 % ของ 100,000.00 = 5,000.00 + ...".
std::string bands(Currency netIncome, const tax::Currency *band, Currency tax)
{
    if (netIncome <= 0)
        return model::wording("เงินได้สุทธิ %1 ไม่มีภาษี = %2", {money(netIncome), money(tax)});
    std::string text;
    for (std::size_t k = 0; k < tax::kTaxBandCount; ++k) {
        const tax::TaxBand &b = tax::kTaxSchedule[k];
        if (netIncome <= b.lowerBound)
            break;
        const Currency part = netIncome > b.upperBound ? b.upperBound - b.lowerBound : netIncome - b.lowerBound;
        if (!text.empty())
            text += " + ";
        text += model::wording("%1 ของ %2 = %3", {percent(b.rate), money(part), money(band[k])});
    }
    return text + model::wording(" รวม %1", {money(tax)});
}

// The exact sum or difference where it fits, for a sentence only.
Currency plus(Currency a, Currency b)
{
    try {
        return tax::add(a, b);
    } catch (const tax::AmountError &) {
        return 0;
    }
}

Currency minus(Currency a, Currency b)
{
    try {
        return tax::subtract(a, b);
    } catch (const tax::AmountError &) {
        return 0;
    }
}

std::string kindOf(bool pay, bool overpaid)
{
    return pay ? model::wording(" ชำระเพิ่มเติม") : overpaid ? model::wording(" ชำระไว้เกิน") : std::string();
}

} // namespace

std::string money(Currency amount)
{
    const std::string text = tax::formatMoney(amount);
    return text.substr(text.find_first_not_of(' '));
}

std::string lineFour(const tax::PersonFigures &p)
{
    const auto &e = p.entries;
    return item(1, e[E::line1]) + " - " + item(2, e[E::line2]) + " + " + item(3, e[E::line3]) + " = "
        + money(p.totals[T::line4]);
}

std::string lineFive(Currency ownLine4, Currency ownLine5)
{
    const Currency forty = tax::multiply(ownLine4, tax::kExpenseRate);
    // Capped, the line is the cap: "... = 380,000.00 สูงสุด 60,000.00".
    if (forty > tax::kExpenseCap)
        return model::wording("40 % ของ %1 = %2 สูงสุด %3", {money(ownLine4), money(forty), money(tax::kExpenseCap)});
    return model::wording("40 % ของ %1 = %2", {money(ownLine4), money(ownLine5)});
}

std::string lineSix(Currency ownLine5, const tax::PersonFigures *spouse, Currency line6)
{
    if (!spouse)
        return model::wording("ค่าใช้จ่าย%1", {item(5, ownLine5)});
    return model::wording("ผู้มีเงินได้ %1 + คู่สมรส %2 = %3", {money(ownLine5), money(spouse->totals[T::line5]), money(line6)});
}

std::string lineSeven(Currency line4, Currency line6, Currency ownLine7, const tax::PersonFigures *spouse, Currency line7)
{
    if (!spouse)
        return item(4, line4) + " - " + item(6, line6) + " = " + money(line7);
    return model::wording("ผู้มีเงินได้ %1 - ค่าใช้จ่าย %2 = %3 + คู่สมรส %4 = %5",
                          {item(4, line4), money(minus(line4, ownLine7)), money(ownLine7),
                           money(spouse->totals[T::line7]), money(line7)});
}

std::string lineFourteen(const tax::PersonFigures &p, bool spouseAllowance)
{
    const auto &e = p.entries;
    std::string text = item(8, e[E::personalAllowance]);
    if (spouseAllowance)
        text += model::wording(" + คู่สมรส %1", {money(tax::kSpouseAllowance)});
    text += " + " + item(9, plus(e[E::childrenFirstAllowance], e[E::childrenSecondAllowance]));
    const std::array<std::pair<int, Currency>, 3> capped{
        {{10, e[E::lifeInsurance]}, {11, e[E::providentFund]}, {12, e[E::housingLoanInterest]}}};
    for (const auto &[line, entered] : capped) {
        text += " + " + item(line, std::min(entered, tax::kAllowanceItemLimit));
        if (entered > tax::kAllowanceItemLimit)
            text += model::wording(" (จาก %1 หักได้สูงสุด %2)", {money(entered), money(tax::kAllowanceItemLimit)});
    }
    return text + " + " + item(13, e[E::socialSecurity]) + " = " + money(p.totals[T::line14]);
}

std::string lineFifteen(const tax::PersonFigures &p, int afterLine)
{
    // The remainders after lines 8 to 13 stand in totals 3 to 8; what each
    // line deducted is the step from the one before it.
    const auto &t = p.totals;
    std::string text = item(7, t[T::line7]);
    Currency before = t[T::line7];
    for (int line = 8; line <= afterLine; ++line) {
        const Currency after = t[T::afterLine8 + std::size_t(line - 8)];
        text += " - " + item(line, minus(before, after));
        before = after;
    }
    return text + " = " + money(before);
}

std::string lineSeventeen(const tax::PersonFigures &p)
{
    const auto &t = p.totals;
    const Currency donation = p.entries[E::donation];
    const Currency deducted = minus(t[T::line15], t[T::line17]);
    std::string text = item(15, t[T::line15]) + " - " + item(16, deducted) + " = " + money(t[T::line17]);
    if (deducted != donation)
        text += model::wording(" (บริจาค %1 หักได้ไม่เกิน 10 % ของข้อ 15)", {money(donation)});
    return text;
}

std::string attachmentItemFour(const tax::PersonFigures &p)
{
    const auto &e = p.entries;
    return item(1, e[E::attachmentItem1]) + " + " + item(2, e[E::attachmentItem2]) + " + " + item(3, e[E::attachmentItem3])
        + " = " + money(p.totals[T::attachmentItem4]);
}

std::string attachmentItemSix(const tax::PersonFigures &p)
{
    return item(4, p.totals[T::attachmentItem4]) + " + " + item(5, p.entries[E::attachmentItem5]) + " = "
        + money(p.totals[T::attachmentItem6]);
}

std::string severanceLineEight(const tax::PersonFigures &p)
{
    return model::wording("เงินเดือน %1 x %2 ปี = %3",
                          {money(p.severanceSalary), money(p.severanceYears), money(p.totals[T::severanceLine8])});
}

std::string severanceLineNine(const tax::PersonFigures &p, bool itemsOnly)
{
    const auto &t = p.totals;
    const Currency item5 = p.entries[E::attachmentItem5];
    const Currency product = t[T::severanceLine8];
    if (itemsOnly)
        return model::wording("เงินได้%1 (ไม่มีเงินได้ข้อ 5)", {item(4, t[T::attachmentItem4])});
    if (p.severanceFlag == 0)
        return model::wording("ค่าที่น้อยกว่าระหว่าง%1 กับ%2 = %3", {item(5, item5), item(8, product), money(t[T::severanceLine9])});
    if (product >= item5)
        return model::wording("%1 ไม่น้อยกว่า%2: รวมทั้งสิ้น%3", {item(8, product), item(5, item5), item(6, t[T::attachmentItem6])});
    return item(4, t[T::attachmentItem4]) + " + " + item(8, product) + " = " + money(t[T::severanceLine9]);
}

std::string severanceLineTen(const tax::PersonFigures &p, Currency perYear)
{
    return model::wording("%1 ปี x %2 = %3", {money(p.expenseYears), money(perYear), money(p.totals[T::severanceLine10])});
}

std::string severanceLineTenOfLongestService(const tax::PersonFigures &p, long double longestService)
{
    Currency years = 0;
    try {
        years = tax::roundHalfEven(longestService * tax::kUnitsPerBaht);
    } catch (const tax::AmountError &) {
    }
    return model::wording("%1 ปี (ทำงานนานที่สุด) x %2 = %3",
                          {money(years), money(tax::kSeveranceFullPerYear), money(p.totals[T::severanceLine10])});
}

std::string severanceLineEleven(const tax::PersonFigures &p)
{
    const auto &t = p.totals;
    return item(9, t[T::severanceLine9]) + " - " + item(10, t[T::severanceLine10]) + " = " + money(t[T::severanceLine11]);
}

std::string severanceLineTwelve(const tax::PersonFigures &p)
{
    const auto &t = p.totals;
    return model::wording("50 % ของ%1 = %2", {item(11, t[T::severanceLine11]), money(t[T::severanceLine12])});
}

std::string severanceLineThirteen(const tax::PersonFigures &p)
{
    const auto &t = p.totals;
    return item(10, t[T::severanceLine10]) + " + " + item(12, t[T::severanceLine12]) + " = " + money(t[T::severanceLine13]);
}

std::string attachmentLineTwo(const tax::PersonFigures &p)
{
    return model::wording("ค่าใช้จ่ายรวมข้อ 13 ของวิธีคำนวณค่าใช้จ่าย %1", {money(p.totals[T::severanceLine13])});
}

std::string attachmentLineThree(const tax::PersonFigures &p)
{
    const auto &t = p.totals;
    return item(6, t[T::attachmentItem6]) + " - " + item(2, t[T::severanceLine13]) + " = " + money(t[T::attachmentLine3]);
}

std::string attachmentLineFour(const tax::PersonFigures &p)
{
    return bands(p.totals[T::attachmentLine3], &p.entries[E::attachmentBands], p.totals[T::attachmentLine4]);
}

std::string attachmentLineSix(const tax::PersonFigures &p)
{
    const Currency tax = p.totals[T::attachmentLine4];
    const Currency withheld = p.entries[E::attachmentWithholding];
    if (tax > withheld)
        return item(4, tax) + " - " + item(5, withheld) + " = " + money(p.totals[T::attachmentLine6]);
    return model::wording("%1 ไม่น้อยกว่า%2: ไม่มีภาษีต้องชำระเพิ่มเติม", {item(5, withheld), item(4, tax)});
}

std::string attachmentLineSeven(const tax::PersonFigures &p)
{
    const Currency tax = p.totals[T::attachmentLine4];
    const Currency withheld = p.entries[E::attachmentWithholding];
    if (withheld > tax)
        return item(5, withheld) + " - " + item(4, tax) + " = " + money(p.totals[T::attachmentLine7]);
    return model::wording("%1 ไม่เกิน%2: ไม่มีภาษีชำระไว้เกิน", {item(5, withheld), item(4, tax)});
}

std::string lineEighteen(const tax::PersonFigures &p)
{
    return model::wording("ภาษีของเงินได้สุทธิข้อ 17 %1: %2",
                          {money(p.totals[T::line17]), bands(p.totals[T::line17], &p.entries[E::returnBands], p.totals[T::line18])});
}

std::string lineNineteen(const tax::PersonFigures &p)
{
    return model::wording("ข้อ 6 ในใบแนบ %1", {money(p.totals[T::attachmentLine6])});
}

std::string lineTwenty(const tax::PersonFigures &p)
{
    return model::wording("ข้อ 7 ในใบแนบ %1", {money(p.totals[T::attachmentLine7])});
}

namespace {

std::string jointAttachment(const tax::ReturnLedger &ledger)
{
    const auto &m = ledger.taxpayer.totals;
    const auto &f = ledger.spouse.totals;
    return model::wording("ข้อ 6 ในใบแนบ ผู้มีเงินได้ %1 + คู่สมรส %2 หักกลบกับข้อ 7 ในใบแนบ ผู้มีเงินได้ %3 + คู่สมรส %4",
                          {money(m[T::attachmentLine6]), money(f[T::attachmentLine6]), money(m[T::attachmentLine7]),
                           money(f[T::attachmentLine7])});
}

} // namespace

std::string jointLineNineteen(const tax::ReturnLedger &ledger)
{
    return model::wording("%1: ต้องชำระเพิ่มเติม %2", {jointAttachment(ledger), money(ledger.common[tax::shared::jointLine19])});
}

std::string jointLineTwenty(const tax::ReturnLedger &ledger)
{
    return model::wording("%1: ชำระไว้เกิน %2", {jointAttachment(ledger), money(ledger.common[tax::shared::jointLine20])});
}

namespace {

std::string balance(Currency line18, Currency line19, Currency line20, Currency withheld, Currency paid)
{
    return model::wording("%1 + %2 - %3 = %4, เครดิต%5 + %6 = %7",
                          {item(18, line18), item(19, line19), item(20, line20), money(minus(plus(line18, line19), line20)),
                           item(21, withheld), item(22, paid), money(plus(withheld, paid))});
}

} // namespace

std::string lineTwentyThree(const tax::BalanceLines &lines, Currency line18, Currency line19, Currency line20,
                            Currency withheld, Currency paid)
{
    const std::string base = balance(line18, line19, line20, withheld, paid);
    if (lines.balance == tax::Balance::toPay)
        return model::wording("%1: ต้องชำระเพิ่มเติม %2", {base, money(lines.line23)});
    return model::wording("%1: ไม่มีภาษีต้องชำระเพิ่มเติม", {base});
}

std::string lineTwentyFour(const tax::BalanceLines &lines, Currency line18, Currency line19, Currency line20,
                           Currency withheld, Currency paid)
{
    const std::string base = balance(line18, line19, line20, withheld, paid);
    if (lines.balance == tax::Balance::overpaid)
        return model::wording("%1: ชำระไว้เกิน %2", {base, money(lines.line24)});
    return model::wording("%1: ไม่มีภาษีชำระไว้เกิน", {base});
}

std::string ownLineTwentyEight(const tax::BalanceLines &lines)
{
    switch (lines.balance) {
    case tax::Balance::toPay: return model::wording("%1 ชำระเพิ่มเติม", {item(23, lines.line23)});
    case tax::Balance::overpaid: return model::wording("%1 ชำระไว้เกิน", {item(24, lines.line24)});
    case tax::Balance::settled: break;
    }
    return model::wording("ข้อ 23 และข้อ 24 เป็น 0: ไม่มีภาษีต้องชำระหรือชำระไว้เกิน");
}

std::string lineTwentyFive(const tax::SetOff &setOff, Currency a, Currency b, Currency c, Currency d)
{
    if (!setOff.line25)
        return model::wording("ไม่มีการหักกลบ: ไม่มีฝ่ายใดชำระไว้เกินขณะที่อีกฝ่ายต้องชำระเพิ่มเติม");
    if (setOff.row <= 3)
        return model::wording("ภาษีที่คู่สมรสชำระไว้เกิน %1 หักกลบกับภาษีที่ผู้มีเงินได้ต้องชำระเพิ่มเติม %2: หักกลบได้ %3",
                              {money(d), money(a), money(*setOff.line25)});
    return model::wording("ภาษีที่ผู้มีเงินได้ชำระไว้เกิน %1 หักกลบกับภาษีที่คู่สมรสต้องชำระเพิ่มเติม %2: หักกลบได้ %3",
                          {money(b), money(c), money(*setOff.line25)});
}

std::string lineTwentySix(const tax::SetOff &setOff, tax::Person who, Currency a, Currency b, Currency c, Currency d)
{
    const bool taxpayer = who == tax::Person::taxpayer;
    const Currency toPay = taxpayer ? a : c;
    const Currency overpaid = taxpayer ? b : d;
    const tax::Choices &chosen = taxpayer ? setOff.taxpayer : setOff.spouse;
    const Currency line26 = taxpayer ? setOff.taxpayerLine26 : setOff.spouseLine26;
    const std::string own = toPay != 0 ? item(23, toPay) : overpaid != 0 ? item(24, overpaid) : std::string();
    const std::string kind = kindOf(chosen.pay26, chosen.overpaid26);
    if (own.empty())
        return model::wording("ไม่มีภาษีต้องชำระหรือชำระไว้เกิน = %1", {money(line26)});
    if (setOff.line25)
        return model::wording("%1 - ข้อ 25 %2 = %3%4", {own, money(*setOff.line25), money(line26), kind});
    return model::wording("%1 ไม่มีการหักกลบ = %2%3", {own, money(line26), kind});
}

std::string lineTwentyEight(const tax::SetOff &setOff, tax::Person who, Currency line26)
{
    const tax::Choices &chosen = who == tax::Person::taxpayer ? setOff.taxpayer : setOff.spouse;
    return model::wording("%1 + ข้อ 27 %2 = %3%4",
                          {item(26, line26), money(0), money(line26), kindOf(chosen.pay28, chosen.overpaid28)});
}

std::string lineTwentySeven()
{
    return model::wording("เงินเพิ่มไม่ได้คำนวณในโปรแกรมนี้ = %1", {money(0)});
}

std::string setOffNotUsed()
{
    return model::wording("ใช้เฉพาะเมื่อคู่สมรสมีเงินได้แยกคำนวณภาษีและยื่นแบบฉบับเดียวกัน");
}

std::string refundAmount(const std::string &line28)
{
    const std::size_t first = line28.find_first_not_of(' ');
    return model::wording("จำนวนเงินที่ขอคืนตามข้อ 28 %1", {first == std::string::npos ? line28 : line28.substr(first)});
}

} // namespace model::reasons
