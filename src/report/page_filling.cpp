// The sources of the printed page's items, the spouse items each status
// leaves out, and the filling itself.
#include "page_filling.h"

#include "currency.h"
#include "money_text.h"
#include "printed_page.h"

#include <QAbstractButton>
#include <QHash>
#include <QStackedWidget>
#include <QWidget>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace report {

namespace {

enum class Way {
    copy,       // a result label's text as shown
    money,      // an entered amount in the money format
    text,       // an entry's text as typed
    typedMoney, // an entered amount in the money format, or the text as typed if it is none
    allowance,  // the personal or spouse allowance, a fixed amount
    lineTotal,  // line 28: to pay as shown, overpaid in parentheses, else nothing due
};

struct Source {
    const char *item;
    const char *control;
    Way way;
    const char *payChoice = nullptr;      // line 28: "ชำระเพิ่มเติม"
    const char *overpaidChoice = nullptr; // line 28: "ชำระไว้เกิน"
};

// One person's items in the order they are filled.
constexpr std::array kTaxpayerSources{
    Source{"qid1", "id1", Way::text},
    Source{"qidtax1", "idtax1", Way::text},
    Source{"qname1", "name1", Way::text},
    Source{"qsurname1", "surname1", Way::text},
    Source{"qtotalm1", "total1m", Way::copy},
    Source{"qvalm5", "ch4m", Way::typedMoney},
    Source{"qvalm6", "ch5m", Way::typedMoney},
    Source{"qvalm7", "ch6m", Way::typedMoney},
    Source{"qvalm8", "ch7m", Way::typedMoney},
    Source{"qvalm9", "ch8m", Way::typedMoney},
    Source{"qvalm10", "ch9m", Way::typedMoney},
    Source{"qvalm13", "ch10m", Way::typedMoney},
    Source{"qvalm29", "ch16m", Way::money},
    Source{"ch1m", "ch1m", Way::money},
    Source{"ch2m", "ch2m", Way::money},
    Source{"ch3m", "ch3m", Way::money},
    Source{"dis1m", "dis1m", Way::copy},
    Source{"total5m", "total5m", Way::copy},
    Source{"total6m", "total6m", Way::copy},
    Source{"total19m", "total19m", Way::copy},
    Source{"total20m", "total20m", Way::copy},
    Source{"total21m", "total21m", Way::copy},
    Source{"total2m", "total2m", Way::copy},
    Source{"ctotal3m", "copyoftotal3m", Way::copy},
    Source{"total4m", "total4m", Way::copy},
    Source{"ch17m", "ch17m", Way::typedMoney},
    Source{"total22m", "total22m", Way::copy},
    Source{"total23m", "total23m", Way::copy},
    Source{"total24m", "total24m", Way::copy},
    Source{"total25m", "total25m", Way::copy},
    Source{"total26m", "total26m", Way::copy},
    Source{"qtotalm28", "total27m", Way::lineTotal, "choice3m", "choice4m"},
    Source{"qm30000", nullptr, Way::allowance},
};

constexpr std::array kSpouseSources{
    Source{"qid2", "id2", Way::text},
    Source{"qidtax2", "idtax2", Way::text},
    Source{"qname2", "name2", Way::text},
    Source{"qsurname2", "surname2", Way::text},
    Source{"qtotalf1", "total1f", Way::copy},
    Source{"qvalf5", "ch4f", Way::typedMoney},
    Source{"qvalf6", "ch5f", Way::typedMoney},
    Source{"qvalf7", "ch6f", Way::typedMoney},
    Source{"qvalf8", "ch7f", Way::typedMoney},
    Source{"qvalf9", "ch8f", Way::typedMoney},
    Source{"qvalf10", "ch9f", Way::typedMoney},
    Source{"qvalf13", "ch10f", Way::typedMoney},
    Source{"qvalf29", "ch16f", Way::money},
    Source{"ch1f", "ch1f", Way::money},
    Source{"ch2f", "ch2f", Way::money},
    Source{"ch3f", "ch3f", Way::money},
    Source{"dis1f", "dis1f", Way::copy},
    Source{"total5f", "total5f", Way::copy},
    Source{"total6f", "total6f", Way::copy},
    Source{"total19f", "total19f", Way::copy},
    Source{"total20f", "total20f", Way::copy},
    Source{"total21f", "total21f", Way::copy},
    Source{"total2f", "total2f", Way::copy},
    Source{"ctotal3f", "copyoftotal3f", Way::copy},
    Source{"total4f", "total4f", Way::copy},
    Source{"ch17f", "ch17f", Way::typedMoney},
    Source{"total22f", "total22f", Way::copy},
    Source{"total23f", "total23f", Way::copy},
    Source{"total24f", "total24f", Way::copy},
    Source{"total25f", "total25f", Way::copy},
    Source{"total26f", "total26f", Way::copy},
    Source{"qtotalf28", "total27f", Way::lineTotal, "choice3f", "choice4f"},
    // The spouse allowance stands where the allowances page offers it.
    Source{"qf30000", "p4", Way::allowance},
};

// The entered amounts, converted before anything is written.
constexpr std::array kConvertedFirst{"ch16m", "ch16f", "ch1m", "ch2m", "ch3m", "ch1f", "ch2f", "ch3f"};

// The spouse's figures, which only a return computed apart on the same form
// carries, and the spouse's identity, which only a return with a spouse carries.
constexpr std::array kSpouseFigures{"qtotalf1", "qvalf5", "qvalf6", "qvalf7", "qvalf8",
                                    "qvalf9", "qvalf10", "qvalf13", "qvalf29", "qtotalf28"};
constexpr std::array kSpouseIdentity{"qid2", "qidtax2", "qname2", "qsurname2"};

template <std::size_t N>
bool contains(const std::array<const char *, N> &names, const char *name)
{
    return std::any_of(names.begin(), names.end(), [name](const char *n) { return qstrcmp(n, name) == 0; });
}

// The spouse items each status leaves out of the return.
bool leftOut(tax::MaritalStatus status, const char *item)
{
    using tax::MaritalStatus;
    if (status == MaritalStatus::married4)
        return false;
    if (contains(kSpouseFigures, item))
        return true;
    if (status == MaritalStatus::single || status == MaritalStatus::widow)
        return contains(kSpouseIdentity, item);
    if (status == MaritalStatus::married1)
        return qstrcmp(item, "qidtax2") == 0; // a spouse without income has no tax number
    return false;
}

const QWidget &control(const QWidget &wizard, const char *name)
{
    const QWidget *found = wizard.findChild<const QWidget *>(QLatin1StringView(name));
    if (!found)
        throw std::logic_error(std::string("the wizard has no control ") + name);
    return *found;
}

QString textOf(const QWidget &wizard, const char *name)
{
    return control(wizard, name).property("text").toString();
}

bool isChecked(const QWidget &wizard, const char *name)
{
    return control(wizard, name).property("checked").toBool();
}

// Whether the wizard shows the control when its page is in front: hidden by
// itself or by a panel it lies on, it stands for no figure of the return.
bool shownOnItsPage(const QWidget &control)
{
    const QWidget *page = &control;
    while (page->parentWidget() && !page->isWindow() &&
           !qobject_cast<const QStackedWidget *>(page->parentWidget()))
        page = page->parentWidget();
    return page == &control ? !control.isHidden() : control.isVisibleTo(page);
}

// An amount typed as "2" or "10.50" prints as "2.00" or "10.50"; a text that
// is no amount prints as it was typed.
QString typedMoneyText(const QString &typed)
{
    try {
        return ui::moneyText(ui::amountOf(typed)).trimmed();
    } catch (const tax::AmountError &) {
        return typed;
    }
}

QString lineTotalText(const QWidget &wizard, const Source &source)
{
    const QString shown = textOf(wizard, source.control);
    if (isChecked(wizard, source.payChoice))
        return shown;
    if (isChecked(wizard, source.overpaidChoice))
        return QStringLiteral("( ") + shown + QLatin1Char(')');
    return QStringLiteral("0.00");
}

QString itemText(const QWidget &wizard, const Source &source, const QHash<QString, tax::Currency> &amounts)
{
    switch (source.way) {
    case Way::copy:
    case Way::text: return textOf(wizard, source.control);
    case Way::money: return ui::moneyText(amounts.value(QLatin1StringView(source.control)));
    case Way::typedMoney: return typedMoneyText(textOf(wizard, source.control));
    case Way::allowance: return QStringLiteral("30000.00");
    case Way::lineTotal: return lineTotalText(wizard, source);
    }
    return QString();
}

template <std::size_t N>
void fillPerson(const QWidget &wizard, PrintedPage &page, const std::array<Source, N> &sources,
                const QHash<QString, tax::Currency> &amounts, bool spouse, tax::MaritalStatus status)
{
    for (const Source &source : sources) {
        PageItem &item = page.item(source.item);
        const bool prints = !spouse || (!leftOut(status, source.item) &&
                                        (!source.control || shownOnItsPage(control(wizard, source.control))));
        item.setText(prints ? itemText(wizard, source, amounts) : QString());
    }
}

} // namespace

tax::MaritalStatus statusShownBy(const QWidget &wizard)
{
    using tax::MaritalStatus;
    constexpr std::array buttons{
        std::pair{"widow", MaritalStatus::widow},       std::pair{"married1", MaritalStatus::married1},
        std::pair{"married2", MaritalStatus::married2}, std::pair{"married3", MaritalStatus::married3},
        std::pair{"married4", MaritalStatus::married4}, std::pair{"married5", MaritalStatus::married5},
    };
    for (const auto &[name, status] : buttons) {
        const auto *button = wizard.findChild<const QAbstractButton *>(QLatin1StringView(name));
        if (button && button->isChecked())
            return status;
    }
    return MaritalStatus::single;
}

void fillPage(const QWidget &wizard, PrintedPage &page)
{
    QHash<QString, tax::Currency> amounts;
    for (const char *name : kConvertedFirst)
        amounts.insert(QLatin1StringView(name), ui::amountOf(textOf(wizard, name)));

    const tax::MaritalStatus status = statusShownBy(wizard);
    fillPerson(wizard, page, kTaxpayerSources, amounts, false, status);
    fillPerson(wizard, page, kSpouseSources, amounts, true, status);
}

} // namespace report
