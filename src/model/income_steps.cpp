// Lines 1 to 7: the income fields and the income page's next button.
#include "return_steps.h"

#include "amount_text.h"
#include "entry_steps.h"
#include "line_reasons.h"
#include "wording.h"

namespace model::steps {

namespace {

using tax::Person;

// The text as code points, for the amount-text check; a byte that is no
// UTF-8 counts as a character the check refuses.
std::u32string codePoints(std::string_view utf8)
{
    std::u32string points;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > utf8.size()) {
            points.push_back(U'\uFFFD');
            ++i;
            continue;
        }
        char32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k)
            point = (point << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        points.push_back(point);
        i += length;
    }
    return points;
}

tax::IncomeLine lineOf(Field taxpayerField)
{
    return taxpayerField == Field::ch2m ? tax::IncomeLine::providentFund : tax::IncomeLine::severancePay;
}

// The taxpayer's expense lines wait for the next button, which may join them
// with the spouse's; the spouse's show at once.
void showIncome(Pass &pass, Person who, const tax::IncomeLines &lines)
{
    const tax::PersonFigures &p = tax::figures(pass.ledger, who);
    pass.show(of(Shown::total1m, who), lines.line4, reasons::lineFour(p));
    if (who == Person::taxpayer)
        return;
    pass.show(Shown::total2f, lines.line5, reasons::lineFive(lines.line4, lines.line5));
    pass.show(Shown::copyoftotal3f, lines.line5, reasons::lineSix(lines.line5, nullptr, lines.line5));
    pass.show(Shown::total4f, lines.line7, reasons::lineSeven(lines.line4, lines.line5, lines.line7, nullptr, lines.line7));
}

} // namespace

void salary(Pass &pass, Person who)
{
    const Field field = of(Field::ch1m, who);
    // An empty text, a text with any character but digits and the point, and
    // "0" itself all come to "0", which is refused.
    const bool unreadable = pass.text(field).empty() || !tax::CheckAmountText(pass.ledger, codePoints(pass.text(field)));
    if (unreadable)
        pass.write(field, "0");
    if (unreadable || pass.text(field) == "0") {
        pass.message(model::wording("กรุณาใส่ตัวเลขจำนวนเงิน  !!!"));
        pass.refuse();
        showIncome(pass, who, tax::recomputeIncome(pass.ledger, who));
        return;
    }
    showIncome(pass, who, tax::enterIncome(pass.ledger, who, tax::IncomeLine::salary, pass.amount(field)));
}

void incomeAmount(Pass &pass, Person who, Field taxpayerField)
{
    const Field field = of(taxpayerField, who);
    const std::string &text = pass.text(field);
    if (text.empty() || text == " ") {
        pass.write(field, "0");
        showIncome(pass, who, tax::enterIncome(pass.ledger, who, lineOf(taxpayerField), 0));
        return;
    }
    if (!tax::CheckAmountText(pass.ledger, codePoints(text))) {
        pass.message(model::wording("กรุณาใส่เฉพาะตัวเลข  !!!"));
        pass.refuse();
        showIncome(pass, who, tax::recomputeIncome(pass.ledger, who));
        return;
    }
    showIncome(pass, who, tax::enterIncome(pass.ledger, who, lineOf(taxpayerField), pass.amount(field)));
}

void leaveIncomePage(Pass &pass)
{
    const tax::ExpenseLines lines = tax::leaveIncomePage(pass.ledger, pass.status());
    const tax::Currency line4 = pass.ledger.taxpayer.totals[tax::total::line4];
    const tax::PersonFigures *joint = pass.status() == tax::MaritalStatus::married3 ? &pass.ledger.spouse : nullptr;
    pass.show(Shown::total2m, lines.line5, reasons::lineFive(line4, lines.line5));
    pass.show(Shown::copyoftotal3m, lines.line6, reasons::lineSix(lines.line5, joint, lines.line6));
    pass.show(Shown::total4m, lines.line7,
              reasons::lineSeven(line4, lines.line6, line4 - lines.line5, joint, lines.line7));
}

} // namespace model::steps
