// The tax computation page: its opening from the attachment page, the
// credits of each person and the set-off between them as the labels and radio
// buttons show them, the focus, and what a user sees.
#include "fonts.h"
#include "question_panel.h"
#include "allowances_page.h"
#include "screenshot.h"
#include "sheet_layout.h"
#include "tax_wizard.h"

#include <QLineEdit>

#include <map>

using tax::MaritalStatus;

Q_DECLARE_METATYPE(EarlierLines)

namespace {

using Labels = std::map<QString, QString>; // label -> text shown

const QString kZero = QStringLiteral("        0.00");

QString amount(const char *shown)
{
    return QString::fromLatin1(shown).rightJustified(12);
}

void expectLabels(const TaxWizard &t, const Labels &expected)
{
    for (const auto &[name, shown] : expected)
        QVERIFY2(t.text(qPrintable(name)) == shown, qPrintable(name + ": '" + t.text(qPrintable(name)) + "'"));
}

} // namespace

class TaxComputationPageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutions(); }

    void answerNoThenEnterOpensThePageWithLines18To28()
    {
        TaxWizard t;
        QVERIFY(t.start(MaritalStatus::married4));
        t.enterIncome(MaritalStatus::married4, {100'000}, {20'000});
        AllowancesPage &allowances = *t.w->TabSheet3;
        t.w->openPage(&allowances);
        allowances.Panel82->ask();
        QTest::mouseClick(allowances.Panel82->can2, Qt::LeftButton);
        QCOMPARE(drive::focusName(), QString("BitBtn6"));
        drive::enter();
        QCOMPARE(t.w->solve->currentWidget(), static_cast<QWidget *>(&t.page()));
        QVERIFY(t.w->solve->isTabShown(&t.page()));
        QCOMPARE(drive::focusName(), QString("Edit1"));
        // Without the attachment, lines 19 and 20 stay 0; the lines after
        // them show at once what credits of 0 leave.
        expectLabels(t, {{"total19m", amount("5,000.00")}, {"total20m", kZero}, {"total21m", kZero},
                         {"total19f", amount("1,000.00")}, {"total20f", kZero}, {"total21f", kZero},
                         {"total22m", amount("5,000.00")}, {"total27m", amount("5,000.00")}});
        QCOMPARE(t.w->ledger().taxpayer.totals[tax::total::line18], tax::baht(5'000));
        QCOMPARE(t.messages.texts, QStringList());
    }

    void creditsGiveLines23To28_data()
    {
        QTest::addColumn<MaritalStatus>("status");
        QTest::addColumn<EarlierLines>("taxpayer");
        QTest::addColumn<EarlierLines>("spouse");
        QTest::addColumn<QStringList>("credits"); // ch16m, ch17m, ch16f, ch17f
        QTest::addColumn<Labels>("labels");
        QTest::addColumn<QStringList>("checked");

        QTest::newRow("single pays 2,000.00")
            << MaritalStatus::single << EarlierLines{100'000} << EarlierLines{} << QStringList{"3000", "0"}
            << Labels{{"total19m", amount("5,000.00")}, {"total22m", amount("2,000.00")}, {"total23m", kZero},
                      {"total24m", "0.00"}, {"total25m", "0"}, {"total27m", amount("2,000.00")}}
            << QStringList{"choice3m"};
        QTest::newRow("single settled keeps line 28 at 0")
            << MaritalStatus::single << EarlierLines{100'000} << EarlierLines{} << QStringList{"5000", "0"}
            << Labels{{"total22m", kZero}, {"total23m", kZero}, {"total27m", "0"}} << QStringList{};
        QTest::newRow("married4: the spouse's 400.00 overpaid set off")
            << MaritalStatus::married4 << EarlierLines{20'000} << EarlierLines{} << QStringList{"0", "0", "400", "0"}
            << Labels{{"total22m", amount("1,000.00")}, {"total23f", amount("400.00")},
                      {"total24m", amount("400.00")}, {"total24f", amount("400.00")},
                      {"total25m", amount("600.00")}, {"total27m", amount("600.00")},
                      {"total25f", kZero}, {"total27f", kZero}}
            << QStringList{"choice1m", "choice3m"};
        QTest::newRow("married4: equal amounts cancel out")
            << MaritalStatus::married4 << EarlierLines{20'000} << EarlierLines{} << QStringList{"0", "0", "1000", "0"}
            << Labels{{"total24m", amount("1,000.00")}, {"total24f", amount("1,000.00")}, {"total25m", kZero},
                      {"total27m", kZero}, {"total25f", kZero}, {"total27f", kZero}}
            << QStringList{};
        QTest::newRow("married3: the joint attachment lines set off")
            << MaritalStatus::married3 << EarlierLines{100'000, 1'500, 0} << EarlierLines{0, 0, 2'000}
            << QStringList{"0", "0"}
            << Labels{{"total20m", kZero}, {"total21m", amount("500.00")}, {"total22m", amount("4,500.00")},
                      {"total27m", amount("4,500.00")}, {"Label124", "6. ภาษีส่วนที่ต้องชำระเพิ่มเติม"}}
            << QStringList{"choice3m"};
    }

    void creditsGiveLines23To28()
    {
        QFETCH(MaritalStatus, status);
        QFETCH(EarlierLines, taxpayer);
        QFETCH(EarlierLines, spouse);
        QFETCH(QStringList, credits);
        QFETCH(Labels, labels);
        QFETCH(QStringList, checked);
        TaxWizard t;
        QVERIFY(t.open(status, taxpayer, spouse));
        t.credits("m", credits[0], credits[1]);
        if (status == MaritalStatus::married4) {
            QCOMPARE(drive::focusName(), QString("Edit2"));
            t.credits("f", credits[2], credits[3]);
        }
        expectLabels(t, labels);
        QCOMPARE(t.checkedChoices(), checked);
        QCOMPARE(t.messages.texts, QStringList());
        // The set-off and the spouse's column belong to a return computed apart.
        const bool apart = status == MaritalStatus::married4;
        QCOMPARE(t.page().Panel48->isVisible(), apart);
        for (QWidget *control : std::initializer_list<QWidget *>{t.page().Label69, t.page().Label70, t.page().total25m,
                                                                t.page().choice1m, t.page().choice2m})
            QVERIFY2(control->isVisible() && control->isEnabled() == apart, qPrintable(control->objectName()));
    }

    void leavingTheTaxpayersLine22AgainKeepsTheSetOff()
    {
        TaxWizard t;
        QVERIFY(t.open(MaritalStatus::married4, {20'000}));
        t.credits("m", "0", "0");
        t.credits("f", "400", "0");
        QCOMPARE(t.checkedChoices(), QStringList({"choice1m", "choice3m"}));
        t.page().ch17m->setFocus();
        drive::tab();
        QCOMPARE(drive::focusName(), QString("Edit2"));
        // The spouse's 400.00 overpaid is still set off against the 1,000.00.
        expectLabels(t, {{"total22m", amount("1,000.00")}, {"total23f", amount("400.00")}, {"total24m", amount("400.00")},
                         {"total24f", amount("400.00")}, {"total25m", amount("600.00")}, {"total27m", amount("600.00")},
                         {"total27f", kZero}});
        QCOMPARE(t.checkedChoices(), QStringList({"choice1m", "choice3m"}));
        QCOMPARE(t.w->ledger().spouse.totals[tax::total::line24], tax::baht(400));
    }

    // Under separate computation leaving the taxpayer's line 22 sends the
    // focus to the spouse's receipt count; a click on the next button from
    // there does not skip the spouse's lines.
    void aClickOnNextFromTheTaxpayersLine22StopsAtTheSpouse()
    {
        TaxWizard t;
        QVERIFY(t.open(MaritalStatus::married4, {20'000}));
        t.credits("m", "0", "0");
        t.credits("f", "400", "0");
        drive::typeInto(t.page().ch16m, QStringLiteral("1500"));
        t.page().ch17m->setFocus();
        QTest::mouseClick(t.page().lastbit, Qt::LeftButton);
        QCOMPARE(drive::focusName(), QString("Edit2"));
        QCOMPARE(t.w->solve->currentWidget(), static_cast<QWidget *>(t.w->TabSheet5));
        // From the spouse's fields the click goes through.
        QTest::qWait(20);
        QTest::mouseClick(t.page().lastbit, Qt::LeftButton);
        QCOMPARE(t.w->solve->currentWidget(), static_cast<QWidget *>(t.w->TabSheet6));
    }

    void spousesLine22LeftAgainShowsOnlyTheNewRow()
    {
        TaxWizard t;
        QVERIFY(t.open(MaritalStatus::married4, {20'000}));
        t.credits("m", "0", "0");
        t.credits("f", "1500", "0");
        expectLabels(t, {{"total24m", amount("1,000.00")}, {"total27f", amount("500.00")}});
        QCOMPARE(t.checkedChoices(), QStringList({"choice2f", "choice4f"}));
        // The spouse now owes nothing and is owed nothing: no set-off.
        t.page().Edit2->setFocus();
        walk::typeAndTab("Edit2", "1");
        walk::typeAndTab("ch16f", "0");
        walk::typeAndTab("ch17f", "0");
        expectLabels(t, {{"total24m", "0.00"}, {"total24f", "0.00"}, {"total27m", amount("1,000.00")},
                         {"total27f", kZero}});
        QCOMPARE(t.checkedChoices(), QStringList({"choice1m", "choice3m"}));
    }

    void aCreditThatIsNotANumberIsReported_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<Labels>("labels");
        QTest::addColumn<QStringList>("checked");
        // Neither person's text is taken: the return shows what it gave.
        const Labels kept{{"total22f", kZero}, {"total24m", amount("400.00")}, {"total27m", amount("600.00")}};
        QTest::newRow("withheld, taxpayer") << "ch16m" << kept << QStringList{"choice1m", "choice3m"};
        QTest::newRow("paid, taxpayer") << "ch17m" << kept << QStringList{"choice1m", "choice3m"};
        QTest::newRow("withheld, spouse") << "ch16f" << kept << QStringList{"choice1m", "choice3m"};
        QTest::newRow("paid, spouse") << "ch17f" << kept << QStringList{"choice1m", "choice3m"};
    }

    void aCreditThatIsNotANumberIsReported()
    {
        QFETCH(QString, field);
        QFETCH(Labels, labels);
        QFETCH(QStringList, checked);
        TaxWizard t;
        QVERIFY(t.open(MaritalStatus::married4, {20'000}));
        t.credits("m", "0", "0");
        t.credits("f", "400", "0");
        t.messages.clear();
        const bool spouse = field.endsWith('f');
        auto *typed = drive::control<QLineEdit>(t.w, qPrintable(field));
        drive::typeInto(typed, "1,000");
        (spouse ? t.page().ch17f : t.page().ch17m)->setFocus();
        drive::tab();
        QCOMPARE(t.messages.texts, QStringList{"'1,000' is not a valid floating point value"});
        QCOMPARE(t.messages.kinds, QStringList{"errorReport"});
        expectLabels(t, labels);
        QCOMPARE(t.checkedChoices(), checked);
    }

    void choicesLeaveTheTabOrderAndShowTheComputation()
    {
        TaxWizard t;
        QVERIFY(t.open(MaritalStatus::single, {100'000}));
        TaxComputationPage &p = t.page();
        QCOMPARE(p.choice3m->focusPolicy(), Qt::StrongFocus);
        t.credits("m", "3000", "0");
        // A click cannot mark as overpaid what the return has to pay.
        QTest::mouseClick(p.choice4m, Qt::LeftButton, {}, QPoint(8, p.choice4m->height() / 2));
        QCOMPARE(t.checkedChoices(), QStringList{"choice3m"});
        QCOMPARE(t.text("total27m"), amount("2,000.00"));
        QCOMPARE(t.w->ledger().taxpayer.totals[tax::total::line28], tax::baht(2'000));
        for (QRadioButton *choice : {p.choice1m, p.choice2m, p.choice3m, p.choice4m})
            QCOMPARE(choice->focusPolicy(), Qt::ClickFocus);
        // Tab runs from the fields to the next button.
        p.Edit1->setFocus();
        QStringList order;
        for (int i = 0; i < 3; ++i) {
            drive::tab();
            order << drive::focusName();
        }
        QCOMPARE(order, QStringList({"ch16m", "ch17m", "lastbit"}));
        QCOMPARE(t.checkedChoices(), QStringList{"choice3m"});
    }

    void pageShowsEveryCaptionInFull_data()
    {
        QTest::addColumn<MaritalStatus>("status");
        QTest::addColumn<QString>("screenshot");
        QTest::newRow("married4") << MaritalStatus::married4 << "tax-computation-married4";
        QTest::newRow("single") << MaritalStatus::single << "tax-computation-single";
    }

    void pageShowsEveryCaptionInFull()
    {
        QFETCH(MaritalStatus, status);
        QFETCH(QString, screenshot);
        TaxWizard t;
        QVERIFY(t.open(status, {1'234'567, 2'345, 0}, {654'321, 0, 1'234}));
        t.credits("m", "45000", "1000");
        if (status == MaritalStatus::married4)
            t.credits("f", "90000", "0");
        QCOMPARE(t.messages.texts, QStringList());
        QCOMPARE(sheet::layoutFaults(&t.page()), QStringList());
        saveScreenshot(t.w, screenshot);
    }

};

QTEST_MAIN(TaxComputationPageTest)
#include "tax_computation_page_test.moc"
