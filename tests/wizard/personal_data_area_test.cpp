// The personal data area: the status buttons, the identity and name checks,
// the foreign-user item and what its next button hides on the later pages;
// and how the entry areas (this one, the income and expenses pages) lie on
// the sheet and in the Tab order.
#include "bevel_panel.h"
#include "fonts.h"
#include "formsolve.h"
#include "message_catcher.h"
#include "money_text.h"
#include "personal_data_area.h"
#include "screenshot.h"
#include "status_visibility.h"
#include "wizard_walk.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(tax::MaritalStatus)

namespace {

using tax::MaritalStatus;

const QString kFillEverything = QStringLiteral("กรุณากรอกข้อมูลให้ครบ !!!");
const QString kWrongCitizenId = QStringLiteral("กรุณาใส่บัตรประจำตัวประชาชนให้ถูกต้อง !!!");
const QString kWrongTaxpayerId = QStringLiteral("กรุณาใส่เลขประจำตัวผู้เสียภาษีให้ถูกต้อง !!!");

std::unique_ptr<TFormsolve> shownWizard()
{
    auto w = std::make_unique<TFormsolve>(nullptr, nullptr);
    if (!drive::showAndActivate(w.get()))
        return nullptr;
    return w;
}

void choose(TFormsolve &w, MaritalStatus status)
{
    walk::clickOn(drive::control<QRadioButton>(&w, walk::statusButton(status)));
}

bool shown(TFormsolve &w, const char *name)
{
    QWidget *control = drive::control(&w, name);
    return control && !control->isHidden();
}

QString describe(const QWidget *control)
{
    if (!control->objectName().isEmpty())
        return control->objectName();
    const auto *label = qobject_cast<const QLabel *>(control);
    return QString::fromLatin1(control->metaObject()->className()) + (label ? " \"" + label->text() + "\"" : QString());
}

// Whether the control's text is drawn whole: captions and button texts, the
// widest amount in an empty right-aligned label (a result not computed yet),
// and as many digits as a field with a length limit takes.
bool textFits(const QWidget *control)
{
    const QFontMetrics metrics = control->fontMetrics();
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        const bool amount = label->text().isEmpty() && (label->alignment() & Qt::AlignRight);
        const QString shown = amount ? ui::moneyText(-tax::baht(999'999'999)) : label->text();
        return metrics.horizontalAdvance(shown) <= label->contentsRect().width()
            && metrics.height() <= label->contentsRect().height();
    }
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->sizeHint().width() <= button->width() && metrics.height() <= button->height();
    if (const auto *field = qobject_cast<const QLineEdit *>(control)) {
        constexpr int kNoLimit = 32767; // QLineEdit's own maximum
        constexpr int kFrameAndMargins = 8;
        return field->maxLength() == kNoLimit
            || metrics.horizontalAdvance(QString(field->maxLength(), QLatin1Char('0'))) + kFrameAndMargins <= field->width();
    }
    return true;
}

// Every control inside its parent's contents (below a group box's title,
// within a panel's bevels), no two controls of one parent on top of each
// other, no text cut; hidden controls count, as they keep their place.
QStringList layoutFaults(const QWidget *parent)
{
    QStringList faults;
    const QList<QWidget *> children = parent->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < children.size(); ++i) {
        const QWidget *child = children[i];
        if (!parent->contentsRect().contains(child->geometry()))
            faults << describe(child) + " outside " + describe(parent);
        for (qsizetype j = i + 1; j < children.size(); ++j) {
            if (child->geometry().intersects(children[j]->geometry()))
                faults << describe(child) + " overlaps " + describe(children[j]);
        }
        if (!textFits(child))
            faults << describe(child) + " is cut";
        faults << layoutFaults(child);
    }
    return faults;
}

// The controls of `area` that Tab reaches, in order, starting from `first`.
QStringList tabChain(QWidget *first, const QWidget *area)
{
    QStringList names;
    QWidget *control = first;
    do {
        if ((control->focusPolicy() & Qt::TabFocus) && area->isAncestorOf(control))
            names << control->objectName();
        control = control->nextInFocusChain();
    } while (control != first);
    return names;
}

} // namespace

class PersonalDataAreaTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutions(); }

    void startsSingleWithTheSpouseHidden()
    {
        auto w = shownWizard();
        QVERIFY(w);
        QVERIFY(w->first->single->isChecked());
        QCOMPARE(w->maritalStatus(), MaritalStatus::single);
        QVERIFY(w->first->Panel74->isHidden());
        QCOMPARE(drive::focusName(), QStringLiteral("id1"));
        QVERIFY(w->first->id1->text().isEmpty());
        QVERIFY(!w->first->name1->text().isEmpty());
        QCOMPARE(w->first->id1->maxLength(), 13);
        QCOMPARE(w->first->idtax2->maxLength(), 10);
        saveScreenshot(w.get(), "personal-data");
    }

    void statusButtonsShowTheSpouse_data()
    {
        QTest::addColumn<QList<MaritalStatus>>("choices");
        QTest::addColumn<bool>("spouseShown");
        QTest::addColumn<bool>("spouseTaxNumberShown");
        QTest::addColumn<MaritalStatus>("status");
        QTest::newRow("spouse without income has no tax number") << QList{MaritalStatus::married1} << true << false << MaritalStatus::married1;
        QTest::newRow("income change within the year brings it back") << QList{MaritalStatus::married1, MaritalStatus::married2} << true << true << MaritalStatus::married2;
        QTest::newRow("joint computation") << QList{MaritalStatus::married3} << true << true << MaritalStatus::married3;
        QTest::newRow("separate on the same return") << QList{MaritalStatus::married4} << true << true << MaritalStatus::married4;
        QTest::newRow("separate returns") << QList{MaritalStatus::married5} << true << true << MaritalStatus::married5;
        QTest::newRow("single again hides the spouse") << QList{MaritalStatus::married4, MaritalStatus::single} << false << true << MaritalStatus::single;
        QTest::newRow("widowed hides the spouse") << QList{MaritalStatus::married2, MaritalStatus::widow} << false << true << MaritalStatus::widow;
    }

    void statusButtonsShowTheSpouse()
    {
        QFETCH(QList<MaritalStatus>, choices);
        QFETCH(bool, spouseShown);
        QFETCH(bool, spouseTaxNumberShown);
        QFETCH(MaritalStatus, status);
        auto w = shownWizard();
        QVERIFY(w);
        w->N1Click(); // so that the focus may leave the first field
        for (MaritalStatus choice : choices)
            choose(*w, choice);
        QCOMPARE(w->maritalStatus(), status);
        QCOMPARE(shown(*w, "Panel74"), spouseShown);
        QCOMPARE(shown(*w, "idtax2"), spouseTaxNumberShown);
        QCOMPARE(shown(*w, "Label102"), spouseTaxNumberShown);
        if (status == MaritalStatus::married1)
            saveScreenshot(w.get(), "personal-data-married1");
    }

    void identityNumbersAreChecked_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::newRow("citizen id empty") << "id1" << "" << kFillEverything;
        QTest::newRow("citizen id valid") << "id1" << "1101700203450" << "";
        QTest::newRow("citizen id wrong check digit") << "id1" << "1101700203451" << kWrongCitizenId;
        QTest::newRow("citizen id too short") << "id1" << "11017002" << kWrongCitizenId;
        QTest::newRow("citizen id with a letter") << "id1" << "110170020345x" << kWrongCitizenId;
        QTest::newRow("citizen id of blanks") << "id1" << "             " << kWrongCitizenId;
        QTest::newRow("foreign citizen id") << "id1" << "0000000000060" << "";
        QTest::newRow("tax number empty") << "idtax1" << "" << kFillEverything;
        QTest::newRow("tax number valid") << "idtax1" << "3101234565" << "";
        QTest::newRow("tax number wrong check digit") << "idtax1" << "3101234566" << kWrongTaxpayerId;
        QTest::newRow("tax number too short") << "idtax1" << "3" << kWrongTaxpayerId;
        QTest::newRow("tax number with Thai digits") << "idtax1" << "๓๑๐๑๒๓๔๕๖๕" << kWrongTaxpayerId;
        QTest::newRow("foreign tax number") << "idtax1" << "1111111111" << "";
        QTest::newRow("spouse citizen id checked too") << "id2" << "3100600123451" << kWrongCitizenId;
        QTest::newRow("spouse tax number checked too") << "idtax2" << "" << kFillEverything;
        QTest::newRow("empty name") << "name1" << "" << kFillEverything;
        QTest::newRow("name of blanks is filled in") << "name1" << "  " << "";
        QTest::newRow("empty surname") << "surname1" << "" << kFillEverything;
        QTest::newRow("empty spouse name") << "name2" << "" << kFillEverything;
        QTest::newRow("empty spouse surname") << "surname2" << "" << kFillEverything;
        QTest::newRow("address takes anything") << "road1" << "" << "";
    }

    void identityNumbersAreChecked()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        MessageCatcher messages;
        auto w = shownWizard();
        QVERIFY(w);
        w->N1Click();
        choose(*w, MaritalStatus::married4);
        auto *edit = drive::control<QLineEdit>(w.get(), qPrintable(field));
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
        if (typed.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            walk::typeText(edit, typed);
        drive::tab();
        if (message.isEmpty()) {
            QCOMPARE(messages.texts, QStringList());
            QVERIFY(drive::focus() != edit);
            return;
        }
        QCOMPARE(messages.texts, QStringList{message});
        QCOMPARE(messages.kinds, QStringList{"message"});
        QTRY_COMPARE(drive::focus(), edit);
        QCOMPARE(edit->text(), typed.left(edit->maxLength()));
        // The check runs again each time the field is left.
        drive::tab();
        QCOMPARE(messages.texts, (QStringList{message, message}));
        QTRY_COMPARE(drive::focus(), edit);
    }

    void keyboardAloneChoosesTheStatusAndMovesThroughThePanels()
    {
        MessageCatcher messages;
        auto w = shownWizard();
        QVERIFY(w);
        w->N1Click();
        for (const char *name : {"idtax1", "name1", "surname1", "number1", "lane1", "group1", "road1", "ad1",
                                 "area1", "province1", "homephone1", "workphone1", "zipcode1", "single"}) {
            drive::tab();
            QCOMPARE(drive::focusName(), QString::fromLatin1(name));
        }
        // The arrow keys choose within the status panel: down the first column,
        // then across to the second.
        QStringList visited;
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Up}) {
            QTest::keyClick(drive::focus(), key);
            visited << drive::focusName();
        }
        QCOMPARE(visited, (QStringList{"widow", "married1", "married2", "married5", "married4"}));
        QCOMPARE(w->maritalStatus(), MaritalStatus::married4);
        QVERIFY(!w->first->Panel74->isHidden());
        drive::tab();
        QCOMPARE(drive::focusName(), QStringLiteral("id2"));
        for (int i = 0; i < 13; ++i)
            drive::tab();
        QCOMPARE(drive::focusName(), QStringLiteral("zipcode2"));
        drive::tab();
        QCOMPARE(drive::focusName(), QStringLiteral("ok1"));
        drive::enter();
        QCOMPARE(w->areas().front(), static_cast<QWidget *>(w->solve));
        QCOMPARE(messages.texts, QStringList());
    }

    void numbersLongerThanTheFieldAreCut()
    {
        auto w = shownWizard();
        QVERIFY(w);
        walk::typeText(w->first->id1, "110170020345099");
        QCOMPARE(w->first->id1->text(), QStringLiteral("1101700203450"));
        w->first->idtax1->setFocus(Qt::MouseFocusReason);
        walk::typeText(w->first->idtax1, "310123456599");
        QCOMPARE(w->first->idtax1->text(), QStringLiteral("3101234565"));
    }

    void foreignUserItemFillsBothPersonsWithoutAMessage()
    {
        MessageCatcher messages;
        auto w = shownWizard();
        QVERIFY(w);
        w->N1->trigger();
        QCOMPARE(w->first->id1->text(), QStringLiteral("0000000000060"));
        QCOMPARE(w->first->idtax1->text(), QStringLiteral("1111111111"));
        QCOMPARE(w->first->id2->text(), QStringLiteral("0000000000060"));
        QCOMPARE(w->first->idtax2->text(), QStringLiteral("1111111111"));
        QVERIFY(w->first->Panel74->isHidden());
        QCOMPARE(messages.texts, QStringList());
        // The numbers filled in pass their checks when the fields are left.
        drive::tab();
        drive::tab();
        QCOMPARE(drive::focusName(), QStringLiteral("name1"));
        QCOMPARE(messages.texts, QStringList());
    }

    void nextButtonHidesTheSpouseControlsOfTheStatus_data()
    {
        const QStringList spouseIncome{"Panel17", "Panel25", "p2"};
        const QStringList spouseResults{"copyoftotal3f", "total4f", "Label36", "Label39", "Label160", "Label161", "Panel29"};
        const QStringList setOff{"Label69", "Label70", "Label228", "Label230", "total24m", "total25m", "choice1m", "choice2m"};
        const QStringList spouseTax{"Panel48", "Panel49"};
        const QStringList attachmentSpouse{"Panel78", "ch11f", "ch15f", "cname2", "total14f", "Label139"};
        QTest::addColumn<MaritalStatus>("status");
        QTest::addColumn<QStringList>("hidden");
        QTest::addColumn<QStringList>("disabled");
        QTest::addColumn<QStringList>("kept");
        const QStringList full = spouseIncome + spouseResults + spouseTax + attachmentSpouse;
        QTest::newRow("single hides the whole spouse") << MaritalStatus::single << (full + QStringList{"p4"}) << setOff << QStringList{"Panel1", "p1", "total4m"};
        QTest::newRow("widow hides the whole spouse") << MaritalStatus::widow << (full + QStringList{"p4"}) << setOff << QStringList{};
        QTest::newRow("spouse without income keeps p4") << MaritalStatus::married1 << full << setOff << QStringList{"p4"};
        QTest::newRow("income change within the year") << MaritalStatus::married2 << (full + QStringList{"p4"}) << setOff << QStringList{};
        QTest::newRow("joint computation keeps the spouse's entries") << MaritalStatus::married3 << (spouseResults + spouseTax) << setOff << (spouseIncome + attachmentSpouse + QStringList{"p4"});
        QTest::newRow("separate on the same return keeps everything") << MaritalStatus::married4 << QStringList{} << QStringList{} << (full + setOff + QStringList{"p4"});
        QTest::newRow("separate returns") << MaritalStatus::married5 << (full + QStringList{"p4"}) << setOff << QStringList{};
    }

    void nextButtonHidesTheSpouseControlsOfTheStatus()
    {
        QFETCH(MaritalStatus, status);
        QFETCH(QStringList, hidden);
        QFETCH(QStringList, disabled);
        QFETCH(QStringList, kept);
        MessageCatcher messages;
        auto w = shownWizard();
        QVERIFY(w);
        w->N1Click();
        choose(*w, status);
        w->first->ok1->click();
        QCOMPARE(w->areas().front(), static_cast<QWidget *>(w->solve));
        for (const QString &name : hidden) {
            QWidget *control = w->findChild<QWidget *>(name);
            QVERIFY2(control, qPrintable(name));
            QVERIFY2(control->isHidden(), qPrintable(name + " should be hidden"));
        }
        // Disabled by the status itself, not merely by lying on a page whose
        // tab is not shown yet.
        for (const QString &name : disabled) {
            QWidget *control = w->findChild<QWidget *>(name);
            QVERIFY2(control && !control->isHidden() && control->testAttribute(Qt::WA_ForceDisabled),
                     qPrintable(name + " should be greyed"));
        }
        for (const QString &name : kept) {
            QWidget *control = w->findChild<QWidget *>(name);
            QVERIFY2(control, qPrintable(name));
            QVERIFY2(!control->isHidden() && !control->testAttribute(Qt::WA_ForceDisabled),
                     qPrintable(name + " should stay"));
        }
        QCOMPARE(messages.texts, QStringList());
    }

    void areasLieOnTheSheetWithoutOverlaps_data()
    {
        QTest::addColumn<QString>("area");
        QTest::newRow("personal data") << "first";
        QTest::newRow("income") << "TabSheet1";
        QTest::newRow("expenses") << "TabSheet2";
    }

    void areasLieOnTheSheetWithoutOverlaps()
    {
        QFETCH(QString, area);
        auto w = shownWizard();
        QVERIFY(w);
        QWidget *shownArea = drive::control(w.get(), qPrintable(area));
        QVERIFY(shownArea);
        // A page gets the size the page control gives it once it is shown.
        if (w->solve->indexOf(shownArea) >= 0) {
            w->areas().bringToFront(w->solve);
            w->openPage(shownArea);
        }
        const QStringList faults = layoutFaults(shownArea);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

    void tabFollowsTheForm_data()
    {
        const auto personFields = [](const char *digit) {
            QStringList names;
            for (const char *field : {"id", "idtax", "name", "surname", "number", "lane", "group", "road", "ad",
                                      "area", "province", "homephone", "workphone", "zipcode"})
                names << QString::fromLatin1(field) + digit;
            return names;
        };
        const QStringList status{"single", "widow", "married1", "married2", "married3", "married4", "married5"};
        QTest::addColumn<QString>("area");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("personal data: taxpayer, status, spouse")
            << "first" << (personFields("1") + status + personFields("2") + QStringList{"ok1"});
        QTest::newRow("income: taxpayer's lines, then the spouse's")
            << "TabSheet1" << QStringList{"ch1m", "ch2m", "ch3m", "ch1f", "ch2f", "ch3f", "Okbut1"};
        QTest::newRow("expenses") << "TabSheet2" << QStringList{"p1", "p2", "Okbut2"};
    }

    void tabFollowsTheForm()
    {
        QFETCH(QString, area);
        QFETCH(QStringList, order);
        auto w = shownWizard();
        QVERIFY(w);
        QWidget *first = drive::control(w.get(), qPrintable(order.first()));
        const QWidget *shownArea = drive::control(w.get(), qPrintable(area));
        QVERIFY(first && shownArea);
        QCOMPARE(tabChain(first, shownArea), order);
    }

    void everyNameOfTheTableIsAControlOfTheWizard()
    {
        auto w = shownWizard();
        QVERIFY(w);
        // Every name must match a control, or a misspelt name would leave a
        // spouse control shown.
        for (const char *name : ui::statusControlNames())
            QVERIFY2(w->findChild<QWidget *>(QLatin1StringView(name)), name);
    }
};

QTEST_MAIN(PersonalDataAreaTest)
#include "personal_data_area_test.moc"
