// The attachment page: the question panel's answers, the employer rows, the
// items, the compute button's guard, lines 2 to 7 and the page's focus order.
#include "attachment_page.h"
#include "fonts.h"
#include "formsolve.h"
#include "message_catcher.h"
#include "run_ledger.h"
#include "screenshot.h"
#include "severance_panel.h"
#include "window_driver.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

using tax::baht;

namespace {

// A wizard whose pages are in front, with the attachment page opened by the
// answer "ใช่".
struct Attachment {
    std::unique_ptr<TFormsolve> w = std::make_unique<TFormsolve>(nullptr, nullptr);
    AttachmentPage &page = *w->TabSheet4;
    MessageCatcher messages;

    // The window is shown only once the page is open, so that the focus
    // starts on the page and no field of the personal data area is left.
    bool open()
    {
        w->areas().bringToFront(w->solve);
        page.answerYes();
        return drive::showAndActivate(w.get());
    }

    template <typename T = QWidget>
    T *control(const char *name) const { return drive::control<T>(w.get(), name); }

    QString text(const char *name) const { return control<QLabel>(name)->text(); }

    // Items 1 to 3 only: the panel needs no more than the years of line 10,
    // and its OK gives lines 2 to 4.
    void computeItemsOnly(const QString &items, const QString &years)
    {
        enter("year1", "10");
        enter("ch11m", items);
        QTest::mouseClick(page.computebutton, Qt::LeftButton);
        drive::typeInto(w->compute1->com5m, years);
        drive::tab();
        QTest::mouseClick(w->compute1->BitBtn5, Qt::LeftButton);
    }

    // Types into a field and leaves it with Tab.
    void enter(const char *name, const QString &value)
    {
        drive::typeInto(control<QLineEdit>(name), value);
        drive::tab();
    }
};

} // namespace

class AttachmentPageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutions(); }

    void answerYesCopiesNamesAndOpensThePageAtTheFirstEmployer()
    {
        Attachment a;
        const QStringList sources{"name1", "surname1", "idtax1", "name2", "surname2", "idtax2"};
        const QStringList values{"นายสมชาย", "ใจดี", "1111111111", "นางสมศรี", "รักดี", "0000000000"};
        for (int i = 0; i < sources.size(); ++i) {
            auto *field = a.control<QLineEdit>(qPrintable(sources[i]));
            QVERIFY2(field, qPrintable(sources[i]));
            field->setText(values[i]);
        }
        QVERIFY(a.open());
        QCOMPARE(a.text("cname1"), QString("ชื่อ  นายสมชาย"));
        QCOMPARE(a.text("csurname1"), QString("นามสกุล  ใจดี"));
        QCOMPARE(a.text("cidtax1"), QString("เลขประจำตัวผู้เสียภาษี  1111111111"));
        QCOMPARE(a.text("cname2"), QString("ชื่อ  นางสมศรี"));
        QCOMPARE(a.text("csurname2"), QString("นามสกุล  รักดี"));
        QCOMPARE(a.text("cidtax2"), QString("เลขประจำตัวผู้เสียภาษี  0000000000"));
        QCOMPARE(a.w->solve->currentWidget(), &a.page);
        QVERIFY(a.w->isTabShown(&a.page));
        QCOMPARE(drive::focusName(), QString("nameboss1"));
    }

    void answerNoCoversTheFieldsAndEnterGoesOn()
    {
        Attachment a;
        QVERIFY(a.open());
        a.enter("ch11m", "5000");
        a.page.answerNo();
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
        QVERIFY(a.w->isTabShown(a.w->TabSheet5));
        QCOMPARE(a.text("total8m"), QString("    5,000.00"));
        QCOMPARE(a.text("total17m"), QString("0"));
        QVERIFY(a.messages.texts.isEmpty());
    }

    void answerYesAfterNoUncoversTheFields()
    {
        Attachment a;
        QVERIFY(a.open());
        a.page.answerNo();
        a.page.answerYes();
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
        Attachment a;
        QVERIFY(a.open());
        const auto name = [&](const char *base) { return QByteArray(base) + suffix.toLatin1(); };
        a.enter(name("ch14"), "300000");
        QCOMPARE(a.text(name("total8")), QString("  300,000.00"));
        QCOMPARE(a.text(name("total7")), QString());
        a.enter(name("ch11"), "100000");
        a.enter(name("ch12"), "50000");
        a.enter(name("ch13"), "50000");
        QCOMPARE(a.text(name("total7")), QString("  200,000.00"));
        QCOMPARE(a.text(name("total8")), QString("  500,000.00"));
        a.enter(name("ch14"), "0");
        QCOMPARE(a.text(name("total7")), QString("  200,000.00"));
        QCOMPARE(a.text(name("total8")), QString("  200,000.00"));
    }

    void theLongestOfTheYearsCounts()
    {
        Attachment a;
        QVERIFY(a.open());
        const QStringList years{"5", "12", "0", "8"};
        for (int i = 0; i < 4; ++i)
            a.enter(qPrintable(QString("year%1").arg(i + 1)), years[i]);
        QCOMPARE(runLedger().longestService, 12.0L);
        QCOMPARE(runLedger().common[tax::shared::yearsOfWork + 3], baht(8));
    }

    void computeButtonGuardsTheWayToTheWithholding_data()
    {
        QTest::addColumn<QString>("lineTenYears");
        QTest::addColumn<bool>("refused");
        QTest::newRow("panel not used") << "0" << true;
        QTest::newRow("years formatted as zero") << "        0.00" << true;
        QTest::newRow("years entered") << "10" << false;
        QTest::newRow("years not a number") << "ten" << true;
    }

    void computeButtonGuardsTheWayToTheWithholding()
    {
        QFETCH(QString, lineTenYears);
        QFETCH(bool, refused);
        Attachment a;
        QVERIFY(a.open());
        a.w->compute1->com5m->setText(lineTenYears);
        a.page.computebutton->setFocus();
        drive::tab();
        if (refused) {
            QCOMPARE(a.messages.texts, QStringList{"กรุณาทำการควณภาษีให้เสร็จก่อน  !!!"});
            QTRY_COMPARE(drive::focusName(), QString("computebutton"));
        } else {
            QVERIFY(a.messages.texts.isEmpty());
            QCOMPARE(drive::focusName(), QString("Edit3"));
        }
    }

    void clickingTheComputeButtonOpensThePanelWithoutTheGuard()
    {
        Attachment a;
        QVERIFY(a.open());
        a.page.computebutton->setFocus();
        QTest::mouseClick(a.page.computebutton, Qt::LeftButton);
        QVERIFY(a.messages.texts.isEmpty());
        QCOMPARE(a.w->areas().front(), static_cast<QWidget *>(a.w->compute1));
        QVERIFY(!a.w->solve->isEnabled());
        QCOMPARE(drive::focusName(), QString("computecheck1"));
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
        Attachment a;
        QVERIFY(a.open());
        a.computeItemsOnly("200000", "10");
        QCOMPARE(a.text("total16m"), QString("    3,250.00"));
        for (const QString &amount : withheld)
            a.enter("ch15m", amount);
        QCOMPARE(a.text("total17m"), line6);
        QCOMPARE(a.text("total18m"), line7);
        const auto &t = runLedger().taxpayer.totals;
        QCOMPARE(t[tax::total::attachmentLine6], line6Value);
        QCOMPARE(t[tax::total::attachmentLine7], line7Value);
    }

    void expenseAboveTheGrandTotalOwesNoTax()
    {
        Attachment a;
        QVERIFY(a.open());
        a.computeItemsOnly("100000", "50");
        QCOMPARE(a.text("total14m"), QString("  225,000.00"));
        QCOMPARE(a.text("total15m"), QString(" -125,000.00"));
        QCOMPARE(a.text("total16m"), QString("        0.00"));
    }

    void tabOrderFollowsTheForm()
    {
        Attachment a;
        QVERIFY(a.open());
        a.w->compute1->com5m->setText("10");
        const QStringList expected{"year1", "nameboss2", "year2", "nameboss3", "year3", "nameboss4", "year4",
                                   "ch11m", "ch11f", "ch12m", "ch12f", "ch13m", "ch13f", "ch14m", "ch14f",
                                   "computebutton", "Edit3", "ch15m", "ch15f", "BitBtn6"};
        QStringList visited;
        for (int i = 0; i < expected.size(); ++i) {
            drive::tab();
            visited << drive::focusName();
        }
        QCOMPARE(visited, expected);
        QVERIFY(a.messages.texts.isEmpty());
    }

    void enterInAFieldGoesOnToTheTaxComputation()
    {
        Attachment a;
        QVERIFY(a.open());
        drive::typeInto(a.page.ch13m, "70000");
        drive::enter();
        QCOMPARE(a.text("total7m"), QString("   70,000.00"));
        QCOMPARE(a.w->solve->currentWidget(), a.w->TabSheet5);
    }

    void aTextThatIsNotANumberIsReportedAndKeepsTheStoredValue()
    {
        Attachment a;
        QVERIFY(a.open());
        a.enter("ch12m", "7000");
        a.enter("ch12m", "1,000");
        QCOMPARE(a.messages.texts, QStringList{"'1,000' is not a valid floating point value"});
        QCOMPARE(runLedger().taxpayer.entries[tax::entry::attachmentItem2], baht(7'000));
        QCOMPARE(a.text("total7m"), QString("    7,000.00"));
    }

    void pageShowsEveryCaptionInFull()
    {
        Attachment a;
        QVERIFY(a.open());
        a.enter("ch11m", "1234567.89");
        a.enter("ch11f", "1234567.89");
        for (QLabel *label : a.page.findChildren<QLabel *>())
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->objectName() + ": " + label->text()));
        saveScreenshot(a.w.get(), "attachment_page");
        a.page.answerNo();
        saveScreenshot(a.w.get(), "attachment_cover");
    }
};

QTEST_MAIN(AttachmentPageTest)
#include "attachment_page_test.moc"
