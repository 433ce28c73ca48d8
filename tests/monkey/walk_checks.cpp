// The checks run after each step.
#include "walk_checks.h"

#include "entry_steps.h"
#include "formsolve.h"
#include "personal_data_area.h"
#include "severance_panel.h"
#include "user_actions.h"

#include <QApplication>
#include <QStringList>
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

bool ledgerAfterRefusal(const QWidget *field, tax::ReturnLedger &ledger)
{
    static const QStringList taxpayerIncome{QStringLiteral("ch1m"), QStringLiteral("ch2m"), QStringLiteral("ch3m")};
    static const QStringList spouseIncome{QStringLiteral("ch1f"), QStringLiteral("ch2f"), QStringLiteral("ch3f")};
    const QString name = field->objectName();
    try {
        if (taxpayerIncome.contains(name))
            tax::recomputeIncome(ledger, tax::Person::taxpayer);
        else if (spouseIncome.contains(name))
            tax::recomputeIncome(ledger, tax::Person::spouse);
    } catch (const tax::AmountError &) {
        return false;
    }
    return true;
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
