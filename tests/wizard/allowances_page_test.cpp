// The allowances page: the start of the chain, the children and 10,000 caps,
// the donation limit, what an overflow leaves shown, the focus flow of each
// status, the question panel, and the placing of the controls.
#include "allowances_page.h"
#include "area_stack.h"
#include "attachment_page.h"
#include "bevel_panel.h"
#include "fonts.h"
#include "formsolve.h"
#include "message_catcher.h"
#include "money_text.h"
#include "question_panel.h"
#include "screenshot.h"
#include "tax_limits.h"
#include "wizard_walk.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(tax::MaritalStatus)

namespace {

using tax::MaritalStatus;

const QString kChildrenCut = QStringLiteral("จำนวนบุตรรวมกันเกิน 3 คน จะนำมาคิดแค่ 3 คนเท่านั้น");
const QString kOnlyTenThousand = QStringLiteral("จำนวนเงินที่ท่านใส่จะนำมาคำนวณเพียง 10,000 บาท เท่านั้น!!!");
const QString kOverflow = QStringLiteral("Invalid floating point operation");
// The largest whole number of baht an amount field can hold.
const QString kHuge = QStringLiteral("922337203685477");

// The wizard on the allowances page, reached with the keyboard; salary
// 1,000,000 gives the taxpayer a line 7 of 940,000 and the spouse's 800,000 a
// line 7 of 740,000.
std::unique_ptr<TFormsolve> onAllowancesPage(MaritalStatus status)
{
    auto w = std::make_unique<TFormsolve>(nullptr, nullptr);
    if (!drive::showAndActivate(w.get()))
        return nullptr;
    walk::Return r;
    r.status = status;
    walk::personalData(*w, r);
    walk::income(*w, r);
    walk::expenses(*w);
    if (QTest::currentTestFailed())
        return nullptr;
    return w;
}

QString text(TFormsolve &w, const QString &label)
{
    return drive::control<QLabel>(&w, qPrintable(label))->text();
}

QLineEdit *field(TFormsolve &w, const QString &name)
{
    return drive::control<QLineEdit>(&w, qPrintable(name));
}

// Clicks into a field, types and leaves it with Tab.
void enter(TFormsolve &w, const QString &name, const QString &typed)
{
    QLineEdit *edit = field(w, name);
    edit->setFocus(Qt::MouseFocusReason);
    walk::typeAndTab(name, typed);
}

bool questionInFront(TFormsolve &w)
{
    return w.TabSheet3->Panel82->isEnabled() && !w.TabSheet3->ch6m->isEnabled();
}

} // namespace

class AllowancesPageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutions(); }

    void enteringThePageStartsTheChain_data()
    {
        QTest::addColumn<MaritalStatus>("status");
        QTest::addColumn<QString>("line15");
        QTest::addColumn<QString>("line14");
        QTest::addColumn<QString>("spouseLine15");
        QTest::newRow("single: personal allowance only") << MaritalStatus::single << "  910,000.00" << "   30,000.00" << "";
        QTest::newRow("spouse without income: spouse allowance too") << MaritalStatus::married1 << "  880,000.00" << "   60,000.00" << "";
        QTest::newRow("joint computation: both persons' income") << MaritalStatus::married3 << "1,620,000.00" << "   60,000.00" << "";
        QTest::newRow("separate on the same return") << MaritalStatus::married4 << "  910,000.00" << "   30,000.00" << "  710,000.00";
    }

    void enteringThePageStartsTheChain()
    {
        QFETCH(MaritalStatus, status);
        QFETCH(QString, spouseLine15);
        auto w = onAllowancesPage(status);
        QVERIFY(w);
        QCOMPARE(w->solve->currentWidget(), w->TabSheet3);
        QCOMPARE(drive::focusName(), QStringLiteral("p3"));
        QTEST(text(*w, "total5m"), "line15");
        QTEST(text(*w, "dis1m"), "line14");
        // With nothing else entered yet, line 17 is line 15 at once.
        QCOMPARE(text(*w, "total6m"), text(*w, "total5m"));
        QCOMPARE(w->TabSheet3->Panel29->isHidden(), spouseLine15.isEmpty());
        if (!spouseLine15.isEmpty()) {
            QCOMPARE(text(*w, "total5f"), spouseLine15);
            QCOMPARE(text(*w, "dis1f"), QStringLiteral("   30,000.00"));
        }
        QCOMPARE(field(*w, "ch6m")->text(), QStringLiteral("0"));
        QCOMPARE(field(*w, "none1m")->text(), QString());
        QCOMPARE(field(*w, "none1m")->displayText(), QStringLiteral("  "));
    }

    void childrenAreCutToThree_data()
    {
        QTest::addColumn<MaritalStatus>("status");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QString>("firstGroup");
        QTest::addColumn<QString>("secondGroup");
        QTest::addColumn<int>("cutMessages"); // the cut is told each time a children field is left
        QTest::addColumn<QString>("line14");
        QTest::addColumn<QString>("line15");
        QTest::addColumn<int>("keptFirst"); // children counted of each group
        QTest::addColumn<int>("keptSecond");
        QTest::newRow("two and two become one and two") << MaritalStatus::single << "m" << "2" << "2" << 1 << "   79,000.00" << "  861,000.00" << 1 << 2;
        QTest::newRow("five of the first group become three") << MaritalStatus::single << "m" << "5" << "0" << 2 << "   75,000.00" << "  865,000.00" << 3 << 0;
        QTest::newRow("five of the second group become three") << MaritalStatus::single << "m" << "0" << "5" << 1 << "   81,000.00" << "  859,000.00" << 0 << 3;
        QTest::newRow("four and one become two and one") << MaritalStatus::single << "m" << "4" << "1" << 2 << "   77,000.00" << "  863,000.00" << 2 << 1;
        QTest::newRow("three of the first group need no cut") << MaritalStatus::single << "m" << "3" << "0" << 0 << "   75,000.00" << "  865,000.00" << 3 << 0;
        QTest::newRow("separate computation halves the rate") << MaritalStatus::married4 << "m" << "2" << "0" << 0 << "   45,000.00" << "  895,000.00" << 2 << 0;
        QTest::newRow("spouse always at the half rates") << MaritalStatus::married4 << "f" << "1" << "1" << 0 << "   46,000.00" << "  694,000.00" << 1 << 1;
        QTest::newRow("spouse without income: full rates and spouse allowance") << MaritalStatus::married1 << "m" << "1" << "1" << 0 << "   92,000.00" << "  848,000.00" << 1 << 1;
        QTest::newRow("a huge second group is cut, not overflowed") << MaritalStatus::single << "m" << "1" << kHuge << 1 << "   81,000.00" << "  859,000.00" << 0 << 3;
        QTest::newRow("spouse's huge second group is cut") << MaritalStatus::married4 << "f" << "0" << kHuge << 1 << "   55,500.00" << "  684,500.00" << 0 << 3;
    }

    void childrenAreCutToThree()
    {
        QFETCH(MaritalStatus, status);
        QFETCH(QString, letter);
        QFETCH(QString, firstGroup);
        QFETCH(QString, secondGroup);
        QFETCH(int, cutMessages);
        MessageCatcher messages;
        auto w = onAllowancesPage(status);
        QVERIFY(w);
        enter(*w, "ch4" + letter, firstGroup);
        // After a message box the window gets the keyboard back a moment later.
        QTRY_COMPARE(drive::focusName(), "ch5" + letter);
        walk::typeAndTab("ch5" + letter, secondGroup);
        QTRY_COMPARE(drive::focusName(), "none1" + letter);
        QCOMPARE(messages.texts, QStringList(cutMessages, kChildrenCut));
        QTEST(text(*w, "dis1" + letter), "line14");
        QTEST(text(*w, "total5" + letter), "line15");
        QCOMPARE(field(*w, "ch4" + letter)->text(), firstGroup);
        QCOMPARE(field(*w, "ch5" + letter)->text(), secondGroup);
        const tax::PersonFigures &p = letter == "m" ? w->ledger().taxpayer : w->ledger().spouse;
        QFETCH(int, keptFirst);
        QFETCH(int, keptSecond);
        QCOMPARE(p.entries[tax::entry::childrenFirstGroup], tax::children(keptFirst));
        QCOMPARE(p.entries[tax::entry::childrenSecondGroup], tax::children(keptSecond));
    }

    // A text that overflows a line is reported and not taken: the return
    // stays what the other entries give, and shows what the ledger holds.
    void anOverflowIsNotTaken_data()
    {
        QTest::addColumn<QStringList>("typed"); // field=text, left in this order
        QTest::addColumn<QStringList>("shown"); // the messages, in order
        QTest::addColumn<int>("remainderLine");
        QTest::addColumn<qint64>("remainder");
        QTest::addColumn<QString>("line14");
        QTest::newRow("social security beyond line 14") << QStringList{"ch9m=" + kHuge} << QStringList{kOverflow}
            << int(tax::total::line15) << qint64(tax::baht(910'000)) << "   30,000.00";
        QTest::newRow("capped life insurance after it") << QStringList{"ch9m=" + kHuge, "ch6m=15000"}
            << QStringList{kOverflow, kOnlyTenThousand}
            << int(tax::total::afterLine10) << qint64(tax::baht(900'000)) << "   40,000.00";
        QTest::newRow("children cut before their pricing overflows") << QStringList{"ch4m=" + kHuge, "ch5m=-100000000000000"}
            << QStringList{kChildrenCut, kChildrenCut, kOverflow}
            << int(tax::total::afterLine9) << qint64(tax::baht(865'000)) << "   75,000.00";
    }

    void anOverflowIsNotTaken()
    {
        QFETCH(QStringList, typed);
        QFETCH(int, remainderLine);
        QFETCH(qint64, remainder);
        MessageCatcher messages;
        auto w = onAllowancesPage(MaritalStatus::single);
        QVERIFY(w);
        for (const QString &entry : typed) {
            const QString name = entry.section('=', 0, 0);
            enter(*w, name, entry.section('=', 1));
            QTRY_VERIFY(!QApplication::activeModalWidget());
        }
        QTEST(messages.texts, "shown");
        QVERIFY(messages.kinds.contains(QStringLiteral("errorReport")));
        const tax::PersonFigures &p = w->ledger().taxpayer;
        QCOMPARE(p.totals[std::size_t(remainderLine)], remainder);
        QCOMPARE(text(*w, "total5m"), ui::moneyText(remainder));
        QTEST(text(*w, "dis1m"), "line14");
        QCOMPARE(text(*w, "dis1m"), ui::moneyText(p.totals[tax::total::line14]));
    }

    void itemsAboveTenThousandCountTenThousand_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("capped");
        QTest::addColumn<QString>("line15");
        QTest::addColumn<QString>("line14");
        QTest::newRow("life insurance of exactly 10,000") << "ch6m" << "10000" << false << "  900,000.00" << "   40,000.00";
        QTest::newRow("life insurance of 15,000") << "ch6m" << "15000" << true << "  900,000.00" << "   40,000.00";
        QTest::newRow("provident fund of 25,000") << "ch7m" << "25000" << true << "  900,000.00" << "   40,000.00";
        QTest::newRow("loan interest just below the limit") << "ch8m" << "9999.99" << false << "  900,000.01" << "   39,999.99";
        QTest::newRow("loan interest a satang above") << "ch8m" << "10000.01" << true << "  900,000.00" << "   40,000.00";
        QTest::newRow("social security has no limit") << "ch9m" << "50000" << false << "  860,000.00" << "   80,000.00";
        QTest::newRow("a negative amount is used as typed") << "ch6m" << "-500" << false << "  910,500.00" << "   29,500.00";
    }

    void itemsAboveTenThousandCountTenThousand()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(bool, capped);
        MessageCatcher messages;
        auto w = onAllowancesPage(MaritalStatus::single);
        QVERIFY(w);
        enter(*w, name, typed);
        QCOMPARE(messages.texts, capped ? QStringList{kOnlyTenThousand} : QStringList{});
        QTEST(text(*w, "total5m"), "line15");
        QTEST(text(*w, "dis1m"), "line14");
        QCOMPARE(field(*w, name)->text(), typed);
    }

    void donationCountsUpToOneTenthOfLineFifteen_data()
    {
        QTest::addColumn<QString>("socialSecurity");
        QTest::addColumn<QString>("donation");
        QTest::addColumn<QString>("line17");
        QTest::newRow("below the limit") << "0" << "50000" << "  860,000.00";
        QTest::newRow("exactly one tenth") << "0" << "91000" << "  819,000.00";
        QTest::newRow("above one tenth") << "0" << "100000" << "  819,000.00";
        QTest::newRow("limit of the line 15 after social security") << "10000" << "100000" << "  810,000.00";
    }

    void donationCountsUpToOneTenthOfLineFifteen()
    {
        QFETCH(QString, socialSecurity);
        QFETCH(QString, donation);
        auto w = onAllowancesPage(MaritalStatus::single);
        QVERIFY(w);
        walk::Return r;
        r.taxpayerAllowances.socialSecurity = socialSecurity;
        r.taxpayerAllowances.donation = donation;
        walk::allowances(*w, r);
        QTEST(text(*w, "total6m"), "line17");
    }

    void aDonationEnteredFirstFollowsTheLinesBeforeIt()
    {
        auto w = onAllowancesPage(MaritalStatus::single);
        QVERIFY(w);
        enter(*w, "ch10m", "50000");
        QCOMPARE(text(*w, "total6m"), QStringLiteral("  860,000.00"));
        // Back from the attachment page by the tab: social security left then
        // lowers line 15 and line 17 with it.
        drive::enter();
        QTabBar *bar = w->solve->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
        enter(*w, "ch9m", "10000");
        QCOMPARE(text(*w, "total5m"), QStringLiteral("  900,000.00"));
        QCOMPARE(text(*w, "total6m"), QStringLiteral("  850,000.00"));
    }

    void enteringAgainKeepsEveryAllowanceCounted()
    {
        MessageCatcher messages;
        auto w = onAllowancesPage(MaritalStatus::single);
        QVERIFY(w);
        enter(*w, "ch6m", "5000");
        enter(*w, "ch9m", kHuge);
        QTRY_VERIFY(w->isActiveWindow());
        // Back to the expenses page, and on again with its next button.
        QTabBar *bar = w->solve->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        QTRY_COMPARE(drive::focusName(), QStringLiteral("p1"));
        walk::expenses(*w);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        // Only the social security that overflowed was refused; the life
        // insurance still counts in line 15 as in line 14.
        QCOMPARE(messages.texts, (QStringList{kOverflow}));
        QCOMPARE(text(*w, "total5m"), QStringLiteral("  905,000.00"));
        QCOMPARE(w->ledger().taxpayer.totals[tax::total::afterLine12], tax::baht(905'000));
        QCOMPARE(text(*w, "dis1m"), QStringLiteral("   35,000.00"));
        QCOMPARE(w->ledger().taxpayer.totals[tax::total::line14], tax::baht(35'000));
    }

    void focusFlowsThroughThePersonsOnThePage_data()
    {
        QTest::addColumn<MaritalStatus>("status");
        QTest::addColumn<QStringList>("order");
        const auto fields = [](const QString &letter) {
            QStringList names{"ch4" + letter, "ch5" + letter};
            for (int row = 1; row <= 5; ++row)
                names << QStringLiteral("none%1").arg(row) + letter << QStringLiteral("ch%1").arg(row + 5) + letter;
            return names;
        };
        const QStringList question{"ok2", "can2", "ok2"};
        QTest::newRow("single") << MaritalStatus::single << QStringList{"p3"} + fields("m") + question;
        QTest::newRow("widow") << MaritalStatus::widow << QStringList{"p3"} + fields("m") + question;
        QTest::newRow("spouse without income: p4") << MaritalStatus::married1 << QStringList{"p3", "p4"} + fields("m") + question;
        QTest::newRow("joint computation: p4") << MaritalStatus::married3 << QStringList{"p3", "p4"} + fields("m") + question;
        QTest::newRow("separate on the same return: both persons") << MaritalStatus::married4
            << QStringList{"p3", "p4"} + fields("m") + fields("f") + question;
        QTest::newRow("separate returns") << MaritalStatus::married5 << QStringList{"p3"} + fields("m") + question;
    }

    void focusFlowsThroughThePersonsOnThePage()
    {
        QFETCH(MaritalStatus, status);
        QFETCH(QStringList, order);
        MessageCatcher messages;
        auto w = onAllowancesPage(status);
        QVERIFY(w);
        QCOMPARE(w->TabSheet3->p4->isHidden(), !order.contains("p4"));
        QCOMPARE(drive::focusName(), order.first());
        for (const QString &name : order.mid(1)) {
            QCOMPARE(questionInFront(*w), drive::focusName() == "ok2" || drive::focusName() == "can2");
            drive::tab();
            QCOMPARE(drive::focusName(), name);
        }
        QVERIFY(questionInFront(*w));
        QCOMPARE(messages.texts, QStringList());
        if (status == MaritalStatus::married4)
            saveScreenshot(w.get(), "allowances-question");
    }

    void widowLeavingP3AlwaysGoesToLineNine_data()
    {
        QTest::addColumn<MaritalStatus>("status");
        QTest::addColumn<QString>("focusAfter");
        QTest::newRow("widow") << MaritalStatus::widow << "ch4m";
        QTest::newRow("single goes where clicked") << MaritalStatus::single << "ch9m";
    }

    void widowLeavingP3AlwaysGoesToLineNine()
    {
        QFETCH(MaritalStatus, status);
        auto w = onAllowancesPage(status);
        QVERIFY(w);
        QTest::mouseClick(w->TabSheet3->ch9m, Qt::LeftButton);
        QTEST(drive::focusName(), "focusAfter");
    }

    void leavingP4BackwardsStillGoesToLineNine()
    {
        auto w = onAllowancesPage(MaritalStatus::married1);
        QVERIFY(w);
        drive::tab();
        QCOMPARE(drive::focusName(), QStringLiteral("p4"));
        QTest::keyClick(drive::focus(), Qt::Key_Backtab);
        QCOMPARE(drive::focusName(), QStringLiteral("ch4m"));
    }

    void receiptCountsTakeTwoDigitsOnly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("two digits") << "12" << "12";
        QTest::newRow("a third digit is not taken") << "123" << "12";
        QTest::newRow("letters are not taken") << "a5b" << "5";
    }

    void receiptCountsTakeTwoDigitsOnly()
    {
        QFETCH(QString, typed);
        auto w = onAllowancesPage(MaritalStatus::single);
        QVERIFY(w);
        QLineEdit *count = field(*w, "none3m");
        count->setFocus(Qt::MouseFocusReason);
        count->home(false);
        walk::typeText(count, typed);
        QTEST(count->text(), "kept");
    }

    void allowanceBoxesCannotBeUnticked()
    {
        auto w = onAllowancesPage(MaritalStatus::married1);
        QVERIFY(w);
        for (QCheckBox *box : {w->TabSheet3->p3, w->TabSheet3->p4}) {
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
            QVERIFY(box->isChecked());
        }
    }

    void enterInAnAllowanceFieldPressesNothing()
    {
        MessageCatcher messages;
        auto w = onAllowancesPage(MaritalStatus::single);
        QVERIFY(w);
        QLineEdit *edit = field(*w, "ch10m");
        edit->setFocus(Qt::MouseFocusReason);
        drive::enter();
        QCOMPARE(w->solve->currentWidget(), w->TabSheet3);
        QCOMPARE(drive::focus(), static_cast<QWidget *>(edit));
        QVERIFY(!questionInFront(*w));
        QCOMPARE(messages.texts, QStringList());
    }

    void textsThatAreNoNumberStopTheRule_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("report");
        QTest::addColumn<int>("entry");
        QTest::addColumn<qint64>("entryAfter");
        QTest::newRow("life insurance in words") << "" << "ch6m" << "abc" << "'abc' is not a valid floating point value" << int(tax::entry::lifeInsurance) << qint64(0);
        QTest::newRow("empty social security") << "" << "ch9m" << "" << "'' is not a valid floating point value" << int(tax::entry::socialSecurity) << qint64(0);
        QTest::newRow("donation with a comma") << "" << "ch10m" << "1,000" << "'1,000' is not a valid floating point value" << int(tax::entry::donation) << qint64(0);
        QTest::newRow("neither group counts when the second fails") << "2" << "ch5m" << "x" << "'x' is not a valid floating point value" << int(tax::entry::childrenFirstGroup) << qint64(0);
    }

    void textsThatAreNoNumberStopTheRule()
    {
        QFETCH(QString, first);
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, report);
        QFETCH(int, entry);
        QFETCH(qint64, entryAfter);
        MessageCatcher messages;
        auto w = onAllowancesPage(MaritalStatus::single);
        QVERIFY(w);
        if (!first.isEmpty())
            field(*w, "ch4m")->setText(first);
        const QString line15 = text(*w, "total5m");
        enter(*w, name, typed);
        QCOMPARE(messages.texts, QStringList{report});
        QCOMPARE(messages.kinds, QStringList{"errorReport"});
        QCOMPARE(w->ledger().taxpayer.entries[std::size_t(entry)], entryAfter);
        QCOMPARE(text(*w, "total5m"), line15);
        QVERIFY(!questionInFront(*w));
    }

    void aPastedNulShowsTheWholeReport()
    {
        MessageCatcher messages;
        auto w = onAllowancesPage(MaritalStatus::single);
        QVERIFY(w);
        QLineEdit *donation = field(*w, "ch10m");
        donation->setFocus(Qt::MouseFocusReason);
        donation->selectAll();
        QGuiApplication::clipboard()->setText(QStringLiteral("12") + QChar(0) + QStringLiteral("3"));
        QTest::keyClick(donation, Qt::Key_V, Qt::ControlModifier);
        drive::tab();
        QCOMPARE(messages.texts, QStringList{QStringLiteral("'12\uFFFD3' is not a valid floating point value")});
        QCOMPARE(w->ledger().taxpayer.entries[tax::entry::donation], 0);
    }

    void answersOpenTheAttachmentAndClearItsValues_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("yes clicked") << "ok2" << false;
        QTest::newRow("yes by Enter") << "ok2" << true;
        QTest::newRow("no clicked") << "can2" << false;
    }

    void answersOpenTheAttachmentAndClearItsValues()
    {
        QFETCH(QString, answer);
        QFETCH(bool, byEnter);
        MessageCatcher messages;
        auto w = onAllowancesPage(MaritalStatus::single);
        QVERIFY(w);
        walk::allowances(*w, walk::Return{});
        QVERIFY(questionInFront(*w));
        for (int round = 1; round <= 2; ++round) {
            if (byEnter)
                drive::enter();
            else
                QTest::mouseClick(drive::control(w.get(), qPrintable(answer)), Qt::LeftButton);
            QCOMPARE(w->solve->currentWidget(), static_cast<QWidget *>(w->TabSheet4));
            QVERIFY(w->solve->isTabShown(w->TabSheet4));
            QVERIFY(!questionInFront(*w));
            QCOMPARE(w->ledger().common[tax::shared::yearsOfWork], 0);
            QCOMPARE(w->ledger().common[tax::shared::jointLine19], 0);
            QCOMPARE(w->ledger().longestService, 0.0L);
            // Back to the allowances, and the question comes again after the donation.
            QTabBar *bar = w->solve->tabBar();
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
            QCOMPARE(drive::focusName(), QStringLiteral("p3"));
            enter(*w, "ch10m", "0");
            QCOMPARE(drive::focusName(), QStringLiteral("ok2"));
        }
        QCOMPARE(messages.texts, QStringList());
    }

    void tabFromNoReturnsToYes()
    {
        auto w = onAllowancesPage(MaritalStatus::single);
        QVERIFY(w);
        enter(*w, "ch10m", "0");
        QCOMPARE(drive::focusName(), QStringLiteral("ok2"));
        drive::tab();
        QCOMPARE(drive::focusName(), QStringLiteral("can2"));
        QTest::keyClick(drive::focus(), Qt::Key_Backtab);
        QCOMPARE(drive::focusName(), QStringLiteral("ok2"));
        drive::tab();
        drive::tab();
        QCOMPARE(drive::focusName(), QStringLiteral("ok2"));
    }

    // Both persons' panels on the page with every row; the question panel
    // alone shares its place, with the rows it lies under.
    void controlsLieInsideTheirPanelApartAndUnclipped_data()
    {
        QTest::addColumn<QString>("area");
        QTest::newRow("the page") << "TabSheet3";
        QTest::newRow("taxpayer's panel") << "Panel5";
        QTest::newRow("taxpayer's lines 10 to 16") << "receiptsm";
        QTest::newRow("question panel") << "Panel82";
        QTest::newRow("spouse's panel") << "Panel29";
        QTest::newRow("spouse's lines 10 to 16") << "receiptsf";
    }

    void controlsLieInsideTheirPanelApartAndUnclipped()
    {
        QFETCH(QString, area);
        auto w = onAllowancesPage(MaritalStatus::married4);
        QVERIFY(w);
        QWidget *parent = w->TabSheet3->objectName() == area ? w->TabSheet3 : drive::control(w.get(), qPrintable(area));
        QVERIFY(parent);
        if (parent == w->TabSheet3)
            QCOMPARE(parent->size(), QSize(789, 542));
        const QList<QWidget *> controls = parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        QVERIFY(!controls.isEmpty());
        const auto sharePlace = [](const QWidget *a, const QWidget *b) {
            const QSet<QString> names{a->objectName(), b->objectName()};
            return names == QSet<QString>{"Panel82", "receiptsm"};
        };
        for (qsizetype i = 0; i < controls.size(); ++i) {
            const QWidget *c = controls[i];
            const QString name = c->objectName().isEmpty() ? QString::fromLatin1(c->metaObject()->className()) : c->objectName();
            QVERIFY2(parent->rect().contains(c->geometry()), qPrintable(name + " outside " + area));
            for (qsizetype j = i + 1; j < controls.size(); ++j) {
                if (!sharePlace(c, controls[j]))
                    QVERIFY2(!c->geometry().intersects(controls[j]->geometry()),
                             qPrintable(name + " overlaps " + controls[j]->objectName()));
            }
            // Thai captions keep their marks above and below, and every word.
            if (const auto *label = qobject_cast<const QLabel *>(c); label && !label->text().isEmpty()) {
                const QFontMetrics metrics = label->fontMetrics();
                QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->contentsRect().width(), qPrintable(label->text()));
                QVERIFY2(metrics.height() <= label->contentsRect().height(), qPrintable(label->text()));
            } else if (const auto *button = qobject_cast<const QAbstractButton *>(c)) {
                QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->text()));
            } else if (const auto *title = qobject_cast<const ui::BevelPanel *>(c); title && !title->caption().isEmpty()) {
                QVERIFY2(QFontMetrics(title->font()).horizontalAdvance(title->caption()) <= title->contentsRect().width(),
                         qPrintable(title->caption()));
            }
        }
    }

    void tabOrderIsTheDocumentedOne()
    {
        auto w = onAllowancesPage(MaritalStatus::married4);
        QVERIFY(w);
        QStringList expected{"p3", "p4"};
        for (const QString letter : {"m", "f"}) {
            expected << "ch4" + letter << "ch5" + letter;
            for (int row = 1; row <= 5; ++row)
                expected << QStringLiteral("none%1").arg(row) + letter << QStringLiteral("ch%1").arg(row + 5) + letter;
        }
        expected << "ok2" << "can2";
        QStringList chain;
        QWidget *control = w->TabSheet3->p3;
        do {
            if (w->TabSheet3->isAncestorOf(control) && (control->focusPolicy() & Qt::TabFocus))
                chain << control->objectName();
            control = control->nextInFocusChain();
        } while (control != w->TabSheet3->p3);
        QCOMPARE(chain, expected);
    }
};

QTEST_MAIN(AllowancesPageTest)
#include "allowances_page_test.moc"
