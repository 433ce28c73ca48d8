// The severance panel: its opening for each person, lines 8 to 13, the
// radios, the focus between the halves and the OK button.
#include "attachment_wizard.h"
#include "fonts.h"
#include "screenshot.h"

#include <QRadioButton>

namespace {

const QStringList kTaxpayerLineEight{"Label171", "Label173", "Label189", "Label191", "Label192", "Label193",
                                     "computecheck1", "computecheck2", "com1m", "com2m", "com3m"};
const QStringList kSpouseLineEight{"Label172", "Label174", "Label190", "Label194", "Label195", "Label196",
                                   "computecheck5", "computecheck6", "com1f", "com2f", "com3f"};

} // namespace

class SeverancePanelTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutions(); }

    void itemsOnlyOpeningDisablesLineEightOfThatPersonAlone_data()
    {
        QTest::addColumn<QString>("items");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QStringList>("disabled");
        QTest::addColumn<QStringList>("enabled");
        QTest::addColumn<QString>("firstFocus");
        QTest::newRow("taxpayer") << "ch11m" << "m" << kTaxpayerLineEight << kSpouseLineEight << "computecheck3";
        QTest::newRow("spouse") << "ch11f" << "f" << kSpouseLineEight << kTaxpayerLineEight << "computecheck1";
    }

    void itemsOnlyOpeningDisablesLineEightOfThatPersonAlone()
    {
        QFETCH(QString, items);
        QFETCH(QString, suffix);
        QFETCH(QStringList, disabled);
        QFETCH(QStringList, enabled);
        QFETCH(QString, firstFocus);
        AttachmentWizard s;
        QVERIFY(s.open());
        s.enter("year1", "10");
        s.enter(qPrintable(items), "200000");
        s.openPanel();
        QVERIFY(s.panelInFront());
        QCOMPARE(s.text(qPrintable("total9" + suffix)), QString("  200,000.00"));
        for (const QString &name : disabled)
            QVERIFY2(!s.control(name)->isEnabled(), qPrintable(name));
        for (const QString &name : enabled)
            QVERIFY2(s.control(name)->isEnabled(), qPrintable(name));
        QCOMPARE(drive::focusName(), firstFocus);
        // Line 10 counts the years its edit holds; 10 years at 7,000.
        QCOMPARE(s.text(qPrintable("total10" + suffix)), QString("        0.00"));
        s.enter(qPrintable("com5" + suffix), "10");
        QCOMPARE(s.text(qPrintable("total10" + suffix)), QString("   70,000.00"));
        QCOMPARE(s.text(qPrintable("total11" + suffix)), QString("  130,000.00"));
    }

    void lineNineCountsItemFiveUpToSalaryTimesYears_data()
    {
        QTest::addColumn<QString>("items1to3");
        QTest::addColumn<QString>("item5");
        QTest::addColumn<QString>("salary");
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("line9");
        QTest::newRow("item 5 above the product") << "0" << "300000" << "20000" << "  200,000.00" << "  200,000.00";
        QTest::newRow("item 5 below the product") << "0" << "300000" << "40000" << "  400,000.00" << "  300,000.00";
        QTest::newRow("both, small product") << "100000" << "300000" << "20000" << "  200,000.00" << "  300,000.00";
        QTest::newRow("both, large product") << "100000" << "300000" << "50000" << "  500,000.00" << "  400,000.00";
    }

    void lineNineCountsItemFiveUpToSalaryTimesYears()
    {
        QFETCH(QString, items1to3);
        QFETCH(QString, item5);
        QFETCH(QString, salary);
        QFETCH(QString, product);
        QFETCH(QString, line9);
        AttachmentWizard s;
        QVERIFY(s.open());
        s.enter("ch11f", items1to3);
        s.enter("ch14f", item5);
        s.openPanel();
        QCOMPARE(drive::focusName(), QString("computecheck1"));
        s.enter("com1f", salary);
        s.enter("com2f", "10");
        QCOMPARE(s.field("com3f"), product);
        QCOMPARE(s.text("total9f"), line9);
        QCOMPARE(drive::focusName(), QString("computecheck7"));
        QCOMPARE(s.text("total9m"), QString("        0.00"));
    }

    void lineEightYearsAreCopiedToLineTen()
    {
        AttachmentWizard s;
        QVERIFY(s.open());
        s.openPanel();
        s.enter("com2m", "5");
        QCOMPARE(s.field("com5m"), QString("5"));
        s.enter("com2f", "5");
        QCOMPARE(s.field("com5f"), QString("        5.00"));
    }

    void the3500RadioChangesLinesTenToThirteenTogether()
    {
        AttachmentWizard s;
        QVERIFY(s.open());
        s.enter("ch14m", "300000");
        s.openPanel();
        s.enter("com1m", "20000");
        s.enter("com2m", "10");
        s.enter("com5m", "10");
        QCOMPARE(s.text("total13m"), QString("  135,000.00"));
        QTest::mouseClick(s.panel.computecheck4, Qt::LeftButton);
        QVERIFY(s.panel.computecheck4->isChecked());
        QCOMPARE(s.text("total10m"), QString("   35,000.00"));
        QCOMPARE(s.text("total11m"), QString("  165,000.00"));
        QCOMPARE(s.text("total12m"), QString("   82,500.00"));
        QCOMPARE(s.text("total13m"), QString("  117,500.00"));
    }

    void withoutTheSpouseHalfTheTaxpayersYearsLeadToOk()
    {
        AttachmentWizard s;
        s.panel.Panel78->hide();
        QVERIFY(s.open());
        s.openPanel();
        s.enter("com2m", "3");
        QCOMPARE(drive::focusName(), QString("computecheck3"));
        s.enter("com5m", "3");
        QCOMPARE(drive::focusName(), QString("BitBtn5"));
        drive::tab();
        QCOMPARE(drive::focusName(), QString("computecheck1"));
        QVERIFY(s.messages.texts.isEmpty());
    }

    void tabNeverLeavesThePanel()
    {
        AttachmentWizard s;
        QVERIFY(s.open());
        s.enter("ch11m", "200000");
        s.openPanel();
        for (int i = 0; i < 40; ++i) {
            QVERIFY2(s.panel.isAncestorOf(drive::focus()), qPrintable(drive::focusName()));
            drive::tab();
        }
        QVERIFY(s.messages.texts.isEmpty());
    }

    void reopeningAfterTheHalfRatePutsTheFocusOnTheFullRate()
    {
        AttachmentWizard s;
        QVERIFY(s.open());
        s.enter("year1", "10");
        s.enter("ch11m", "200000");
        s.openPanel();
        QTest::mouseClick(s.panel.computecheck4, Qt::LeftButton);
        s.enter("com5m", "10");
        QTest::mouseClick(s.panel.BitBtn5, Qt::LeftButton);
        QVERIFY(!s.panelInFront());
        s.openPanel();
        QVERIFY(s.panelInFront());
        QCOMPARE(drive::focusName(), QString("computecheck3"));
        // The keyboard works from there: Tab leads on to the years.
        drive::tab();
        QVERIFY(s.panel.isAncestorOf(drive::focus()));
        QVERIFY(s.messages.texts.isEmpty());
    }

    void yearsThatOverflowLineEightAreRefusedWithTheirCopy()
    {
        AttachmentWizard s;
        QVERIFY(s.open());
        s.enter("ch14m", "300000");
        s.openPanel();
        s.enter("com1m", "100000000");
        s.enter("com2m", "100000000");
        QCOMPARE(s.messages.texts, QStringList{"Invalid floating point operation"});
        // The years do not count, so neither does their copy on line 10.
        QCOMPARE(s.field("com5m"), QString("0"));
        QCOMPARE(s.w->ledger().taxpayer.severanceYears, 0);
        QCOMPARE(s.field("com3m"), QString("        0.00"));
    }

    void panelShowsEveryCaptionInFull()
    {
        AttachmentWizard s;
        QVERIFY(s.open());
        s.enter("ch11m", "200000");
        s.enter("ch14f", "300000");
        s.openPanel();
        s.enter("com1f", "40000");
        s.enter("com2f", "10");
        for (QLabel *label : s.panel.findChildren<QLabel *>()) {
            const int needed = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().width();
            const int room = label->wordWrap() ? label->height() : label->width();
            QVERIFY2(needed <= room, qPrintable(label->objectName() + ": " + label->text()));
        }
        saveScreenshot(s.w.get(), "severance_panel");
    }
};

QTEST_MAIN(SeverancePanelTest)
#include "severance_panel_test.moc"
