// The attachment page: the answer "ไม่" and its cover, items 4 and 6, the
// compute button's guard, lines 6 and 7, and what a user sees.
#include "attachment_wizard.h"
#include "fonts.h"
#include "screenshot.h"

using tax::baht;

namespace {

// Items 1 to 3 only: the panel needs no more than the years of line 10, and
// its OK gives lines 2 to 4.
void computeItemsOnly(AttachmentWizard &a, const QString &items, const QString &years)
{
    a.enter("year1", "10");
    a.enter("ch11m", items);
    a.openPanel();
    drive::typeInto(a.panel.com5m, years);
    drive::tab();
    QTest::mouseClick(a.panel.BitBtn5, Qt::LeftButton);
}

} // namespace

class AttachmentPageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutions(); }

    void answerNoCoversTheFieldsAndEnterGoesOn()
    {
        AttachmentWizard a;
        QVERIFY(a.open());
        a.enter("ch11m", "5000");
        a.answer(false);
        QCOMPARE(drive::focusName(), QString("BitBtn6"));
        QVERIFY(!a.page.entryFields->isEnabled());
        QTest::mouseClick(a.page.nameboss1, Qt::LeftButton);
        QCOMPARE(drive::focusName(), QString("BitBtn6"));
        for (int i = 0; i < 10; ++i) {
            drive::tab();
            QVERIFY2(!a.page.entryFields->isAncestorOf(drive::focus()), qPrintable(drive::focusName()));
        }
        a.page.BitBtn6->setFocus();
        drive::enter();
        QCOMPARE(a.w->solve->currentWidget(), a.w->TabSheet5);
        QVERIFY(a.w->solve->isTabShown(a.w->TabSheet5));
        // Under "ไม่" nothing of the attachment counts.
        QCOMPARE(a.text("total8m"), QString());
        QCOMPARE(a.text("total17m"), QString("0"));
        QCOMPARE(a.text("total20m"), QString("        0.00"));
        QVERIFY(a.messages.texts.isEmpty());
    }

    void tabFromTheNextButtonGoesRoundToTheFirstEmployer()
    {
        AttachmentWizard a;
        QVERIFY(a.open());
        a.page.BitBtn6->setFocus();
        drive::tab();
        QCOMPARE(drive::focusName(), QString("nameboss1"));
        QCOMPARE(a.w->solve->currentWidget(), static_cast<QWidget *>(a.w->TabSheet4));
    }

    void answerYesAfterNoUncoversTheFields()
    {
        AttachmentWizard a;
        QVERIFY(a.open());
        a.answer(false);
        a.answer(true);
        QVERIFY(a.page.entryFields->isEnabled());
        QCOMPARE(drive::focusName(), QString("nameboss1"));
    }

    void itemsShowTheirTotals_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("taxpayer") << "m";
        QTest::newRow("spouse") << "f";
    }

    void itemsShowTheirTotals()
    {
        QFETCH(QString, suffix);
        AttachmentWizard a;
        QVERIFY(a.open());
        const auto name = [&](const char *base) { return QByteArray(base) + suffix.toLatin1(); };
        a.enter(name("ch14"), "300000");
        QCOMPARE(a.text(name("total8")), QString("  300,000.00"));
        QCOMPARE(a.text(name("total7")), QString("        0.00"));
        a.enter(name("ch11"), "100000");
        a.enter(name("ch12"), "50000");
        a.enter(name("ch13"), "50000");
        QCOMPARE(a.text(name("total7")), QString("  200,000.00"));
        QCOMPARE(a.text(name("total8")), QString("  500,000.00"));
        a.enter(name("ch14"), "0");
        QCOMPARE(a.text(name("total7")), QString("  200,000.00"));
        QCOMPARE(a.text(name("total8")), QString("  200,000.00"));
    }

    void computeButtonGuardsTheWayToTheWithholding_data()
    {
        QTest::addColumn<bool>("click");
        QTest::addColumn<QString>("lineTenYears");
        QTest::addColumn<QString>("focus");
        QTest::newRow("Tab, panel not used") << false << "0" << "computebutton";
        QTest::newRow("Tab, years formatted as zero") << false << "        0.00" << "computebutton";
        QTest::newRow("Tab, years not a number") << false << "ten" << "computebutton";
        QTest::newRow("Tab, years entered") << false << "10" << "Edit3";
        QTest::newRow("click opens the panel") << true << "0" << "computecheck1";
    }

    void computeButtonGuardsTheWayToTheWithholding()
    {
        QFETCH(bool, click);
        QFETCH(QString, lineTenYears);
        QFETCH(QString, focus);
        AttachmentWizard a;
        QVERIFY(a.open());
        a.w->compute1->com5m->setText(lineTenYears);
        a.page.computebutton->setFocus();
        if (click)
            QTest::mouseClick(a.page.computebutton, Qt::LeftButton);
        else
            drive::tab();
        const bool refused = focus == "computebutton";
        QCOMPARE(a.messages.texts, refused ? QStringList{"กรุณาทำการควณภาษีให้เสร็จก่อน  !!!"} : QStringList());
        QTRY_COMPARE(drive::focusName(), focus);
        QCOMPARE(a.w->areas().front() == a.w->compute1, click);
    }

    void withholdingLeavesTaxToPayOrOverpaid_data()
    {
        QTest::addColumn<QStringList>("withheld");
        QTest::addColumn<QString>("line6");
        QTest::addColumn<QString>("line7");
        QTest::addColumn<qint64>("line6Value");
        QTest::addColumn<qint64>("line7Value");
        QTest::newRow("more than the tax") << QStringList{"5000"} << "0" << "    1,750.00" << qint64(0) << qint64(baht(1'750));
        QTest::newRow("exactly the tax") << QStringList{"3250"} << "0" << "0" << qint64(0) << qint64(0);
        QTest::newRow("exactly the tax after another") << QStringList{"5000", "3250"} << "0" << "0" << qint64(0) << qint64(0);
        QTest::newRow("less than the tax") << QStringList{"1000"} << "    2,250.00" << "0" << qint64(baht(2'250)) << qint64(0);
    }

    void withholdingLeavesTaxToPayOrOverpaid()
    {
        QFETCH(QStringList, withheld);
        QFETCH(QString, line6);
        QFETCH(QString, line7);
        QFETCH(qint64, line6Value);
        QFETCH(qint64, line7Value);
        AttachmentWizard a;
        QVERIFY(a.open());
        computeItemsOnly(a, "200000", "10");
        QCOMPARE(a.text("total16m"), QString("    3,250.00"));
        for (const QString &amount : withheld)
            a.enter("ch15m", amount);
        QCOMPARE(a.text("total17m"), line6);
        QCOMPARE(a.text("total18m"), line7);
        const auto &t = a.w->ledger().taxpayer.totals;
        QCOMPARE(t[tax::total::attachmentLine6], line6Value);
        QCOMPARE(t[tax::total::attachmentLine7], line7Value);
    }

    void aTextThatIsNotANumberIsReportedAndKeepsTheStoredValue()
    {
        AttachmentWizard a;
        QVERIFY(a.open());
        a.enter("ch12m", "7000");
        a.enter("ch12m", "1,000");
        QCOMPARE(a.messages.texts, QStringList{"'1,000' is not a valid floating point value"});
        QCOMPARE(a.w->ledger().taxpayer.entries[tax::entry::attachmentItem2], baht(7'000));
        QCOMPARE(a.text("total7m"), QString("    7,000.00"));
    }

    void pageShowsEveryCaptionInFull()
    {
        AttachmentWizard a;
        QVERIFY(a.open());
        a.enter("ch11m", "1234567.89");
        a.enter("ch11f", "1234567.89");
        for (QLabel *label : a.page.findChildren<QLabel *>())
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->objectName() + ": " + label->text()));
        saveScreenshot(a.w.get(), "attachment_page");
        a.answer(false);
        saveScreenshot(a.w.get(), "attachment_cover");
    }
};

QTEST_MAIN(AttachmentPageTest)
#include "attachment_page_test.moc"
