// Building and handlers of the income page "เงินได้พึงประเมิน".
#include "income_page.h"

#include "bevel_panel.h"
#include "money_text.h"
#include "page_context.h"
#include "page_rows.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace {

using tax::IncomeLine;
using tax::Person;
using Field = QLineEdit *IncomePage::*;
using Handler = void (IncomePage::*)();

// Lines 1 to 3, each a field per person with its caption and the text it
// starts with.
struct IncomeRow {
    IncomeLine line;
    Field taxpayer;
    Field spouse;
    Handler taxpayerExit;
    Handler spouseExit;
    const char *name; // object name without the person's letter
    const char *caption;
    const char *note; // second caption line, or empty
    const char *taxpayerText;
    const char *spouseText;
};

using P = IncomePage;

constexpr std::array kRows{
    IncomeRow{IncomeLine::salary, &P::ch1m, &P::ch1f, &P::ch1mExit, &P::ch1fExit, "ch1",
              "1. เงินเดือน ค่าจ้าง บำนาญ ภาษีที่นายจ้างออกให้ ฯลฯ", "", "1000000", "800000"},
    IncomeRow{IncomeLine::providentFund, &P::ch2m, &P::ch2f, &P::ch2mExit, &P::ch2fExit, "ch2",
              "2. เงินสะสมที่จ่ายเข้ากองทุนสำรองเลี้ยงชีพ ",
              "(เฉพาะส่วนที่เกิน 10,000 บาท แต่ไม่เกิน 290,000 บาท) หรือ กองทุน กบข.", "0", "0"},
    IncomeRow{IncomeLine::severancePay, &P::ch3m, &P::ch3f, &P::ch3mExit, &P::ch3fexit, "ch3",
              "3. เงินที่นายจ้างจ่ายให้ครั้งเดียวเพราะเหตุออกจากงาน",
              "(เฉพาะที่เลือกนำมารวมคำนวณภาษีกับเงินได้ตาม 1 )", "0", "0"},
};

const QString kEnterAnAmount = QStringLiteral("กรุณาใส่ตัวเลขจำนวนเงิน  !!!");
const QString kFiguresOnly = QStringLiteral("กรุณาใส่เฉพาะตัวเลข  !!!");

} // namespace

IncomePage::IncomePage(const ui::PageContext &context)
    : m_context(context)
{
    setObjectName("TabSheet1");
    Panel1 = buildPerson(Person::taxpayer);
    Panel17 = buildPerson(Person::spouse);

    Okbut1 = ui::nextButton(this, "Okbut1");

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    layout->addWidget(Panel1);
    layout->addWidget(Panel17);
    ui::addBottomButton(layout, Okbut1);

    context.onClick(Okbut1, [this] { Okbut1Click(); });
    context.onExit(Okbut1, [this](QWidget *receiving) { Okbut1Exit(receiving); });
    context.setDefaultButton(this, Okbut1);
}

ui::BevelPanel *IncomePage::buildPerson(Person who)
{
    const bool taxpayer = who == Person::taxpayer;
    ui::BevelPanel *panel = ui::blockPanel(this, taxpayer ? "Panel1" : "Panel17");
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(12, 6, 12, 8);
    layout->setSpacing(4);

    QLabel *heading = ui::caption(panel, taxpayer ? QStringLiteral("เงินได้พึงประเมิน : ผู้มีเงินได้")
                                                  : QStringLiteral("เงินได้พึงประเมิน : คู่สมรส"), true);
    heading->setObjectName(taxpayer ? "Label1" : "Label25");
    (taxpayer ? Label1 : Label25) = heading;
    layout->addWidget(heading);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    grid->setColumnStretch(0, 1);
    layout->addLayout(grid);
    const QString letter = taxpayer ? QStringLiteral("m") : QStringLiteral("f");
    int row = 0;
    for (const IncomeRow &r : kRows) {
        QLineEdit *field = ui::amountField(panel, QLatin1StringView(r.name) + letter,
                                           QString::fromUtf8(taxpayer ? r.taxpayerText : r.spouseText));
        this->*(taxpayer ? r.taxpayer : r.spouse) = field;
        grid->addWidget(ui::caption(panel, QString::fromUtf8(r.caption)), row, 0);
        grid->addWidget(field, row, 1);
        grid->addWidget(ui::bahtLabel(panel), row, 2);
        ++row;
        if (*r.note)
            grid->addWidget(ui::caption(panel, QStringLiteral("    ") + QString::fromUtf8(r.note)), row++, 0);
        const Handler handler = taxpayer ? r.taxpayerExit : r.spouseExit;
        m_context.onExit(field, [this, handler](QWidget *) { (this->*handler)(); });
    }
    QLabel *total = ui::resultLabel(panel, taxpayer ? QStringLiteral("total1m") : QStringLiteral("total1f"));
    (taxpayer ? total1m : total1f) = total;
    grid->addWidget(ui::caption(panel, QStringLiteral("4. รวมเงินได้พึงประเมิน : ")), row, 0);
    grid->addWidget(total, row, 1);
    grid->addWidget(ui::bahtLabel(panel), row, 2);
    return panel;
}

QLineEdit *IncomePage::fieldOf(Person who, IncomeLine line) const
{
    const IncomeRow &row = kRows[static_cast<std::size_t>(line)];
    return this->*(who == Person::taxpayer ? row.taxpayer : row.spouse);
}

void IncomePage::salaryExit(Person who)
{
    QLineEdit *field = fieldOf(who, IncomeLine::salary);
    tax::ReturnLedger &ledger = m_context.ledger();
    // An empty text, a text with any character but digits and the point, and
    // "0" itself all come to "0", which is refused.
    if (field->text().isEmpty() || !tax::CheckAmountText(ledger, ui::codePoints(field->text())))
        field->setText(QStringLiteral("0"));
    if (field->text() == QLatin1StringView("0")) {
        m_context.showMessage(kEnterAnAmount);
        m_context.refuse(field);
        showLines(who, tax::recomputeIncome(ledger, who));
        return;
    }
    showLines(who, tax::enterIncome(ledger, who, IncomeLine::salary, ui::amountOf(field->text())));
}

void IncomePage::amountExit(Person who, IncomeLine line)
{
    QLineEdit *field = fieldOf(who, line);
    tax::ReturnLedger &ledger = m_context.ledger();
    const QString text = field->text();
    if (text.isEmpty() || text == QLatin1StringView(" ")) {
        field->setText(QStringLiteral("0"));
        showLines(who, tax::enterIncome(ledger, who, line, 0));
        return;
    }
    if (!tax::CheckAmountText(ledger, ui::codePoints(text))) {
        m_context.showMessage(kFiguresOnly);
        m_context.refuse(field);
        showLines(who, tax::recomputeIncome(ledger, who));
        return;
    }
    showLines(who, tax::enterIncome(ledger, who, line, ui::amountOf(text)));
}

void IncomePage::showLines(Person who, const tax::IncomeLines &lines)
{
    if (who == Person::taxpayer) {
        total1m->setText(ui::moneyText(lines.line4));
        return;
    }
    // The spouse's expense lines show at once; the taxpayer's wait for the
    // next button, which may join them with the spouse's.
    total1f->setText(ui::moneyText(lines.line4));
    emit spouseLinesChanged(lines);
}

void IncomePage::ch1mExit() { salaryExit(Person::taxpayer); }
void IncomePage::ch1fExit() { salaryExit(Person::spouse); }
void IncomePage::ch2mExit() { amountExit(Person::taxpayer, IncomeLine::providentFund); }
void IncomePage::ch2fExit() { amountExit(Person::spouse, IncomeLine::providentFund); }
void IncomePage::ch3mExit() { amountExit(Person::taxpayer, IncomeLine::severancePay); }
void IncomePage::ch3fexit() { amountExit(Person::spouse, IncomeLine::severancePay); }

void IncomePage::Okbut1Click()
{
    emit nextRequested();
}

void IncomePage::Okbut1Exit(QWidget *receiving)
{
    // Tab from the button goes round to the page's first field; turning to
    // another page by its tab stays possible.
    if (m_context.isCurrentPage(this) && !m_context.isTurningPage(receiving))
        ch1m->setFocus();
}
