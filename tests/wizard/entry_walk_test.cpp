// Whole returns walked with the keyboard from the personal data area to the
// question panel, checking every line the entry pages show.
#include "fonts.h"
#include "formsolve.h"
#include "message_catcher.h"
#include "screenshot.h"
#include "wizard_walk.h"

#include <QLabel>
#include <QTest>

#include <map>

Q_DECLARE_METATYPE(walk::Return)

namespace {

using Lines = std::map<QString, QString>; // result label -> text shown

const QString kOnlyTenThousand = QStringLiteral("จำนวนเงินที่ท่านใส่จะนำมาคำนวณเพียง 10,000 บาท เท่านั้น!!!");

walk::Allowances allowances(const char *first, const char *second, const char *life, const char *fund,
                            const char *loan, const char *social, const char *donation)
{
    return {first, second, life, fund, loan, social, donation};
}

} // namespace

class EntryWalkTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutions(); }

    void everyLineOfTheEntryPages_data()
    {
        QTest::addColumn<walk::Return>("input");
        QTest::addColumn<QStringList>("messagesShown");
        QTest::addColumn<Lines>("lines");

        walk::Return single;
        single.taxpayerIncome = {"1000000", "50000", "0"};
        single.taxpayerAllowances = allowances("1", "1", "15000", "5000", "10000", "9000", "50000");
        QTest::newRow("single") << single << QStringList{kOnlyTenThousand} << Lines{
            {"total1m", "  950,000.00"}, {"total2m", "   60,000.00"}, {"copyoftotal3m", "   60,000.00"},
            {"total4m", "  890,000.00"}, {"dis1m", "   96,000.00"}, {"total5m", "  794,000.00"},
            {"total6m", "  744,000.00"}};

        walk::Return separate = single;
        separate.status = tax::MaritalStatus::married4;
        separate.taxpayerAllowances.donation = "100000";
        separate.spouseIncome = {"800000", "0", "20000"};
        separate.spouseAllowances = allowances("0", "2", "8000", "12000", "0", "9000", "10000");
        QTest::newRow("separate on the same return") << separate << QStringList{kOnlyTenThousand, kOnlyTenThousand} << Lines{
            {"total1m", "  950,000.00"}, {"total2m", "   60,000.00"}, {"copyoftotal3m", "   60,000.00"},
            {"total4m", "  890,000.00"}, {"dis1m", "   80,000.00"}, {"total5m", "  810,000.00"},
            {"total6m", "  729,000.00"},
            {"total1f", "  820,000.00"}, {"total2f", "   60,000.00"}, {"copyoftotal3f", "   60,000.00"},
            {"total4f", "  760,000.00"}, {"dis1f", "   74,000.00"}, {"total5f", "  686,000.00"},
            {"total6f", "  676,000.00"}};
    }

    void everyLineOfTheEntryPages()
    {
        QFETCH(walk::Return, input);
        QFETCH(QStringList, messagesShown);
        QFETCH(Lines, lines);
        MessageCatcher messages;
        TFormsolve w(nullptr, nullptr);
        QVERIFY(drive::showAndActivate(&w));
        const QString prefix = QString::fromLatin1(walk::statusButton(input.status)) + "-";

        walk::personalData(w, input);
        QVERIFY(!QTest::currentTestFailed());
        saveScreenshot(&w, prefix + "1-income");
        walk::income(w, input);
        QVERIFY(!QTest::currentTestFailed());
        saveScreenshot(&w, prefix + "2-expenses");
        walk::expenses(w);
        QVERIFY(!QTest::currentTestFailed());
        walk::allowances(w, input);
        QVERIFY(!QTest::currentTestFailed());
        saveScreenshot(&w, prefix + "3-allowances-question");

        for (const auto &[label, shown] : lines)
            QCOMPARE(drive::control<QLabel>(&w, qPrintable(label))->text(), shown);
        QCOMPARE(messages.texts, messagesShown);
    }
};

QTEST_MAIN(EntryWalkTest)
#include "entry_walk_test.moc"
