// Returns walked with the keyboard from the personal data area through the
// attachment page and its severance panel, checking every label they show,
// and the spouse controls each status hides there.
#include "allowances_page.h"
#include "attachment_page.h"
#include "fonts.h"
#include "formsolve.h"
#include "message_catcher.h"
#include "question_panel.h"
#include "screenshot.h"
#include "severance_panel.h"
#include "wizard_walk.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

using walk::typeAndTab;

QString label(const TFormsolve &w, const char *name)
{
    return drive::control<QLabel>(&w, name)->text();
}

QString field(const TFormsolve &w, const char *name)
{
    return drive::control<QLineEdit>(&w, name)->text();
}

void expectLabels(const TFormsolve &w, const QList<std::pair<const char *, QString>> &expected)
{
    for (const auto &[name, text] : expected)
        QVERIFY2(label(w, name) == text, qPrintable(QString("%1: '%2'").arg(name, label(w, name))));
}

void shiftTab()
{
    QTest::keyClick(drive::focus(), Qt::Key_Backtab, Qt::ShiftModifier);
}

// The controls of the attachment page and the severance panel that only the
// spouse of a return computed apart sees.
const QStringList kSpouseControls{
    "ch11f", "ch12f", "ch13f", "ch14f", "ch15f", "cname2", "csurname2", "cidtax2", "total14f", "total15f",
    "total16f", "total17f", "total18f", "Label139", "Label166", "Label167", "Label204", "Label207", "Label210",
    "Label211", "Label212", "Label216", "Panel78"};

} // namespace

class AttachmentWalkTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutions(); }

    void married4WalkThroughTheAttachmentAndTheSeverancePanel()
    {
        MessageCatcher messages;
        TFormsolve w(nullptr, nullptr);
        QVERIFY(drive::showAndActivate(&w));
        walk::Return r;
        r.status = tax::MaritalStatus::married4;
        walk::toQuestion(w, r);
        QVERIFY(!QTest::currentTestFailed());
        drive::enter(); // "ใช่"

        QCOMPARE(w.solve->currentWidget(), w.TabSheet4);
        expectLabels(w, {{"cname1", "ชื่อ  นายสมชาย"}, {"csurname1", "นามสกุล  ใจดี"},
                         {"cidtax1", "เลขประจำตัวผู้เสียภาษี  3101234565"}, {"cname2", "ชื่อ  นางสมศรี"},
                         {"csurname2", "นามสกุล  ใจดี"}, {"cidtax2", "เลขประจำตัวผู้เสียภาษี  4209876541"}});

        // Line 1 and the items: the taxpayer's gratuity, fund payout and
        // compensation; the spouse's income computed otherwise.
        typeAndTab("nameboss1", "บริษัท ก จำกัด");
        typeAndTab("year1", "10");
        typeAndTab("nameboss2", "บริษัท ข จำกัด");
        typeAndTab("year2", "4");
        for (const char *name : {"nameboss3", "year3", "nameboss4", "year4"}) {
            QCOMPARE(drive::focusName(), QString(name));
            drive::tab();
        }
        const QList<std::pair<const char *, const char *>> items{
            {"ch11m", "100000"}, {"ch11f", "0"}, {"ch12m", "50000"}, {"ch12f", "0"},
            {"ch13m", "50000"}, {"ch13f", "0"}, {"ch14m", "0"}, {"ch14f", "300000"}};
        for (const auto &[name, amount] : items)
            typeAndTab(name, amount);
        QCOMPARE(w.ledger().longestService, 10.0L);
        expectLabels(w, {{"total7m", "  200,000.00"}, {"total8m", "  200,000.00"},
                         {"total7f", "        0.00"}, {"total8f", "  300,000.00"}});

        // The panel: the taxpayer's items only, the spouse's item 5 only.
        QCOMPARE(drive::focusName(), QString("computebutton"));
        drive::enter();
        QCOMPARE(w.areas().front(), static_cast<QWidget *>(w.compute1));
        QCOMPARE(drive::focusName(), QString("computecheck3"));
        QVERIFY(!w.compute1->com1m->isEnabled());
        QVERIFY(w.compute1->com1f->isEnabled());
        // Line 10 counts the years its edit holds, none yet.
        expectLabels(w, {{"total9m", "  200,000.00"}, {"total10m", "        0.00"}, {"total9f", "        0.00"},
                         {"total10f", "        0.00"}});
        // The two radios are one Tab stop; the arrow keys choose between them.
        drive::tab();
        typeAndTab("com5m", "10");
        expectLabels(w, {{"total10m", "   70,000.00"}, {"total11m", "  130,000.00"}, {"total12m", "   65,000.00"},
                         {"total13m", "  135,000.00"}});
        QCOMPARE(drive::focusName(), QString("computecheck5"));
        drive::tab();
        QCOMPARE(drive::focusName(), QString("computecheck6"));
        drive::tab();
        typeAndTab("com1f", "40000");
        typeAndTab("com2f", "10");
        QCOMPARE(drive::focusName(), QString("computecheck7"));
        QCOMPARE(field(w, "com3f"), QString("  400,000.00"));
        QCOMPARE(field(w, "com5f"), QString("       10.00"));
        expectLabels(w, {{"total9f", "  300,000.00"}});
        // The line-10 years come before the product and the radios in the
        // spouse's half: back to them, then on to OK.
        shiftTab();
        QCOMPARE(drive::focusName(), QString("com3f"));
        shiftTab();
        QCOMPARE(drive::focusName(), QString("com5f"));
        drive::tab();
        expectLabels(w, {{"total10f", "   70,000.00"}, {"total11f", "  230,000.00"}, {"total12f", "  115,000.00"},
                         {"total13f", "  185,000.00"}});
        QCOMPARE(drive::focusName(), QString("BitBtn5"));
        saveScreenshot(&w, "walk_severance_panel");
        drive::enter();

        // Lines 2 to 4, then the withholding.
        QCOMPARE(w.areas().front(), static_cast<QWidget *>(w.solve));
        QCOMPARE(drive::focusName(), QString("Edit3"));
        expectLabels(w, {{"total14m", "  135,000.00"}, {"total15m", "   65,000.00"}, {"total16m", "    3,250.00"},
                         {"total14f", "  185,000.00"}, {"total15f", "  115,000.00"}, {"total16f", "    6,500.00"}});
        typeAndTab("Edit3", "2");
        typeAndTab("ch15m", "1000");
        typeAndTab("ch15f", "10000");
        expectLabels(w, {{"total17m", "    2,250.00"}, {"total18m", "0"}, {"total17f", "0"},
                         {"total18f", "    3,500.00"}});
        QCOMPARE(drive::focusName(), QString("BitBtn6"));
        QCOMPARE(messages.texts, QStringList());
        saveScreenshot(&w, "walk_attachment_page");

        drive::enter();
        QCOMPARE(w.solve->currentWidget(), w.TabSheet5);
    }

    void spouseColumnIsHiddenUnlessOnTheReturnYetStillComputed_data()
    {
        QTest::addColumn<tax::MaritalStatus>("status");
        QTest::addColumn<bool>("shown");
        QTest::newRow("single") << tax::MaritalStatus::single << false;
        QTest::newRow("widow") << tax::MaritalStatus::widow << false;
        QTest::newRow("married1") << tax::MaritalStatus::married1 << false;
        QTest::newRow("married2") << tax::MaritalStatus::married2 << false;
        QTest::newRow("married3") << tax::MaritalStatus::married3 << true;
        QTest::newRow("married4") << tax::MaritalStatus::married4 << true;
        QTest::newRow("married5") << tax::MaritalStatus::married5 << false;
    }

    void spouseColumnIsHiddenUnlessOnTheReturnYetStillComputed()
    {
        QFETCH(tax::MaritalStatus, status);
        QFETCH(bool, shown);
        MessageCatcher messages;
        TFormsolve w(nullptr, nullptr);
        QVERIFY(drive::showAndActivate(&w));
        walk::Return r;
        r.status = status;
        walk::personalData(w, r);
        QCOMPARE(w.areas().front(), static_cast<QWidget *>(w.solve));
        for (const QString &name : kSpouseControls) {
            QWidget *control = drive::control(&w, qPrintable(name));
            QVERIFY2(control, qPrintable(name));
            QVERIFY2(control->isHidden() != shown, qPrintable(name));
        }
        QVERIFY(!w.TabSheet4->total7f->isHidden());

        // The spouse's lines are computed by OK whether they are shown or not;
        // here from a spouse column left at nothing.
        w.openPage(w.TabSheet3);
        w.TabSheet3->Panel82->ask();
        w.TabSheet3->Panel82->ok2->click();
        QCOMPARE(w.solve->currentWidget(), w.TabSheet4);
        QTest::mouseClick(w.TabSheet4->computebutton, Qt::LeftButton);
        QTest::mouseClick(w.compute1->BitBtn5, Qt::LeftButton);
        QCOMPARE(label(w, "total15f"), QString("        0.00"));
        QCOMPARE(label(w, "total16f"), QString("        0.00"));
    }
};

QTEST_MAIN(AttachmentWalkTest)
#include "attachment_walk_test.moc"
