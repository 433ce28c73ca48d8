// The checks run after each step.
#include "walk_checks.h"

#include "model_walk.h"
#include "step_log.h"
#include "formsolve.h"
#include "personal_data_area.h"
#include "severance_panel.h"
#include "user_actions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QStringList>

#include <optional>
#include <QTabBar>

namespace monkey {

namespace {

QStringList g_exceptions;

template <std::size_t N>
QString arrayDifference(const char *what, const std::array<tax::Currency, N> &expected,
                        const std::array<tax::Currency, N> &actual)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (expected[i] != actual[i])
            return QStringLiteral("%1[%2] is %3, expected %4").arg(QLatin1StringView(what)).arg(i).arg(actual[i]).arg(expected[i]);
    }
    return {};
}

QString personDifference(const char *who, const tax::PersonFigures &expected, const tax::PersonFigures &actual)
{
    const QString prefix = QLatin1StringView(who);
    QString difference = arrayDifference((prefix + QStringLiteral(".totals")).toLatin1().constData(), expected.totals, actual.totals);
    if (difference.isEmpty())
        difference = arrayDifference((prefix + QStringLiteral(".entries")).toLatin1().constData(), expected.entries, actual.entries);
    if (!difference.isEmpty())
        return difference;
    if (expected.severanceSalary != actual.severanceSalary || expected.severanceYears != actual.severanceYears
        || expected.expenseYears != actual.expenseYears || expected.severanceFlag != actual.severanceFlag)
        return prefix + QStringLiteral(": a severance panel value changed");
    return {};
}

} // namespace

QString focusFault(TFormsolve &wizard)
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus || focus->window() != &wizard)
        return {};
    const QString name = nameOf(focus);
    if (!focus->isVisible())
        return QStringLiteral("the focus is on the hidden control %1").arg(name);
    if (!focus->isEnabled())
        return QStringLiteral("the focus is on the disabled control %1 (a covered area)").arg(name);
    for (QWidget *area : std::initializer_list<QWidget *>{wizard.first, wizard.solve, wizard.compute1}) {
        if (area->isAncestorOf(focus) && wizard.areas().isCovered(area))
            return QStringLiteral("the focus is on %1 in the covered area %2").arg(name, area->objectName());
    }
    QWidget *page = wizard.solve->currentWidget();
    if (wizard.solve->isAncestorOf(focus) && focus != wizard.solve->tabBar() && page && !page->isAncestorOf(focus)
        && focus != wizard.solve)
        return QStringLiteral("the focus is on %1, not on the page in front").arg(name);
    if (focus != &wizard && !isReachable(focus)) {
        const QWidget *over = wizard.childAt(aimAt(focus));
        return QStringLiteral("the focus is on %1, covered by %2").arg(name, nameOf(over));
    }
    return {};
}

QString ledgerDifference(const tax::ReturnLedger &expected, const tax::ReturnLedger &actual)
{
    QString difference = personDifference("taxpayer", expected.taxpayer, actual.taxpayer);
    if (difference.isEmpty())
        difference = personDifference("spouse", expected.spouse, actual.spouse);
    if (difference.isEmpty())
        difference = arrayDifference("common", expected.common, actual.common);
    if (difference.isEmpty() && expected.longestService != actual.longestService)
        difference = QStringLiteral("longestService changed");
    return difference;
}

namespace {

QString textOf(const QWidget *control)
{
    return control->property("text").toString();
}

bool isChecked(const TFormsolve &wizard, const char *name)
{
    return wizard.findChild<QAbstractButton *>(QLatin1StringView(name))->isChecked();
}

QString displayFault(const TFormsolve &wizard, const model::ReturnDisplay &expected)
{
    for (std::size_t i = 0; i < model::kShownCount; ++i) {
        const std::string_view name = model::nameOf(model::Shown(i));
        const QWidget *label = wizard.findChild<QWidget *>(QString::fromLatin1(name.data(), qsizetype(name.size())));
        const QString want = QString::fromStdString(expected.texts[i]);
        if (label && textOf(label) != want)
            return QStringLiteral("%1 shows '%2', the entries give '%3'").arg(label->objectName(), textOf(label), want);
    }
    for (std::size_t side = 0; side < 2; ++side) {
        const char *person = side == 0 ? "m" : "f";
        const tax::Choices &c = expected.choices[side];
        const bool checked[]{c.pay26, c.overpaid26, c.pay28, c.overpaid28};
        for (int i = 0; i < 4; ++i) {
            const QByteArray name = "choice" + QByteArray::number(i + 1) + person;
            if (isChecked(wizard, name.constData()) != checked[i])
                return QStringLiteral("%1 is %2checked, the entries give otherwise").arg(QLatin1StringView(name), checked[i] ? "not " : "");
        }
        const bool half = expected.rates[side] == tax::FirstPartRate::perYear3500;
        if (isChecked(wizard, side == 0 ? "computecheck4" : "computecheck8") != half)
            return QStringLiteral("the severance rate of line 10 is not the one chosen");
        // Whether the salary is enabled within its panel, which is itself
        // disabled while covered.
        const QWidget *salary = wizard.findChild<QWidget *>(side == 0 ? "com1m" : "com1f");
        const bool enabled = salary->isEnabledTo(wizard.compute1);
        if (enabled == expected.lineEightDisabled[side])
            return QStringLiteral("line 8 of the severance panel is %1abled").arg(enabled ? "en" : "dis");
        const QWidget *block = wizard.findChild<QWidget *>(side == 0 ? "Panel84" : "panel85");
        if (block->isHidden() == expected.refundBlocks[side])
            return QStringLiteral("a refund block is %1").arg(block->isHidden() ? "hidden" : "shown");
    }
    return {};
}

// The other field a field's handler reads: the children's two groups, and
// lines 21 and 22.
std::optional<model::Field> readWith(model::Field field)
{
    using model::Field;
    using tax::Person;
    for (Person who : {Person::taxpayer, Person::spouse}) {
        for (const auto &[a, b] : {std::pair{Field::ch4m, Field::ch5m}, std::pair{Field::ch16m, Field::ch17m}}) {
            if (field == of(a, who))
                return of(b, who);
            if (field == of(b, who))
                return of(a, who);
        }
    }
    return std::nullopt;
}

} // namespace

QString returnFault(TFormsolve &wizard)
{
    const model::ReturnModel &shown = wizard.returnModel();
    const model::ReturnModel fresh(shown.entries());
    if (!(fresh.ledger() == shown.ledger()))
        return QStringLiteral("the ledger is not what a forward pass over the entries gives");
    const QString display = displayFault(wizard, fresh.display());
    if (!display.isEmpty())
        return display;

    // A field whose text differs from the one the return holds must hold a
    // text the return refuses; only the field being typed in may be ahead,
    // and the one its handler reads with it.
    model::ReturnEntries typed = shown.entries();
    std::optional<model::Field> focused;
    for (std::size_t i = 0; i < model::kFieldCount; ++i) {
        const std::string_view name = model::nameOf(model::Field(i));
        const auto *edit = wizard.findChild<QLineEdit *>(QString::fromLatin1(name.data(), qsizetype(name.size())));
        if (edit && edit == wizard.focusWidget())
            focused = model::Field(i);
        else if (edit)
            typed.texts[i] = edit->text().toStdString();
    }
    for (std::size_t i = 0; i < model::kFieldCount; ++i) {
        const model::Field field = model::Field(i);
        const std::string_view name = model::nameOf(field);
        const QWidget *edit = wizard.findChild<QLineEdit *>(QString::fromLatin1(name.data(), qsizetype(name.size())));
        if (!edit || field == focused || (focused && readWith(field) == focused)
            || typed.texts[i] == shown.entries().texts[i])
            continue;
        model::ReturnModel tried = shown;
        if (modelwalk::leave(tried, field, typed).taken())
            return QStringLiteral("%1 holds '%2', which the return takes, but the return counts '%3'")
                .arg(edit->objectName(), printable(QString::fromStdString(typed.texts[i])),
                     printable(QString::fromStdString(shown.entries().texts[i])));
    }
    return {};
}

bool isRefusal(const QString &message)
{
    static const QStringList refusals{
        QStringLiteral("กรุณาใส่ตัวเลขจำนวนเงิน  !!!"),
        QStringLiteral("กรุณาใส่เฉพาะตัวเลข  !!!"),
        QStringLiteral("กรุณากรอกข้อมูลให้ครบ !!!"),
        QStringLiteral("กรุณาใส่บัตรประจำตัวประชาชนให้ถูกต้อง !!!"),
        QStringLiteral("กรุณาใส่เลขประจำตัวผู้เสียภาษีให้ถูกต้อง !!!"),
        QStringLiteral("กรุณาทำการควณภาษีให้เสร็จก่อน  !!!"),
        QStringLiteral("กรุณาทำการคำวณให้ครบ!!!"),
    };
    return refusals.contains(message);
}

bool isExpectedErrorReport(const QString &text)
{
    return (text.startsWith(QLatin1Char('\'')) && text.endsWith(QStringLiteral("' is not a valid floating point value")))
        || text == QLatin1StringView("Invalid floating point operation");
}

QStringList takeEscapedExceptions()
{
    QStringList taken;
    taken.swap(g_exceptions);
    return taken;
}

void recordEscapedException(const QString &what)
{
    g_exceptions << what;
}

} // namespace monkey
