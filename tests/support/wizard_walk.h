// Walks the wizard window the way a keyboard user does, by control name:
// personal data, income, expenses and allowances up to the question panel.
// Every step checks that the focus is where the user expects it, so a walk
// also tests the focus flow. Keep a MessageCatcher alive while walking with
// amounts that bring up a message (a capped allowance, too many children).
#pragma once

#include "formsolve.h"
#include "marital_status.h"
#include "window_driver.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace walk {

struct Person {
    QString id;      // citizen identity number
    QString idtax;   // taxpayer identification number
    QString name;
    QString surname;
};

// Lines 1 to 3 as typed.
struct Income {
    QString salary = QStringLiteral("0");
    QString providentFund = QStringLiteral("0");
    QString severance = QStringLiteral("0");
};

// Lines 9 to 16 as typed.
struct Allowances {
    QString childrenFirstGroup = QStringLiteral("0");
    QString childrenSecondGroup = QStringLiteral("0");
    QString lifeInsurance = QStringLiteral("0");
    QString providentFund = QStringLiteral("0");
    QString housingLoanInterest = QStringLiteral("0");
    QString socialSecurity = QStringLiteral("0");
    QString donation = QStringLiteral("0");
};

struct Return {
    tax::MaritalStatus status = tax::MaritalStatus::single;
    Person taxpayer{QStringLiteral("1101700203450"), QStringLiteral("3101234565"),
                    QStringLiteral("นายสมชาย"), QStringLiteral("ใจดี")};
    Person spouse{QStringLiteral("3100600123450"), QStringLiteral("4209876541"),
                  QStringLiteral("นางสมศรี"), QStringLiteral("ใจดี")};
    Income taxpayerIncome{QStringLiteral("1000000")};
    Income spouseIncome{QStringLiteral("800000")};
    Allowances taxpayerAllowances;
    Allowances spouseAllowances;
};

inline const char *statusButton(tax::MaritalStatus status)
{
    static const char *const names[] = {"single", "widow", "married1", "married2", "married3", "married4", "married5"};
    return names[static_cast<int>(status)];
}

// The spouse is on the return's pages only when the tax is computed apart on
// the same return; under joint computation only the income of both is entered.
inline bool spouseEntersIncome(tax::MaritalStatus s)
{
    return s == tax::MaritalStatus::married3 || s == tax::MaritalStatus::married4;
}

inline bool spouseEntersAllowances(tax::MaritalStatus s)
{
    return s == tax::MaritalStatus::married4;
}

// Types text as a keyboard does, Thai letters included (QTest's own typing
// knows only ASCII).
inline void typeText(QWidget *control, const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(control, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Types into the field that has the focus, after checking it is `name` (once
// a message box has given the window the keyboard back).
inline void typeHere(const QString &name, const QString &text)
{
    QTRY_COMPARE(drive::focusName(), name);
    auto *field = qobject_cast<QLineEdit *>(drive::focus());
    QVERIFY(field);
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        typeText(field, text);
}

// Types into the focused field and presses Tab.
inline void typeAndTab(const QString &name, const QString &text)
{
    typeHere(name, text);
    if (QTest::currentTestFailed())
        return;
    drive::tab();
}

inline void clickOn(QWidget *control)
{
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
}

// Types the taxpayer's numbers and names from the identity number on (which has
// the focus when the window opens), chooses the status with the mouse, types
// the spouse's where the status shows them and presses Enter in the last name.
inline void personalData(TFormsolve &w, const Return &r)
{
    for (int person = 1; person <= 2; ++person) {
        if (person == 2) {
            clickOn(drive::control<QRadioButton>(&w, statusButton(r.status)));
            if (drive::control(&w, "Panel74")->isHidden())
                break;
            drive::control(&w, "id2")->setFocus(Qt::MouseFocusReason);
        }
        const Person &p = person == 1 ? r.taxpayer : r.spouse;
        const QString digit = QString::number(person);
        typeAndTab("id" + digit, p.id);
        if (!drive::control(&w, qPrintable("idtax" + digit))->isHidden())
            typeAndTab("idtax" + digit, p.idtax);
        typeAndTab("name" + digit, p.name);
        typeHere("surname" + digit, p.surname);
        if (QTest::currentTestFailed())
            return;
    }
    drive::enter();
}

// Tabs into the income page from the page itself, fills lines 1 to 3 of the
// persons on the page and presses Enter in the last field.
inline void income(TFormsolve &w, const Return &r)
{
    QCOMPARE(drive::focusName(), QStringLiteral("TabSheet1"));
    drive::tab();
    const bool withSpouse = spouseEntersIncome(r.status);
    typeAndTab("ch1m", r.taxpayerIncome.salary);
    typeAndTab("ch2m", r.taxpayerIncome.providentFund);
    if (withSpouse) {
        typeAndTab("ch3m", r.taxpayerIncome.severance);
        typeAndTab("ch1f", r.spouseIncome.salary);
        typeAndTab("ch2f", r.spouseIncome.providentFund);
        typeHere("ch3f", r.spouseIncome.severance);
    } else {
        typeHere("ch3m", r.taxpayerIncome.severance);
    }
    if (QTest::currentTestFailed())
        return;
    drive::enter();
    QCOMPARE(w.solve->currentWidget()->objectName(), QStringLiteral("TabSheet2"));
}

// Enter on the expenses page's first control presses its next button.
inline void expenses(TFormsolve &w)
{
    QCOMPARE(drive::focusName(), QStringLiteral("p1"));
    drive::enter();
    QCOMPARE(w.solve->currentWidget()->objectName(), QStringLiteral("TabSheet3"));
}

inline void allowancesOf(const Allowances &a, const QString &letter)
{
    typeAndTab("ch4" + letter, a.childrenFirstGroup);
    typeAndTab("ch5" + letter, a.childrenSecondGroup);
    const QString *amounts[] = {&a.lifeInsurance, &a.providentFund, &a.housingLoanInterest,
                                &a.socialSecurity, &a.donation};
    for (int row = 0; row < 5 && !QTest::currentTestFailed(); ++row) {
        QTRY_COMPARE(drive::focusName(), QStringLiteral("none%1").arg(row + 1) + letter);
        drive::tab();
        typeAndTab(QStringLiteral("ch%1").arg(row + 6) + letter, *amounts[row]);
    }
}

// Tabs from p3 through every allowance field of the persons on the page, up to
// the question panel, which then has the focus on "ใช่".
inline void allowances(TFormsolve &w, const Return &r)
{
    QCOMPARE(drive::focusName(), QStringLiteral("p3"));
    drive::tab();
    if (!drive::control(&w, "p4")->isHidden()) {
        QCOMPARE(drive::focusName(), QStringLiteral("p4"));
        drive::tab();
    }
    allowancesOf(r.taxpayerAllowances, QStringLiteral("m"));
    if (spouseEntersAllowances(r.status) && !QTest::currentTestFailed())
        allowancesOf(r.spouseAllowances, QStringLiteral("f"));
    QTRY_COMPARE(drive::focusName(), QStringLiteral("ok2"));
}

// The whole walk from the personal data area to the question panel.
inline void toQuestion(TFormsolve &w, const Return &r)
{
    personalData(w, r);
    if (!QTest::currentTestFailed())
        income(w, r);
    if (!QTest::currentTestFailed())
        expenses(w);
    if (!QTest::currentTestFailed())
        allowances(w, r);
}

// A return with figures on every line: a salary and a donation for the
// taxpayer, children, insurance and a one-time payment for the spouse.
inline Return sampleReturn(tax::MaritalStatus status)
{
    Return r;
    r.status = status;
    r.taxpayerIncome = {"1000000", "50000", "0"};
    r.taxpayerAllowances = {"1", "1", "15000", "5000", "10000", "9000", "50000"};
    r.spouseIncome = {"800000", "0", "20000"};
    r.spouseAllowances = {"0", "2", "8000", "12000", "0", "9000", "10000"};
    if (status == tax::MaritalStatus::married4)
        r.taxpayerAllowances.donation = "100000";
    return r;
}

// A person's credits on the tax computation page, typed from the certificate
// count on ("m" for the taxpayer, "f" for the spouse).
inline void typeCredits(const char *person, const QString &withheld, const QString &paid)
{
    typeAndTab(QStringLiteral("Edit") + (*person == 'm' ? "1" : "2"), QStringLiteral("1"));
    typeAndTab(QStringLiteral("ch16") + person, withheld);
    typeAndTab(QStringLiteral("ch17") + person, paid);
}

} // namespace walk
