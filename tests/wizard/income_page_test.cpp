// The income and expenses pages: lines 1 to 7 of both persons, the refusals
// of the amount fields, the joint lines and the focus that stays on a page.
#include "expenses_page.h"
#include "fonts.h"
#include "formsolve.h"
#include "income_page.h"
#include "message_catcher.h"
#include "personal_data_area.h"
#include "screenshot.h"
#include "wizard_walk.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(tax::MaritalStatus)

namespace {

using tax::MaritalStatus;

const QString kEnterAnAmount = QStringLiteral("กรุณาใส่ตัวเลขจำนวนเงิน  !!!");
const QString kFiguresOnly = QStringLiteral("กรุณาใส่เฉพาะตัวเลข  !!!");

std::unique_ptr<TFormsolve> onIncomePage(MaritalStatus status = MaritalStatus::single)
{
    auto w = std::make_unique<TFormsolve>(nullptr, nullptr);
    if (!drive::showAndActivate(w.get()))
        return nullptr;
    w->N1Click();
    walk::clickOn(drive::control(w.get(), walk::statusButton(status)));
    w->first->ok1->click();
    return w;
}

// Types into a field as a user who clicked it, and leaves it with Shift+Tab
// (Tab from the page's last field would reach the next button, which sends
// the focus round to the first field whatever is clicked next).
void leave(QLineEdit *field, const QString &text)
{
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    walk::typeText(field, text);
    QTest::keyClick(field, Qt::Key_Backtab);
}

QString text(TFormsolve &w, const char *label)
{
    return drive::control<QLabel>(&w, label)->text();
}

} // namespace

class IncomePageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutions(); }

    void linesFourToSevenFromTheIncome_data()
    {
        QTest::addColumn<QString>("salary");
        QTest::addColumn<QString>("providentFund");
        QTest::addColumn<QString>("severance");
        QTest::addColumn<QString>("line4");
        QTest::addColumn<QString>("line5");
        QTest::addColumn<QString>("line7");
        QTest::newRow("expense capped at 60,000") << "1000000" << "50000" << "0" << "  950,000.00" << "   60,000.00" << "  890,000.00";
        QTest::newRow("forty percent below the cap") << "120000" << "0" << "0" << "  120,000.00" << "   48,000.00" << "   72,000.00";
        QTest::newRow("exactly at the cap") << "150000" << "" << " " << "  150,000.00" << "   60,000.00" << "   90,000.00";
        QTest::newRow("satang above the cap") << "150000.01" << "0" << "0" << "  150,000.01" << "   60,000.00" << "   90,000.01";
        QTest::newRow("severance added to the income") << "100000" << "0" << "50000" << "  150,000.00" << "   60,000.00" << "   90,000.00";
        QTest::newRow("provident fund above the income") << "100" << "300" << "0" << "     -200.00" << "      -80.00" << "     -120.00";
        QTest::newRow("double zero is a salary of nothing") << "00" << "0" << "0" << "        0.00" << "        0.00" << "        0.00";
    }

    void linesFourToSevenFromTheIncome()
    {
        QFETCH(QString, salary);
        QFETCH(QString, providentFund);
        QFETCH(QString, severance);
        MessageCatcher messages;
        auto w = onIncomePage();
        QVERIFY(w);
        drive::tab();
        walk::typeAndTab("ch1m", salary);
        walk::typeAndTab("ch2m", providentFund);
        walk::typeAndTab("ch3m", severance);
        QCOMPARE(drive::focusName(), QStringLiteral("Okbut1"));
        QTEST(text(*w, "total1m"), "line4");
        drive::enter();
        QCOMPARE(w->solve->currentWidget(), w->TabSheet2);
        QCOMPARE(drive::focusName(), QStringLiteral("p1"));
        QTEST(text(*w, "total1m"), "line4");
        QTEST(text(*w, "total2m"), "line5");
        QTEST(text(*w, "copyoftotal3m"), "line5");
        QTEST(text(*w, "total4m"), "line7");
        QCOMPARE(messages.texts, QStringList());
    }

    void badTextsKeepWhatWasStored_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kind"); // "message": refused, focus back; "errorReport": handler stopped
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("textAfter");
        const QString message = QStringLiteral("message");
        const QString report = QStringLiteral("errorReport");
        QTest::newRow("empty salary") << "ch1m" << "" << message << kEnterAnAmount << "0";
        QTest::newRow("salary of zero") << "ch1m" << "0" << message << kEnterAnAmount << "0";
        QTest::newRow("salary with a thousands comma") << "ch1m" << "1,000" << message << kEnterAnAmount << "0";
        QTest::newRow("negative salary") << "ch1m" << "-5" << message << kEnterAnAmount << "0";
        QTest::newRow("salary in Thai digits") << "ch1m" << "๑๐๐" << message << kEnterAnAmount << "0";
        QTest::newRow("spouse salary empty") << "ch1f" << "" << message << kEnterAnAmount << "0";
        QTest::newRow("provident fund with a thousands comma") << "ch2m" << "1,000" << message << kFiguresOnly << "1,000";
        QTest::newRow("provident fund with a blank inside") << "ch2m" << "1 000" << message << kFiguresOnly << "1 000";
        QTest::newRow("provident fund of two blanks") << "ch2m" << "  " << message << kFiguresOnly << "  ";
        QTest::newRow("severance with letters") << "ch3m" << "abc" << message << kFiguresOnly << "abc";
        QTest::newRow("spouse severance negative") << "ch3f" << "-1" << message << kFiguresOnly << "-1";
        QTest::newRow("salary of 1.2.3") << "ch1m" << "1.2.3" << report << "'1.2.3' is not a valid floating point value" << "1.2.3";
        QTest::newRow("provident fund of two points") << "ch2m" << "5..0" << report << "'5..0' is not a valid floating point value" << "5..0";
        QTest::newRow("salary too large for an amount") << "ch1m" << "99999999999999999999" << report << "Invalid floating point operation" << "99999999999999999999";
        QTest::newRow("spouse severance of a lone point") << "ch3f" << "." << report << "'.' is not a valid floating point value" << ".";
    }

    void badTextsKeepWhatWasStored()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, kind);
        QFETCH(QString, shown);
        QFETCH(QString, textAfter);
        MessageCatcher messages;
        auto w = onIncomePage(MaritalStatus::married4);
        QVERIFY(w);
        auto *edit = drive::control<QLineEdit>(w.get(), qPrintable(field));
        const bool taxpayer = field.endsWith('m');
        leave(edit, "200000");
        edit->setFocus(Qt::MouseFocusReason); // runs the handler of the field left before
        QCOMPARE(messages.texts, QStringList());
        const QStringList labels = taxpayer ? QStringList{"total1m"} : QStringList{"total1f", "total2f", "total4f"};
        QStringList shownBefore;
        for (const QString &label : labels)
            shownBefore << text(*w, qPrintable(label));
        const tax::PersonFigures before = taxpayer ? w->ledger().taxpayer : w->ledger().spouse;

        leave(edit, typed);
        QCOMPARE(messages.texts, QStringList{shown});
        QCOMPARE(messages.kinds, QStringList{kind});
        QCOMPARE(edit->text(), textAfter);
        const tax::PersonFigures &after = taxpayer ? w->ledger().taxpayer : w->ledger().spouse;
        QCOMPARE(after.entries, before.entries);
        QCOMPARE(after.totals, before.totals);
        for (int i = 0; i < labels.size(); ++i)
            QCOMPARE(text(*w, qPrintable(labels[i])), shownBefore[i]);
        if (kind == QLatin1StringView("errorReport"))
            return;
        // A refused field keeps the focus, and each try to leave it brings the
        // message back.
        QTRY_COMPARE(drive::focus(), static_cast<QWidget *>(edit));
        QTest::keyClick(edit, Qt::Key_Backtab);
        QCOMPARE(messages.texts.size(), 2);
        QTRY_COMPARE(drive::focus(), static_cast<QWidget *>(edit));
    }

    void emptyOrBlankDeductionBecomesZeroWithoutAMessage_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty provident fund") << "ch2m" << "";
        QTest::newRow("one blank in provident fund") << "ch2m" << " ";
        QTest::newRow("one blank in severance") << "ch3m" << " ";
        QTest::newRow("empty spouse provident fund") << "ch2f" << "";
    }

    void emptyOrBlankDeductionBecomesZeroWithoutAMessage()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        MessageCatcher messages;
        auto w = onIncomePage(MaritalStatus::married4);
        QVERIFY(w);
        auto *edit = drive::control<QLineEdit>(w.get(), qPrintable(field));
        leave(edit, "5000");
        leave(edit, typed);
        QCOMPARE(messages.texts, QStringList());
        QCOMPARE(edit->text(), QStringLiteral("0"));
        const tax::PersonFigures &person = field.endsWith('m') ? w->ledger().taxpayer : w->ledger().spouse;
        QCOMPARE(person.entries[field.startsWith("ch2") ? tax::entry::line2 : tax::entry::line3], 0);
    }

    void jointComputationShowsBothPersonsInLinesSixAndSeven()
    {
        MessageCatcher messages;
        auto w = onIncomePage(MaritalStatus::married3);
        QVERIFY(w);
        leave(w->TabSheet1->ch1m, "100000");
        leave(w->TabSheet1->ch1f, "200000");
        QTest::mouseClick(w->TabSheet1->Okbut1, Qt::LeftButton);
        QCOMPARE(w->solve->currentWidget(), w->TabSheet2);
        QCOMPARE(w->ledger().taxpayer.totals[tax::total::line5], tax::baht(100'000));
        QCOMPARE(text(*w, "total2m"), QStringLiteral("   40,000.00"));
        QCOMPARE(text(*w, "copyoftotal3m"), QStringLiteral("  100,000.00"));
        QCOMPARE(text(*w, "total4m"), QStringLiteral("  200,000.00"));
        QCOMPARE(text(*w, "total2f"), QStringLiteral("   60,000.00"));
        QVERIFY(w->TabSheet2->copyoftotal3f->isHidden());
        QVERIFY(w->TabSheet2->total4f->isHidden());
        QVERIFY(!w->TabSheet2->p2->isHidden());
        saveScreenshot(w.get(), "expenses-married3");

        // Back on the income page a salary that cannot be read leaves the
        // lines as they were; pressing next again must not add the spouse twice.
        QTabBar *bar = w->solve->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
        QCOMPARE(drive::focusName(), QStringLiteral("ch1m"));
        walk::typeHere("ch1m", "1.2.3");
        QTest::mouseClick(w->TabSheet1->Okbut1, Qt::LeftButton);
        QCOMPARE(messages.kinds, QStringList{"errorReport"});
        QCOMPARE(w->solve->currentWidget(), w->TabSheet1);
        QTest::qWait(20);
        QTest::mouseClick(w->TabSheet1->Okbut1, Qt::LeftButton);
        QCOMPARE(w->solve->currentWidget(), w->TabSheet2);
        QCOMPARE(text(*w, "total2m"), QStringLiteral("   40,000.00"));
        QCOMPARE(text(*w, "copyoftotal3m"), QStringLiteral("  100,000.00"));
        QCOMPARE(text(*w, "total4m"), QStringLiteral("  200,000.00"));
        QCOMPARE(w->ledger().taxpayer.totals[tax::total::line7], tax::baht(200'000));
    }

    void spouseLinesShowAsSoonAsTheFieldIsLeft()
    {
        auto w = onIncomePage(MaritalStatus::married4);
        QVERIFY(w);
        // From the salary the field starts with, before any field is left.
        QCOMPARE(text(*w, "total2f"), QStringLiteral("   60,000.00"));
        leave(w->TabSheet1->ch1f, "120000");
        QCOMPARE(text(*w, "total1f"), QStringLiteral("  120,000.00"));
        QCOMPARE(text(*w, "total2f"), QStringLiteral("   48,000.00"));
        QCOMPARE(text(*w, "copyoftotal3f"), QStringLiteral("   48,000.00"));
        QCOMPARE(text(*w, "total4f"), QStringLiteral("   72,000.00"));
        QVERIFY2(text(*w, "total2m").isEmpty(), "the taxpayer's wait for the next button");
        QVERIFY(!w->TabSheet2->copyoftotal3f->isHidden());
    }

    void tabCyclesWithinEachPage_data()
    {
        QTest::addColumn<MaritalStatus>("status");
        QTest::addColumn<QStringList>("incomeOrder");
        QTest::addColumn<QStringList>("expensesOrder");
        QTest::newRow("single") << MaritalStatus::single << QStringList{"ch1m", "ch2m", "ch3m", "Okbut1", "ch1m"}
                                << QStringList{"p1", "Okbut2", "p1"};
        QTest::newRow("separate on the same return") << MaritalStatus::married4
            << QStringList{"ch1m", "ch2m", "ch3m", "ch1f", "ch2f", "ch3f", "Okbut1", "ch1m"}
            << QStringList{"p1", "p2", "Okbut2", "p1"};
    }

    void tabCyclesWithinEachPage()
    {
        QFETCH(MaritalStatus, status);
        QFETCH(QStringList, incomeOrder);
        QFETCH(QStringList, expensesOrder);
        MessageCatcher messages;
        auto w = onIncomePage(status);
        QVERIFY(w);
        QCOMPARE(drive::focusName(), QStringLiteral("TabSheet1"));
        for (const QString &name : incomeOrder) {
            drive::tab();
            QCOMPARE(drive::focusName(), name);
        }
        drive::enter(); // in ch1m: its handler, then the next button
        QCOMPARE(w->solve->currentWidget(), w->TabSheet2);
        QCOMPARE(drive::focusName(), expensesOrder.first());
        for (const QString &name : expensesOrder.mid(1)) {
            drive::tab();
            QCOMPARE(drive::focusName(), name);
        }
        QCOMPARE(messages.texts, QStringList());
    }

    void theTabsStayUsableFromTheNextButtons()
    {
        auto w = onIncomePage();
        QVERIFY(w);
        w->TabSheet1->Okbut1->click();
        QTabBar *bar = w->solve->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
        w->TabSheet1->Okbut1->setFocus();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        QCOMPARE(w->solve->currentWidget(), w->TabSheet2);
        QCOMPARE(drive::focusName(), QStringLiteral("p1"));
    }

    void markBoxesCannotBeUnticked()
    {
        auto w = onIncomePage(MaritalStatus::married4);
        QVERIFY(w);
        w->TabSheet1->Okbut1->click();
        for (QCheckBox *box : {w->TabSheet2->p1, w->TabSheet2->p2}) {
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
            QVERIFY(box->isChecked());
            QTest::keyClick(box, Qt::Key_Space);
            QVERIFY(box->isChecked());
        }
        saveScreenshot(w.get(), "expenses-married4");
    }
};

QTEST_MAIN(IncomePageTest)
#include "income_page_test.moc"
