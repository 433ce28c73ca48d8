// The sources of the printed page's items, the spouse items each status
// leaves out, and the filling itself.
#include "page_filling.h"

#include "currency.h"
#include "money_text.h"
#include "printed_page.h"

#include <QAbstractButton>
#include <QByteArray>
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

// The two persons' columns. In a row's names '%' stands for the column's
// letter and '#' for the person's number, which the identity items carry.
struct Person {
    char letter;
    char number;
    bool spouse;
};

constexpr Person kTaxpayer{'m', '1', false};
constexpr Person kSpouse{'f', '2', true};

struct Source {
    const char *item;
    const char *control; // null where the item reads no control
    Way way;
    const char *payChoice = nullptr;      // line 28: "ชำระเพิ่มเติม"
    const char *overpaidChoice = nullptr; // line 28: "ชำระไว้เกิน"
    const char *spouseControl = nullptr;  // the spouse's control where the taxpayer's item reads none
};

// Each person's items in the order they are filled, the taxpayer's first.
constexpr std::array kSources{
    Source{"qid#", "id#", Way::text},
    Source{"qidtax#", "idtax#", Way::text},
    Source{"qname#", "name#", Way::text},
    Source{"qsurname#", "surname#", Way::text},
    Source{"qtotal%1", "total1%", Way::copy},
    Source{"qval%5", "ch4%", Way::typedMoney},
    Source{"qval%6", "ch5%", Way::typedMoney},
    Source{"qval%7", "ch6%", Way::typedMoney},
    Source{"qval%8", "ch7%", Way::typedMoney},
    Source{"qval%9", "ch8%", Way::typedMoney},
    Source{"qval%10", "ch9%", Way::typedMoney},
    Source{"qval%13", "ch10%", Way::typedMoney},
    Source{"qval%29", "ch16%", Way::money},
    Source{"ch1%", "ch1%", Way::money},
    Source{"ch2%", "ch2%", Way::money},
    Source{"ch3%", "ch3%", Way::money},
    Source{"dis1%", "dis1%", Way::copy},
    Source{"total5%", "total5%", Way::copy},
    Source{"total6%", "total6%", Way::copy},
    Source{"total19%", "total19%", Way::copy},
    Source{"total20%", "total20%", Way::copy},
    Source{"total21%", "total21%", Way::copy},
    Source{"total2%", "total2%", Way::copy},
    Source{"ctotal3%", "copyoftotal3%", Way::copy},
    Source{"total4%", "total4%", Way::copy},
    Source{"ch17%", "ch17%", Way::typedMoney},
    Source{"total22%", "total22%", Way::copy},
    Source{"total23%", "total23%", Way::copy},
    Source{"total24%", "total24%", Way::copy},
    Source{"total25%", "total25%", Way::copy},
    Source{"total26%", "total26%", Way::copy},
    Source{"qtotal%28", "total27%", Way::lineTotal, "choice3%", "choice4%"},
    // The spouse allowance stands where the allowances page offers it.
    Source{"q%30000", nullptr, Way::allowance, nullptr, nullptr, "p4"},
};

// A row's names for one person; a name the row lacks is empty.
struct Names {
    QByteArray item, control, payChoice, overpaidChoice;
};

QByteArray named(const char *pattern, const Person &who)
{
    QByteArray name(pattern ? pattern : "");
    return name.replace('%', who.letter).replace('#', who.number);
}

Names namesOf(const Source &source, const Person &who)
{
    const char *control = who.spouse && source.spouseControl ? source.spouseControl : source.control;
    return {named(source.item, who), named(control, who), named(source.payChoice, who),
            named(source.overpaidChoice, who)};
}

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

// Whether the wizard shows the control when its page or area is in front:
// hidden by itself or by a panel it lies on, it stands for no figure of the
// return. An area covered by another is hidden only while it is covered
// (the property "coveredByArea" says so) and still counts as shown.
bool shownOnItsPage(const QWidget &control)
{
    // A page behind its tab is hidden by the page control, not by the return.
    for (const QWidget *w = &control; w && !w->isWindow(); w = w->parentWidget()) {
        if (w != &control && qobject_cast<const QStackedWidget *>(w->parentWidget()))
            break;
        if (w->isHidden() && !w->property("coveredByArea").toBool())
            return false;
    }
    return true;
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

QString lineTotalText(const QWidget &wizard, const Names &names)
{
    const QString shown = textOf(wizard, names.control.constData());
    if (isChecked(wizard, names.payChoice.constData()))
        return shown;
    if (isChecked(wizard, names.overpaidChoice.constData()))
        return QStringLiteral("( ") + shown + QLatin1Char(')');
    return QStringLiteral("0.00");
}

QString itemText(const QWidget &wizard, Way way, const Names &names, const QHash<QString, tax::Currency> &amounts)
{
    switch (way) {
    case Way::copy:
    case Way::text: return textOf(wizard, names.control.constData());
    case Way::money: return ui::moneyText(amounts.value(QLatin1StringView(names.control)));
    case Way::typedMoney: return typedMoneyText(textOf(wizard, names.control.constData()));
    case Way::allowance: return QStringLiteral("30000.00");
    case Way::lineTotal: return lineTotalText(wizard, names);
    }
    return QString();
}

void fillPerson(const QWidget &wizard, PrintedPage &page, const QHash<QString, tax::Currency> &amounts,
                const Person &who, tax::MaritalStatus status)
{
    for (const Source &source : kSources) {
        const Names names = namesOf(source, who);
        PageItem &item = page.item(names.item.constData());
        const bool prints = !who.spouse ||
                            (!leftOut(status, names.item.constData()) &&
                             (names.control.isEmpty() || shownOnItsPage(control(wizard, names.control.constData()))));
        item.setText(prints ? itemText(wizard, source.way, names, amounts) : QString());
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
    fillPerson(wizard, page, amounts, kTaxpayer, status);
    fillPerson(wizard, page, amounts, kSpouse, status);
}

} // namespace report
