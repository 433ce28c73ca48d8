// Building and handlers of the expenses page "ค่าใช้จ่าย".
#include "expenses_page.h"

#include "bevel_panel.h"
#include "money_text.h"
#include "page_context.h"
#include "page_rows.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <tuple>

namespace {

// Columns of the page's grid: line caption, person, amount, "บาท".
enum Column { lineColumn, personColumn, amountColumn, bahtColumn };

// A check box that only marks whose expense stands beside it: it stays ticked.
QCheckBox *markBox(QWidget *parent, const char *name, const QString &text)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(QLatin1StringView(name));
    box->setChecked(true);
    return box;
}

} // namespace

ExpensesPage::ExpensesPage(const ui::PageContext &context)
    : m_context(context)
{
    setObjectName("TabSheet2");

    ui::BevelPanel *panel = ui::blockPanel(this, "expenses");
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(16, 10, 16, 12);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    grid->setColumnMinimumWidth(lineColumn, 28);
    grid->setColumnStretch(bahtColumn + 1, 1);

    Label5 = ui::caption(panel, QStringLiteral("ค่าใช้จ่าย"), true);
    Label5->setObjectName("Label5");
    grid->addWidget(Label5, 0, lineColumn, 1, 4);

    // Line 5: the 40 % expense of each person.
    Label33 = ui::caption(panel, QStringLiteral("5."));
    Label33->setObjectName("Label33");
    Label8 = ui::caption(panel, QStringLiteral("(ร้อยละ 40 แต่ไม่เกิน 60,000 บาท)"));
    Label8->setObjectName("Label8");
    grid->addWidget(Label33, 1, lineColumn);
    grid->addWidget(Label8, 1, personColumn, 1, 3);
    p1 = markBox(panel, "p1", QStringLiteral("ผู้มีเงินได้"));
    total2m = ui::resultLabel(panel, QStringLiteral("total2m"));
    grid->addWidget(p1, 2, personColumn);
    grid->addWidget(total2m, 2, amountColumn);
    grid->addWidget(ui::bahtLabel(panel), 2, bahtColumn);
    p2 = markBox(panel, "p2", QStringLiteral("คู่สมรส"));
    Panel25 = new QWidget(panel);
    Panel25->setObjectName("Panel25");
    auto *spouseFive = new QHBoxLayout(Panel25);
    spouseFive->setContentsMargins(0, 0, 0, 0);
    spouseFive->setSpacing(grid->horizontalSpacing());
    total2f = ui::resultLabel(Panel25, QStringLiteral("total2f"));
    ui::addAmount(spouseFive, total2f, ui::bahtLabel(Panel25));
    grid->addWidget(p2, 3, personColumn);
    grid->addWidget(Panel25, 3, amountColumn, 1, 2);

    // Lines 6 and 7, each for the taxpayer and the spouse.
    const auto personRow = [&](int row, const QString &person, const char *personName,
                               const char *amountName, const char *bahtName) {
        QLabel *caption = ui::caption(panel, person);
        caption->setObjectName(QLatin1StringView(personName));
        QLabel *amount = ui::resultLabel(panel, QLatin1StringView(amountName));
        QLabel *baht = ui::bahtLabel(panel, QLatin1StringView(bahtName));
        grid->addWidget(caption, row, personColumn);
        grid->addWidget(amount, row, amountColumn);
        grid->addWidget(baht, row, bahtColumn);
        return std::tuple{caption, amount, baht};
    };
    const QString taxpayer = QStringLiteral("ผู้มีเงินได้ : ");
    const QString spouse = QStringLiteral("คู่สมรส : ");
    grid->addWidget(ui::caption(panel, QStringLiteral("6. รวมค่าใช้จ่าย")), 4, lineColumn, 1, 4);
    copyoftotal3m = std::get<1>(personRow(5, taxpayer, "", "copyoftotal3m", ""));
    std::tie(Label36, copyoftotal3f, Label160) = personRow(6, spouse, "Label36", "copyoftotal3f", "Label160");
    grid->addWidget(ui::caption(panel, QStringLiteral("7. เงินได้หลังหักค่าใช้จ่าย")), 7, lineColumn, 1, 4);
    total4m = std::get<1>(personRow(8, taxpayer, "", "total4m", ""));
    std::tie(Label39, total4f, Label161) = personRow(9, spouse, "Label39", "total4f", "Label161");

    Okbut2 = ui::nextButton(this, "Okbut2");

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(panel);
    ui::addBottomButton(layout, Okbut2);

    context.onClick(p1, [this] { p1Click(); });
    context.onClick(p2, [this] { p2Click(); });
    context.onClick(Okbut2, [this] { Okbut2Click(); });
    context.onExit(Okbut2, [this](QWidget *receiving) { Okbut2Exit(receiving); });
    context.setDefaultButton(this, Okbut2);
}

void ExpensesPage::enter()
{
    showTaxpayerLines(tax::leaveIncomePage(m_context.ledger(), m_context.maritalStatus()));
    m_context.openPage(this);
    p1->setFocus();
}

void ExpensesPage::p1Click() { p1->setChecked(true); }
void ExpensesPage::p2Click() { p2->setChecked(true); }

void ExpensesPage::Okbut2Click()
{
    emit nextRequested();
}

void ExpensesPage::Okbut2Exit(QWidget *receiving)
{
    // Tab from the button goes round to the page's first control; turning to
    // another page by its tab stays possible.
    if (m_context.isCurrentPage(this) && !m_context.isTurningPage(receiving))
        p1->setFocus();
}

void ExpensesPage::showTaxpayerLines(const tax::ExpenseLines &lines)
{
    total2m->setText(ui::moneyText(lines.line5));
    copyoftotal3m->setText(ui::moneyText(lines.line6));
    total4m->setText(ui::moneyText(lines.line7));
}

void ExpensesPage::showSpouseLines(const tax::IncomeLines &lines)
{
    total2f->setText(ui::moneyText(lines.line5));
    copyoftotal3f->setText(ui::moneyText(lines.line5));
    total4f->setText(ui::moneyText(lines.line7));
}
