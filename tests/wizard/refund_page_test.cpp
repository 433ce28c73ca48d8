// The refund request page: the blocks and the focus that the tax computation
// page's next button leaves, its rebuilding, the entry limits, the close
// button, and what a user sees.
#include "fonts.h"
#include "live_windows.h"
#include "screenshot.h"
#include "sheet_layout.h"
#include "tax_wizard.h"

#include <QLineEdit>
#include <QPointer>
#include <QTabBar>

using tax::MaritalStatus;

Q_DECLARE_METATYPE(EarlierLines)

namespace {

// Computes both columns as typed and presses Enter, which the tax
// computation page's next button takes.
void computeAndGoOn(TaxWizard &t, MaritalStatus status, const QStringList &credits)
{
    t.credits("m", credits[0], "0");
    if (status == MaritalStatus::married4 && !QTest::currentTestFailed())
        t.credits("f", credits[1], "0");
    drive::enter();
}

bool blocksShown(const RefundPage &p, bool taxpayer, bool spouse)
{
    return p.Panel83->isVisible() == taxpayer && p.Panel84->isVisible() == taxpayer && p.Panel86->isVisible() == spouse
        && p.panel85->isVisible() == spouse;
}

} // namespace

class RefundPageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutions(); }

    void nextButtonShowsABlockForEachOverpaidLine28_data()
    {
        QTest::addColumn<MaritalStatus>("status");
        QTest::addColumn<EarlierLines>("taxpayer");
        QTest::addColumn<QStringList>("credits"); // withheld of each person
        QTest::addColumn<bool>("taxpayerBlock");
        QTest::addColumn<bool>("spouseBlock");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("buttonsTop");
        QTest::newRow("single to pay: no block") << MaritalStatus::single << EarlierLines{100'000} << QStringList{"3000"}
                                                 << false << false << "Button1" << 230;
        QTest::newRow("single overpaid") << MaritalStatus::single << EarlierLines{100'000} << QStringList{"5500"}
                                         << true << false << "R1" << 503;
        QTest::newRow("married4: the spouse's overpayment exceeds the taxpayer's tax")
            << MaritalStatus::married4 << EarlierLines{20'000} << QStringList{"0", "1500"} << false << true << "R5" << 503;
        QTest::newRow("married4: both overpaid") << MaritalStatus::married4 << EarlierLines{} << QStringList{"100", "200"}
                                                 << true << true << "R1" << 503;
    }

    void nextButtonShowsABlockForEachOverpaidLine28()
    {
        QFETCH(MaritalStatus, status);
        QFETCH(EarlierLines, taxpayer);
        QFETCH(QStringList, credits);
        QFETCH(bool, taxpayerBlock);
        QFETCH(bool, spouseBlock);
        QFETCH(QString, focus);
        QFETCH(int, buttonsTop);
        TaxWizard t;
        QVERIFY(t.open(status, taxpayer));
        computeAndGoOn(t, status, credits);
        const RefundPage &p = t.refund();
        QCOMPARE(t.w->solve->currentWidget(), static_cast<const QWidget *>(&p));
        QVERIFY(t.w->solve->isTabShown(&p));
        QVERIFY(blocksShown(p, taxpayerBlock, spouseBlock));
        QCOMPARE(drive::focusName(), focus);
        QCOMPARE(p.Button1->geometry(), QRect(216, buttonsTop, 137, 25));
        QCOMPARE(p.Button2->geometry(), QRect(512, buttonsTop, 137, 25));
        // The line-28 texts as the tax computation page shows them.
        QCOMPARE(p.total28m->text(), t.text("total27m"));
        QCOMPARE(p.total28f->text(), t.text("total27f"));
        QCOMPARE(t.messages.texts, QStringList());
    }

    void goingBackAndOnAgainRebuildsThePage()
    {
        TaxWizard t;
        QVERIFY(t.open(MaritalStatus::single, {100'000}));
        computeAndGoOn(t, MaritalStatus::single, {"5500"});
        QCOMPARE(t.refund().total28m->text(), QString("      500.00"));
        QTabBar *bar = t.w->solve->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(t.w->solve->indexOf(&t.page())).center());
        QCOMPARE(drive::focusName(), QString("Edit1"));
        computeAndGoOn(t, MaritalStatus::single, {"0"});
        QVERIFY(blocksShown(t.refund(), false, false));
        QCOMPARE(t.refund().total28m->text(), QString("    5,000.00"));
        QCOMPARE(drive::focusName(), QString("Button1"));
        QCOMPARE(t.refund().Button1->y(), 230);
    }

    void refundDetailsTakeTheirLengthOnly_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("kept");
        QTest::newRow("taxpayer's bank code") << "m1" << "123";
        QTest::newRow("taxpayer's account number") << "m2" << "1234567890";
        QTest::newRow("spouse's bank code") << "m3" << "123";
        QTest::newRow("spouse's account number") << "m4" << "1234567890";
    }

    void refundDetailsTakeTheirLengthOnly()
    {
        QFETCH(QString, field);
        QFETCH(QString, kept);
        TaxWizard t;
        QVERIFY(t.open(MaritalStatus::married4, {}));
        computeAndGoOn(t, MaritalStatus::married4, {"100", "200"});
        auto *typed = drive::control<QLineEdit>(t.w, qPrintable(field));
        drive::typeInto(typed, "123456789012345");
        QCOMPARE(typed->text(), kept);
    }

    void everyRadioButtonIsATabStopAndNoneIsChecked()
    {
        TaxWizard t;
        QVERIFY(t.open(MaritalStatus::married4, {}));
        computeAndGoOn(t, MaritalStatus::married4, {"100", "200"});
        const RefundPage &p = t.refund();
        for (QRadioButton *button : {p.R1, p.R2, p.R3, p.R4, p.R5, p.R6, p.R7, p.R8})
            QVERIFY2(!button->isChecked(), qPrintable(button->objectName()));
        QStringList order{drive::focusName()};
        for (int i = 0; i < 13; ++i) {
            drive::tab();
            order << drive::focusName();
        }
        QCOMPARE(order, QStringList({"R1", "R2", "m1", "R3", "R4", "m2", "R5", "R6", "m3", "R7", "R8", "m4",
                                     "Button1", "Button2"}));
    }

    void closeButtonClearsTheLedgerAndReleasesTheWindow()
    {
        TaxWizard t;
        QPointer<TFormsolve> window = t.owned.release();
        window->setAttribute(Qt::WA_DeleteOnClose);
        const int open = liveWindows<TFormsolve>();
        QVERIFY(t.open(MaritalStatus::single, {100'000}));
        computeAndGoOn(t, MaritalStatus::single, {"3000"});
        QVERIFY(t.w->ledger().taxpayer.totals[tax::total::line28] != 0);
        QTest::mouseClick(t.refund().Button2, Qt::LeftButton);
        // The return is cleared as the window closes; the window goes after.
        QVERIFY(window && window->isHidden());
        QVERIFY(window->ledger() == tax::ReturnLedger());
        QTRY_VERIFY(!window);
        QCOMPARE(liveWindows<TFormsolve>(), open - 1);
    }

    void leavingTheCloseButtonForTheTaxPageGoesToItsFirstCredit()
    {
        TaxWizard t;
        QVERIFY(t.open(MaritalStatus::single, {100'000}));
        computeAndGoOn(t, MaritalStatus::single, {"3000"});
        RefundPage &p = t.refund();
        // On its own page the close button lets the focus go where it goes.
        p.Button2->setFocus();
        drive::tab();
        QVERIFY(drive::focusName() != "ch16m");
        QCOMPARE(t.w->solve->currentWidget(), static_cast<const QWidget *>(&p));
        t.w->openPage(&t.page());
        p.Button2Exit();
        QCOMPARE(drive::focusName(), QString("ch16m"));
    }

    void pageShowsEveryCaptionInFull_data()
    {
        QTest::addColumn<MaritalStatus>("status");
        QTest::addColumn<EarlierLines>("taxpayer");
        QTest::addColumn<QStringList>("credits");
        QTest::addColumn<QString>("screenshot");
        QTest::newRow("married4, both overpaid") << MaritalStatus::married4 << EarlierLines{} << QStringList{"123456.75", "98765.40"}
                                                 << "refund-married4";
        QTest::newRow("single to pay") << MaritalStatus::single << EarlierLines{100'000} << QStringList{"3000"}
                                       << "refund-single";
    }

    void pageShowsEveryCaptionInFull()
    {
        QFETCH(MaritalStatus, status);
        QFETCH(EarlierLines, taxpayer);
        QFETCH(QStringList, credits);
        QFETCH(QString, screenshot);
        TaxWizard t;
        QVERIFY(t.open(status, taxpayer));
        computeAndGoOn(t, status, credits);
        QCOMPARE(t.w->solve->currentWidget(), static_cast<QWidget *>(&t.refund()));
        if (status == MaritalStatus::married4) {
            for (const char *field : {"m1", "m2", "m3", "m4"})
                drive::typeInto(drive::control<QLineEdit>(t.w, field), "0123456789");
            t.refund().R2->click();
            t.refund().R4->click();
        }
        QCOMPARE(sheet::layoutFaults(&t.refund()), QStringList());
        saveScreenshot(t.w, screenshot);
    }
};

QTEST_MAIN(RefundPageTest)
#include "refund_page_test.moc"
