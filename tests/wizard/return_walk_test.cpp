// Whole returns entered with the keyboard alone, from the personal data area
// through the answer "ไม่", the tax computation and on to the refund page,
// checking lines 18 to 28, the radio buttons, and the refund page's blocks,
// buttons and focus.
#include "bevel_panel.h"
#include "fonts.h"
#include "formsolve.h"
#include "message_catcher.h"
#include "screenshot.h"
#include "wizard_walk.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <map>

namespace {

using Lines = std::map<QString, QString>; // label -> text shown

// What is typed on the tax computation page: withheld and paid of each person.
struct Credits {
    QString taxpayerWithheld, taxpayerPaid;
    QString spouseWithheld, spousePaid;
};

// The refund page as the user finds it.
struct Refund {
    bool taxpayerBlock = false;
    bool spouseBlock = false;
    int buttonsTop = 503;
    QString focus;
};

QStringList checkedChoices(const TFormsolve &w)
{
    QStringList checked;
    for (QRadioButton *button : w.TabSheet5->findChildren<QRadioButton *>()) {
        if (button->isChecked())
            checked << button->objectName();
    }
    checked.sort();
    return checked;
}

} // namespace

Q_DECLARE_METATYPE(tax::MaritalStatus)
Q_DECLARE_METATYPE(Credits)
Q_DECLARE_METATYPE(Lines)
Q_DECLARE_METATYPE(Refund)

class ReturnWalkTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutions(); }

    void wholeReturnWithTheKeyboardAlone_data()
    {
        QTest::addColumn<tax::MaritalStatus>("status");
        QTest::addColumn<Credits>("credits");
        QTest::addColumn<Lines>("lines");
        QTest::addColumn<QStringList>("checked");
        QTest::addColumn<Refund>("refund");

        // Line 17 744,000: 5,000 + 40,000 + 48,800.
        QTest::newRow("single still owes")
            << tax::MaritalStatus::single << Credits{"90000", "0", {}, {}}
            << Lines{{"total19m", "   93,800.00"}, {"total22m", "    3,800.00"}, {"total23m", "        0.00"},
                     {"total27m", "    3,800.00"}, {"total28m", "    3,800.00"}}
            << QStringList{"choice3m"} << Refund{false, false, 230, "Button1"};

        // Line 17 of both together 1,474,000: 145,000 + 142,200.
        QTest::newRow("joint computation overpaid")
            << tax::MaritalStatus::married3 << Credits{"290000", "10000", {}, {}}
            << Lines{{"total19m", "  287,200.00"}, {"total22m", "        0.00"}, {"total23m", "   12,800.00"},
                     {"total27m", "   12,800.00"}, {"total28m", "   12,800.00"}}
            << QStringList{"choice4m"} << Refund{true, false, 503, "R1"};

        // Lines 17 of 729,000 and 676,000: taxes of 90,800 and 80,200. The
        // taxpayer's 1,200.00 overpaid takes up the spouse's 200.00 to pay.
        QTest::newRow("separate computation set off")
            << tax::MaritalStatus::married4 << Credits{"92000", "0", "80000", "0"}
            << Lines{{"total19m", "   90,800.00"}, {"total19f", "   80,200.00"}, {"total23m", "    1,200.00"},
                     {"total22f", "      200.00"}, {"total24m", "      200.00"}, {"total24f", "      200.00"},
                     {"total25m", "    1,000.00"}, {"total27m", "    1,000.00"}, {"total25f", "        0.00"},
                     {"total27f", "        0.00"}, {"total28m", "    1,000.00"}}
            << QStringList{"choice2m", "choice4m"} << Refund{true, false, 503, "R1"};

        // The spouse's 3,000.00 overpaid is more than the taxpayer's 800.00.
        QTest::newRow("separate computation, spouse refunded")
            << tax::MaritalStatus::married4 << Credits{"90000", "0", "83200", "0"}
            << Lines{{"total22m", "      800.00"}, {"total23f", "    3,000.00"}, {"total24m", "      800.00"},
                     {"total27m", "        0.00"}, {"total27f", "    2,200.00"}, {"total28f", "    2,200.00"}}
            << QStringList{"choice2f", "choice4f"} << Refund{false, true, 503, "R5"};
    }

    void wholeReturnWithTheKeyboardAlone()
    {
        QFETCH(tax::MaritalStatus, status);
        QFETCH(Credits, credits);
        QFETCH(Lines, lines);
        QFETCH(QStringList, checked);
        QFETCH(Refund, refund);
        MessageCatcher messages;
        TFormsolve w(nullptr, nullptr);
        QVERIFY(drive::showAndActivate(&w));

        walk::toQuestion(w, walk::sampleReturn(status));
        QVERIFY(!QTest::currentTestFailed());
        // "ไม่": the attachment opens under its cover, and Enter goes on.
        drive::tab();
        QCOMPARE(drive::focusName(), QString("can2"));
        drive::enter();
        QCOMPARE(drive::focusName(), QString("BitBtn6"));
        drive::enter();
        QCOMPARE(w.solve->currentWidget(), static_cast<QWidget *>(w.TabSheet5));

        walk::typeCredits("m", credits.taxpayerWithheld, credits.taxpayerPaid);
        if (status == tax::MaritalStatus::married4)
            walk::typeCredits("f", credits.spouseWithheld, credits.spousePaid);
        QVERIFY(!QTest::currentTestFailed());
        QCOMPARE(checkedChoices(w), checked);
        drive::enter();
        QCOMPARE(w.solve->currentWidget(), static_cast<QWidget *>(w.TabSheet6));

        for (const auto &[label, shown] : lines)
            QCOMPARE(drive::control<QLabel>(&w, qPrintable(label))->text(), shown);
        QCOMPARE(w.TabSheet6->Panel84->isVisible(), refund.taxpayerBlock);
        QCOMPARE(w.TabSheet6->panel85->isVisible(), refund.spouseBlock);
        QCOMPARE(w.TabSheet6->Button1->y(), refund.buttonsTop);
        QCOMPARE(w.TabSheet6->Button2->y(), refund.buttonsTop);
        QCOMPARE(drive::focusName(), refund.focus);
        QVERIFY(messages.kinds.indexOf("errorReport") < 0);
        saveScreenshot(&w, QStringLiteral("walk-refund-") + QString::fromLatin1(walk::statusButton(status)));
    }
};

QTEST_MAIN(ReturnWalkTest)
#include "return_walk_test.moc"
