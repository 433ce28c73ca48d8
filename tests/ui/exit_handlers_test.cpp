// The exit-handler mechanism, the message helper and the default error report,
// on a small window of their own.
#include "amount_text.h"
#include "exit_handlers.h"
#include "message_catcher.h"
#include "messages.h"
#include "window_driver.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A window with two fields and a button; the first field has a handler that
// the test programs.
struct TestWindow {
    QWidget window;
    QLineEdit *field = new QLineEdit(&window);
    QLineEdit *next = new QLineEdit(&window);
    QPushButton *button = new QPushButton("OK", &window);
    ui::ExitHandlers exits{&window};
    int runs = 0;
    int clicks = 0;
    QWidget *receiving = nullptr;
    std::function<void()> body = [] {};

    TestWindow()
    {
        field->setObjectName("field");
        next->setObjectName("next");
        button->setObjectName("button");
        auto *layout = new QVBoxLayout(&window);
        for (QWidget *w : std::initializer_list<QWidget *>{field, next, button})
            layout->addWidget(w);
        exits.setHandler(field, [this](QWidget *to) {
            ++runs;
            receiving = to;
            body();
        });
        exits.setDefaultButton(&window, button);
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
    }

    void refuseWithMessage()
    {
        body = [this] {
            ui::showMessage(&window, QStringLiteral("กรุณากรอกข้อมูลให้ครบ !!!"));
            exits.refuse(field);
        };
    }
};

} // namespace

class ExitHandlersTest : public QObject {
    Q_OBJECT

private slots:
    void handlerSeesTheControlReceivingFocus_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("tab") << 0;
        QTest::newRow("click") << 1;
        QTest::newRow("code") << 2;
    }

    void handlerSeesTheControlReceivingFocus()
    {
        QFETCH(int, how);
        TestWindow t;
        QVERIFY(drive::showAndActivate(&t.window));
        t.field->setFocus();
        if (how == 0)
            QTest::keyClick(t.field, Qt::Key_Tab);
        else if (how == 1)
            QTest::mouseClick(t.next, Qt::LeftButton);
        else
            t.next->setFocus();
        QCOMPARE(t.runs, 1);
        QCOMPARE(t.receiving, t.next);
        QCOMPARE(drive::focus(), t.next);
    }

    void refusedFieldKeepsFocusAndRunsOnceAgainNextTime()
    {
        TestWindow t;
        MessageCatcher messages;
        t.refuseWithMessage();
        QVERIFY(drive::showAndActivate(&t.window));
        t.field->setFocus();
        QTest::keyClick(t.field, Qt::Key_Tab);
        QTRY_COMPARE(drive::focus(), t.field);
        QCOMPARE(t.runs, 1); // the box taking and giving back the focus ran nothing
        QCOMPARE(messages.texts, QStringList{QStringLiteral("กรุณากรอกข้อมูลให้ครบ !!!")});
        QTest::keyClick(t.field, Qt::Key_Tab);
        QCOMPARE(t.runs, 2);
        QCOMPARE(messages.texts.size(), 2);
    }

    void focusMovedByTheHandlerRunsNoOtherHandler()
    {
        TestWindow t;
        int nextRuns = 0;
        t.exits.setHandler(t.next, [&](QWidget *) { ++nextRuns; });
        t.body = [&] { t.button->setFocus(); };
        QVERIFY(drive::showAndActivate(&t.window));
        t.field->setFocus();
        QTest::keyClick(t.field, Qt::Key_Tab);
        QCOMPARE(drive::focus(), t.button);
        QCOMPARE(nextRuns, 0);
        QCOMPARE(t.runs, 1);
    }

    void conversionErrorShowsTheRuntimeTextAndStopsTheHandler()
    {
        TestWindow t;
        MessageCatcher messages;
        bool reachedTheEnd = false;
        t.body = [&] {
            tax::parseAmount(t.field->text().toStdString());
            reachedTheEnd = true;
        };
        QVERIFY(drive::showAndActivate(&t.window));
        t.field->setText("1.2.3");
        t.field->setFocus();
        QTest::keyClick(t.field, Qt::Key_Tab);
        QVERIFY(!reachedTheEnd);
        QCOMPARE(messages.texts, QStringList{"'1.2.3' is not a valid floating point value"});
        QCOMPARE(messages.kinds, QStringList{"errorReport"});
        QTRY_COMPARE(drive::focus(), t.next); // an error does not put the focus back
    }

    void overflowShowsTheFloatingPointText()
    {
        MessageCatcher messages;
        QWidget parent;
        QVERIFY(!ui::runGuarded(&parent, [] { tax::parseAmount("1e300"); }));
        QCOMPARE(messages.texts, QStringList{"Invalid floating point operation"});
    }

    // A text typed without end is shortened in the middle; the box keeps the
    // start and end of what was typed and stays on a small screen.
    void aLongEntryIsShortenedInTheBoxThatReportsIt_data()
    {
        const QString letters = QString(1500, u'a') + QString(1500, u'z');
        // A consonant and its tone mark, one grapheme, after one letter: the
        // start kept ends before the grapheme that the 20th character is in.
        const QString thai = "x" + QString::fromUtf8("ก่").repeated(200);
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("shown");
        QTest::newRow("short, whole") << QString(48, u'W') << QString(48, u'W');
        QTest::newRow("3,000 letters") << letters
                                       << QString(20, u'a') + " … 2,960 characters left out … " + QString(20, u'z');
        QTest::newRow("tone marks stay on their consonant")
            << thai << thai.left(19) + " … 362 characters left out … " + thai.right(20);
    }

    void aLongEntryIsShortenedInTheBoxThatReportsIt()
    {
        QFETCH(QString, entry);
        QFETCH(QString, shown);
        MessageCatcher messages;
        QWidget parent;
        QVERIFY(!ui::runGuarded(&parent, [&] { tax::parseAmount(entry.toStdString()); }));
        QCOMPARE(messages.texts, QStringList{"'" + shown + "' is not a valid floating point value"});
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(screen.contains(messages.geometries.first()), qPrintable(QString("%1 x %2").arg(
            messages.geometries.first().width()).arg(messages.geometries.first().height())));
    }

    void anythingElseThrownIsReportedAndStopsTheHandler()
    {
        MessageCatcher messages;
        QWidget parent;
        bool reachedTheEnd = false;
        QVERIFY(!ui::runGuarded(&parent, [&] {
            throw 42;
            reachedTheEnd = true;
        }));
        QVERIFY(!reachedTheEnd);
        QCOMPARE(messages.kinds, QStringList{"errorReport"});
        QCOMPARE(messages.texts.size(), 1);
    }

    void enterRunsTheHandlerBeforePressingTheDefaultButton_data()
    {
        QTest::addColumn<int>("outcome"); // 0 accept, 1 refuse, 2 conversion error
        QTest::addColumn<int>("clicks");
        QTest::newRow("accepted") << 0 << 1;
        QTest::newRow("refused") << 1 << 0;
        QTest::newRow("error") << 2 << 0;
    }

    void enterRunsTheHandlerBeforePressingTheDefaultButton()
    {
        QFETCH(int, outcome);
        QFETCH(int, clicks);
        TestWindow t;
        MessageCatcher messages;
        int runsWhenClicked = -1;
        QObject::connect(t.button, &QPushButton::clicked, [&] {
            runsWhenClicked = t.runs;
            t.next->setFocus(); // the button moves on, as the next buttons do
        });
        if (outcome == 1)
            t.refuseWithMessage();
        if (outcome == 2)
            t.body = [] { tax::parseAmount("x"); };
        QVERIFY(drive::showAndActivate(&t.window));
        t.field->setFocus();
        QTest::keyClick(t.field, Qt::Key_Return);
        QCOMPARE(t.clicks, clicks);
        QCOMPARE(t.runs, 1); // not run again when the button moved the focus on
        if (clicks) {
            QCOMPARE(runsWhenClicked, 1);
            QCOMPARE(t.receiving, t.button);
            QCOMPARE(drive::focus(), t.next);
        } else {
            QTRY_COMPARE(drive::focus(), t.field);
            QCOMPARE(messages.texts.size(), 1);
        }
    }

    void enterPressesAFocusedButton()
    {
        TestWindow t;
        QVERIFY(drive::showAndActivate(&t.window));
        t.button->setFocus();
        const int runsBefore = t.runs;
        QTest::keyClick(t.button, Qt::Key_Return);
        QCOMPARE(t.clicks, 1);
        QCOMPARE(t.runs, runsBefore);
    }

    // A handler that keeps the focus, or sends it on to where the step
    // continues, stops the click that left its field.
    void clickOnAButtonThatTheHandlerDidNotLetTheFocusReachDoesNotPressIt_data()
    {
        QTest::addColumn<bool>("refuses");
        QTest::addColumn<QString>("focusAfter");
        QTest::addColumn<int>("messagesShown");
        QTest::newRow("refused") << true << "field" << 1;
        QTest::newRow("focus sent to another field") << false << "next" << 0;
    }

    void clickOnAButtonThatTheHandlerDidNotLetTheFocusReachDoesNotPressIt()
    {
        QFETCH(bool, refuses);
        QFETCH(QString, focusAfter);
        QFETCH(int, messagesShown);
        TestWindow t;
        MessageCatcher messages;
        if (refuses)
            t.refuseWithMessage();
        else
            t.body = [&t] { t.next->setFocus(Qt::OtherFocusReason); };
        t.button->setFocusPolicy(Qt::StrongFocus);
        QVERIFY(drive::showAndActivate(&t.window));
        t.field->setFocus();
        QTest::mouseClick(t.button, Qt::LeftButton);
        QCOMPARE(t.clicks, 0);
        QVERIFY(!t.button->isDown());
        QTRY_COMPARE(drive::focusName(), focusAfter);
        QCOMPARE(messages.texts.size(), messagesShown);
        t.field->setFocus();
        // Once the field is accepted, the next click works.
        t.body = [] {};
        QTest::qWait(20);
        QTest::mouseClick(t.button, Qt::LeftButton);
        QCOMPARE(t.clicks, 1);
    }

    void aFieldsContextMenuOpensOnlyWhereTheFocusIs()
    {
        // The menu of a field could change its text (paste, undo) though the
        // focus never reached it: here a refused field keeps the focus.
        struct MenuCounter : QObject {
            int menus = 0;
            bool eventFilter(QObject *, QEvent *event) override
            {
                if (event->type() != QEvent::ContextMenu)
                    return false;
                ++menus;
                return true;
            }
        } counter;
        TestWindow t;
        MessageCatcher messages;
        t.refuseWithMessage();
        QVERIFY(drive::showAndActivate(&t.window));
        t.next->installEventFilter(&counter);
        t.field->setFocus();
        QTest::mousePress(t.next, Qt::RightButton);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(2, 2), t.next->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(t.next, &menu);
        QTest::mouseRelease(t.next, Qt::RightButton);
        QCOMPARE(counter.menus, 0);
        QCOMPARE(messages.texts.size(), 1);
        QTRY_COMPARE(drive::focus(), t.field);
        // Once the field has the focus, a right click gets its menu.
        t.body = [] {};
        t.next->setFocus();
        QCOMPARE(drive::focus(), t.next);
        QApplication::sendEvent(t.next, &menu);
        QCOMPARE(counter.menus, 1);
    }

    void aRefusedControlThatCannotBeReachedIsLetGo()
    {
        TestWindow t;
        MessageCatcher messages;
        // The field is gone from view by the time its handler refuses it, as
        // when its page is turned away: the focus is not sent into hiding.
        t.body = [&t] {
            t.field->hide();
            t.exits.refuse(t.field);
        };
        QVERIFY(drive::showAndActivate(&t.window));
        t.field->setFocus();
        QTest::keyClick(t.field, Qt::Key_Tab);
        QCOMPARE(t.runs, 1);
        QCOMPARE(drive::focus(), t.next);
        QTest::qWait(50);
        QCOMPARE(t.runs, 1);
    }

    void aRefusedControlIsBroughtBackWhereItCanBe()
    {
        TestWindow t;
        bool revealed = false;
        t.exits.setRevealer([&](QWidget *control) {
            revealed = true;
            control->show();
            return true;
        });
        t.body = [&t] {
            t.field->hide();
            t.exits.refuse(t.field);
        };
        QVERIFY(drive::showAndActivate(&t.window));
        t.field->setFocus();
        QTest::keyClick(t.field, Qt::Key_Tab);
        QVERIFY(revealed);
        QCOMPARE(drive::focus(), t.field);
    }

    void focusFromAnotherWindowRunsNothing()
    {
        TestWindow t;
        QVERIFY(drive::showAndActivate(&t.window));
        t.field->setFocus();
        QWidget other;
        QVERIFY(drive::showAndActivate(&other));
        QVERIFY(drive::showAndActivate(&t.window));
        QCOMPARE(t.runs, 0);
        QCOMPARE(drive::focus(), t.field);
    }
};

QTEST_MAIN(ExitHandlersTest)
#include "exit_handlers_test.moc"
