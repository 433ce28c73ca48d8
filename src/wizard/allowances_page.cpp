// Building and handlers of the allowances page "ค่าลดหย่อน".
#include "allowances_page.h"

#include "bevel_panel.h"
#include "fonts.h"
#include "money_text.h"
#include "page_context.h"
#include "page_rows.h"
#include "question_panel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <array>

namespace {

using tax::Person;
using P = AllowancesPage;
using Field = QLineEdit *AllowancesPage::*;
using Handler = void (AllowancesPage::*)();
using Line = QLabel *AllowancesPage::*;

constexpr int kTitleWidth = 72;  // the column of the title panels
constexpr int kCountWidth = 30;  // a receipt count or a number of children
constexpr int kCopiesWidth = 30; // "ฉบับ)"
constexpr int kSpacing = 4;
constexpr int kFieldHeight = 22;

// Lines 10 to 13 and 16: an amount with the count of receipts attached.
struct ReceiptRow {
    Field taxpayerCount, spouseCount;
    Field taxpayer, spouse;
    Handler taxpayerExit, spouseExit;
    const char *countName; // object names without the person's letter
    const char *name;
    const char *caption;
    const char *note; // a second caption line that holds the count and amount, or empty
};

constexpr std::array kReceiptRows{
    ReceiptRow{&P::none1m, &P::none1f, &P::ch6m, &P::ch6f, &P::ch6mExit, &P::ch6fExit, "none1", "ch6",
               "10. เบี้ยประกันชีวิต (ตามใบเสร็จ/สำเนาใบเสร็จที่แนบ", ""},
    ReceiptRow{&P::none2m, &P::none2f, &P::ch7m, &P::ch7f, &P::ch7mExit, &P::ch7fExit, "none2", "ch7",
               "11. เงินสะสม ที่จ่ายเข้ากองทุนสำรองเลี้ยงชีพ (ตามหลักฐาน/สำเนาหลักฐานที่แนบ", ""},
    ReceiptRow{&P::none3m, &P::none3f, &P::ch8m, &P::ch8f, &P::ch8mExit, &P::ch8fExit, "none3", "ch8",
               "12. ดอกเบี้ยเงินกู้ยืม เพื่อซื้อ เช่าซื้อ หรือสร้างอาคารฯ",
               "(ตามหนังสือรับรองฯ และภาพถ่ายทะเบียนบ้านที่กู้ที่แนบ"},
    ReceiptRow{&P::none4m, &P::none4f, &P::ch9m, &P::ch9f, &P::ch9mExit, &P::ch9fExit, "none4", "ch9",
               "13. เงินสมทบ ที่ผู้ประกันตนจ่ายเข้ากองทุนประกันสังคม (ตามหลักฐาน/สำเนาฐานที่แนบ", ""},
    ReceiptRow{&P::none5m, &P::none5f, &P::ch10m, &P::ch10f, &P::ch10mExit, &P::ch10fExit, "none5", "ch10",
               "16. เงินบริจาค (ตามใบเสร็จ/สำเนาใบเสร็จที่แนบ", ""},
};
constexpr std::size_t kRowsBeforeTotals = 4; // lines 14 and 15 stand between 13 and 16

// The two groups of line 9.
struct ChildrenGroup {
    Field taxpayer, spouse;
    const char *name;
    const char *caption;
    const char *note;
};

constexpr std::array kChildrenGroups{
    ChildrenGroup{&P::ch4m, &P::ch4f, "ch4", "9. บุตรคนละ 15,000 หรือ 7,500 จำนวน",
                  "(กรณีแยกคำนวณภาษีให้หักคนละ 7,500 บาท)"},
    ChildrenGroup{&P::ch5m, &P::ch5f, "ch5", "บุตรคนละ 17,000 หรือ 8,500 จำนวน",
                  "(กรณีแยกคำนวณภาษีให้หักคนละ 8,500 บาท)"},
};

QString personName(const char *name, Person who)
{
    return QLatin1StringView(name) + (who == Person::taxpayer ? QLatin1Char('m') : QLatin1Char('f'));
}

ui::BevelPanel *titlePanel(QWidget *parent, const QString &title)
{
    auto *panel = new ui::BevelPanel(parent);
    panel->setBevels(ui::BevelPanel::Bevel::raised, ui::BevelPanel::Bevel::none);
    panel->setCaption(title);
    panel->setFont(ui::dialogFont(11, true));
    panel->setFixedSize(kTitleWidth, 24);
    return panel;
}

QHBoxLayout *newRow(QVBoxLayout *rows)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(kSpacing);
    rows->addLayout(row);
    return row;
}

// The end of an amount row: the receipt count with "ฉบับ)" (or their room),
// the amount and "บาท", so that the amounts of the page stand in one column.
void endRow(QHBoxLayout *row, QWidget *parent, QLineEdit *count, QWidget *amount)
{
    if (count) {
        row->addWidget(count);
        auto *copies = ui::caption(parent, QStringLiteral("ฉบับ)"));
        copies->setFixedWidth(kCopiesWidth);
        row->addWidget(copies);
    } else {
        row->addSpacing(kCountWidth + kSpacing + kCopiesWidth);
    }
    ui::addAmount(row, amount, ui::bahtLabel(parent));
}

QLineEdit *countField(QWidget *parent, const QString &name)
{
    // Two digits or blanks, as many as the receipts attached.
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setInputMask(QStringLiteral("00; "));
    field->setMaxLength(2);
    field->setText(QString());
    field->setFixedWidth(kCountWidth);
    return field;
}

} // namespace

AllowancesPage::AllowancesPage(const ui::PageContext &context)
    : m_context(context)
{
    setObjectName("TabSheet3");
    Panel5 = buildPerson(Person::taxpayer);
    Panel29 = buildPerson(Person::spouse);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(Panel5);
    layout->addWidget(Panel29);
    layout->addStretch(1);
    // Every field of the page one height, so that both persons' rows match.
    for (QLineEdit *field : findChildren<QLineEdit *>())
        field->setFixedHeight(kFieldHeight);

    context.onClick(p3, [this] { p3Click(); });
    context.onClick(p4, [this] { p4Click(); });
    context.onExit(p3, [this](QWidget *receiving) { p3Exit(receiving); });
    context.onExit(p4, [this](QWidget *receiving) { p4Exit(receiving); });
    // Children of either group are counted by one handler per person.
    context.onExit(ch4m, [this](QWidget *) { ch4mExit(); });
    context.onExit(ch5m, [this](QWidget *) { ch4mExit(); });
    context.onExit(ch4f, [this](QWidget *) { ch4fExit(); });
    context.onExit(ch5f, [this](QWidget *) { ch4fExit(); });
    for (const ReceiptRow &r : kReceiptRows) {
        for (auto [field, handler] : {std::pair{r.taxpayer, r.taxpayerExit}, std::pair{r.spouse, r.spouseExit}})
            context.onExit(this->*field, [this, handler](QWidget *) { (this->*handler)(); });
    }
}

ui::BevelPanel *AllowancesPage::buildPerson(Person who)
{
    const bool taxpayer = who == Person::taxpayer;
    ui::BevelPanel *panel = ui::blockPanel(this, taxpayer ? "Panel5" : "Panel29");
    auto *rows = new QVBoxLayout(panel);
    rows->setContentsMargins(6, 4, 6, 4);
    rows->setSpacing(2);

    if (taxpayer)
        buildLineEight(rows, panel);
    buildChildren(rows, panel, who);

    // Lines 10 to 16 share their place with the question panel, which lies
    // under them until the last field is left.
    auto *covered = new QHBoxLayout;
    covered->setSpacing(kSpacing);
    covered->addSpacing(kTitleWidth);
    QWidget *receipts = buildReceiptRows(panel, who);
    if (taxpayer) {
        auto *place = new QGridLayout;
        place->setContentsMargins(0, 0, 0, 0);
        place->addWidget(receipts, 0, 0);
        Panel82 = new QuestionPanel(m_context, m_questionStack, panel);
        place->addWidget(Panel82, 0, 0);
        m_questionStack.add(Panel82);
        m_questionStack.add(receipts);
        covered->addLayout(place);
    } else {
        covered->addWidget(receipts);
    }
    rows->addLayout(covered);

    QHBoxLayout *lineSeventeen = newRow(rows);
    lineSeventeen->addSpacing(kTitleWidth);
    lineSeventeen->addWidget(ui::caption(panel, QStringLiteral("17. เงินได้สุทธิ")), 1);
    QLabel *net = ui::resultLabel(panel, personName("total6", who));
    (taxpayer ? total6m : total6f) = net;
    endRow(lineSeventeen, panel, nullptr, net);
    return panel;
}

void AllowancesPage::buildLineEight(QVBoxLayout *rows, QWidget *panel)
{
    QHBoxLayout *row = newRow(rows);
    Panel6 = titlePanel(panel, QStringLiteral("ค่าลดหย่อน"));
    Panel6->setObjectName("Panel6");
    row->addWidget(Panel6);
    row->addWidget(ui::caption(panel, QStringLiteral("8. ")));
    p3 = new QCheckBox(QStringLiteral("ผู้มีเงินได้ (30,000 บาท)"), panel);
    p3->setObjectName("p3");
    p4 = new QCheckBox(QStringLiteral("คู่สมรส (30,000 บาท กรณีไม่มีเงินได้หรือรวมคำนวณภาษี)"), panel);
    p4->setObjectName("p4");
    for (QCheckBox *box : {p3, p4}) {
        box->setChecked(true);
        row->addWidget(box);
        row->addSpacing(12);
    }
    row->addStretch(1);
}

void AllowancesPage::buildChildren(QVBoxLayout *rows, QWidget *panel, Person who)
{
    auto *line = new QHBoxLayout;
    line->setSpacing(kSpacing);
    line->addWidget(titlePanel(panel, who == Person::taxpayer ? QStringLiteral("ผู้มีเงินได้")
                                                              : QStringLiteral("คู่สมรส")),
                    0, Qt::AlignTop);
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(kSpacing);
    grid->setVerticalSpacing(0);
    int column = 0;
    for (const ChildrenGroup &g : kChildrenGroups) {
        auto *field = ui::amountField(panel, personName(g.name, who), QStringLiteral("0"));
        field->setFixedWidth(kCountWidth + 10);
        this->*(who == Person::taxpayer ? g.taxpayer : g.spouse) = field;
        grid->addWidget(ui::caption(panel, QString::fromUtf8(g.caption)), 0, column);
        grid->addWidget(field, 0, column + 1);
        grid->addWidget(ui::caption(panel, QStringLiteral("คน")), 0, column + 2);
        grid->addWidget(ui::caption(panel, QStringLiteral("   ") + QString::fromUtf8(g.note)), 1, column, 1, 3);
        grid->setColumnMinimumWidth(column + 3, 24);
        column += 4;
    }
    grid->setColumnStretch(column, 1);
    line->addLayout(grid, 1);
    rows->addLayout(line);
}

QWidget *AllowancesPage::buildReceiptRows(QWidget *panel, Person who)
{
    const bool taxpayer = who == Person::taxpayer;
    auto *area = new QWidget(panel);
    area->setObjectName(taxpayer ? "receiptsm" : "receiptsf");
    auto *rows = new QVBoxLayout(area);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(2);
    for (std::size_t i = 0; i < kReceiptRows.size(); ++i) {
        const ReceiptRow &r = kReceiptRows[i];
        if (i == kRowsBeforeTotals) {
            // Lines 14 and 15 side by side, line 15 in the amount column.
            QHBoxLayout *totals = newRow(rows);
            QLabel *allowances = ui::resultLabel(area, personName("dis1", who));
            QLabel *remainder = ui::resultLabel(area, personName("total5", who));
            (taxpayer ? dis1m : dis1f) = allowances;
            (taxpayer ? total5m : total5f) = remainder;
            totals->addWidget(ui::caption(area, QStringLiteral("14. รวมค่าลดหย่อน")));
            ui::addAmount(totals, allowances, ui::bahtLabel(area));
            totals->addSpacing(12);
            totals->addWidget(ui::caption(area, QStringLiteral("15. คงเหลือเงินได้ก่อนหักลดหย่อนเงินบริจาค")), 1,
                              Qt::AlignRight);
            ui::addAmount(totals, remainder, ui::bahtLabel(area));
        }
        QHBoxLayout *row = newRow(rows);
        row->addWidget(ui::caption(area, QString::fromUtf8(r.caption)), 1);
        if (*r.note) {
            row->addSpacing(kCountWidth + kCopiesWidth + ui::kAmountWidth + ui::kBahtWidth + 4 * kSpacing);
            row = newRow(rows);
            row->addWidget(ui::caption(area, QStringLiteral("      ") + QString::fromUtf8(r.note)), 1);
        }
        QLineEdit *count = countField(area, personName(r.countName, who));
        QLineEdit *amount = ui::amountField(area, personName(r.name, who), QStringLiteral("0"));
        this->*(taxpayer ? r.taxpayerCount : r.spouseCount) = count;
        this->*(taxpayer ? r.taxpayer : r.spouse) = amount;
        endRow(row, area, count, amount);
    }
    return area;
}

void AllowancesPage::enter()
{
    m_context.openPage(this);
    p3->setFocus();
    const tax::AllowanceStart start = tax::startAllowances(m_context.ledger(), m_context.maritalStatus());
    showLines(Person::taxpayer, start.taxpayer);
    showLines(Person::spouse, start.spouse);
}

void AllowancesPage::p3Click() { p3->setChecked(true); }
void AllowancesPage::p4Click() { p4->setChecked(true); }

bool AllowancesPage::isLeavingPage(QWidget *receiving) const
{
    return !m_context.isCurrentPage(this) || m_context.isTurningPage(receiving);
}

void AllowancesPage::p3Exit(QWidget *receiving)
{
    if (m_context.maritalStatus() == tax::MaritalStatus::widow && !isLeavingPage(receiving))
        ch4m->setFocus();
}

void AllowancesPage::p4Exit(QWidget *receiving)
{
    if (!isLeavingPage(receiving))
        ch4m->setFocus();
}

void AllowancesPage::showLines(Person who, const tax::AllowanceLines &lines)
{
    const bool taxpayer = who == Person::taxpayer;
    (taxpayer ? total5m : total5f)->setText(ui::moneyText(lines.line15));
    (taxpayer ? dis1m : dis1f)->setText(ui::moneyText(lines.line14));
}

void AllowancesPage::childrenExit(Person who)
{
    const bool taxpayer = who == Person::taxpayer;
    tax::ReturnLedger &ledger = m_context.ledger();
    // The first group stays stored even when the second field fails to convert.
    tax::enterChildrenFirstGroup(ledger, who, ui::amountOf((taxpayer ? ch4m : ch4f)->text()));
    const tax::AllowanceLines lines = tax::enterChildren(ledger, who, m_context.maritalStatus(),
                                                         ui::amountOf((taxpayer ? ch5m : ch5f)->text()));
    if (lines.notice == tax::AllowanceNotice::childrenOverLimit)
        m_context.showMessage(QStringLiteral("จำนวนบุตรรวมกันเกิน 3 คน จะนำมาคิดแค่ 3 คนเท่านั้น"));
    showLines(who, lines);
}

void AllowancesPage::cappedItemExit(Person who, tax::CappedItem item)
{
    const ReceiptRow &row = kReceiptRows[static_cast<std::size_t>(item)];
    QLineEdit *field = this->*(who == Person::taxpayer ? row.taxpayer : row.spouse);
    const tax::AllowanceLines lines = tax::enterCappedItem(m_context.ledger(), who, m_context.maritalStatus(), item,
                                                           ui::amountOf(field->text()));
    if (lines.notice == tax::AllowanceNotice::amountOverLimit)
        m_context.showMessage(QStringLiteral("จำนวนเงินที่ท่านใส่จะนำมาคำนวณเพียง 10,000 บาท เท่านั้น!!!"));
    showLines(who, lines);
}

void AllowancesPage::socialSecurityExit(Person who)
{
    QLineEdit *field = who == Person::taxpayer ? ch9m : ch9f;
    showLines(who, tax::enterSocialSecurity(m_context.ledger(), who, m_context.maritalStatus(), ui::amountOf(field->text())));
}

void AllowancesPage::donationExit(Person who)
{
    const bool taxpayer = who == Person::taxpayer;
    const tax::Currency net = tax::enterDonation(m_context.ledger(), who, ui::amountOf((taxpayer ? ch10m : ch10f)->text()));
    (taxpayer ? total6m : total6f)->setText(ui::moneyText(net));
}

void AllowancesPage::ch4mExit() { childrenExit(Person::taxpayer); }
void AllowancesPage::ch4fExit() { childrenExit(Person::spouse); }
void AllowancesPage::ch6mExit() { cappedItemExit(Person::taxpayer, tax::CappedItem::lifeInsurance); }
void AllowancesPage::ch6fExit() { cappedItemExit(Person::spouse, tax::CappedItem::lifeInsurance); }
void AllowancesPage::ch7mExit() { cappedItemExit(Person::taxpayer, tax::CappedItem::providentFund); }
void AllowancesPage::ch7fExit() { cappedItemExit(Person::spouse, tax::CappedItem::providentFund); }
void AllowancesPage::ch8mExit() { cappedItemExit(Person::taxpayer, tax::CappedItem::housingLoanInterest); }
void AllowancesPage::ch8fExit() { cappedItemExit(Person::spouse, tax::CappedItem::housingLoanInterest); }
void AllowancesPage::ch9mExit() { socialSecurityExit(Person::taxpayer); }
void AllowancesPage::ch9fExit() { socialSecurityExit(Person::spouse); }

void AllowancesPage::ch10mExit()
{
    donationExit(Person::taxpayer);
    if (!Panel29->isHidden())
        ch4f->setFocus();
    else
        Panel82->ask();
}

void AllowancesPage::ch10fExit()
{
    donationExit(Person::spouse);
    Panel82->ask();
}
