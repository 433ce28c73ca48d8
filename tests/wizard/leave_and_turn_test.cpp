// Every way of leaving a refused field or turning its page: one message, the
// page kept, the focus back on the field, the ledger unchanged, and nothing
// that comes back by itself. Also the faults found by trying to break the
// window: a handler run twice, a crash on closing, a double click pressing two
// buttons.
#include "attachment_wizard.h"
#include "expenses_page.h"
#include "fonts.h"
#include "formsolve.h"
#include "income_page.h"
#include "live_windows.h"
#include "message_catcher.h"
#include "personal_data_area.h"
#include "tax_computation_page.h"
#include "window_driver.h"

#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <functional>
#include <memory>

namespace {

const QString kFiguresOnly = QStringLiteral("กรุณาใส่เฉพาะตัวเลข  !!!");

using Leave = std::function<void(TFormsolve &)>;

// The income page with the expenses page's tab shown too, and "abc" typed
// into line 2, which refuses it.
std::unique_ptr<TFormsolve> refusedOnIncomePage()
{
    auto w = std::make_unique<TFormsolve>(nullptr, nullptr);
    if (!drive::showAndActivate(w.get()))
        return nullptr;
    w->N1Click();
    w->first->ok1->click();
    w->TabSheet1->Okbut1->click();
    QTabBar *bar = w->solve->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    drive::typeInto(w->TabSheet1->ch2m, QStringLiteral("abc"));
    return w;
}

void wheelOverTabs(TFormsolve &w, int angle)
{
    QTabBar *bar = w.solve->tabBar();
    const QPointF at = bar->tabRect(0).center();
    QWheelEvent wheel(at, bar->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(bar, &wheel);
}

// A double click as the window system delivers it: press, release, and a
// second press that Qt turns into a double click.
void doubleClick(QWidget *control)
{
    QWidget *window = control->window();
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {},
                       control->mapTo(window, control->rect().center()));
}

void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(drive::focus(), Qt::Key(key), modifiers);
}

} // namespace

Q_DECLARE_METATYPE(Leave)

class LeaveAndTurnTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutions(); }

    void refusedFieldHoldsAgainstEveryWayOut_data()
    {
        QTest::addColumn<Leave>("leave");
        QTest::newRow("Tab") << Leave([](TFormsolve &) { key(Qt::Key_Tab); });
        QTest::newRow("Shift+Tab") << Leave([](TFormsolve &) { key(Qt::Key_Backtab, Qt::ShiftModifier); });
        QTest::newRow("Enter") << Leave([](TFormsolve &) { key(Qt::Key_Return); });
        QTest::newRow("click on another field") << Leave([](TFormsolve &w) {
            QTest::mouseClick(w.TabSheet1->ch3m, Qt::LeftButton);
        });
        QTest::newRow("click on the next button") << Leave([](TFormsolve &w) {
            QTest::mouseClick(w.TabSheet1->Okbut1, Qt::LeftButton);
        });
        QTest::newRow("double click on the next button") << Leave([](TFormsolve &w) {
            doubleClick(w.TabSheet1->Okbut1);
        });
        QTest::newRow("click on a tab") << Leave([](TFormsolve &w) {
            QTabBar *bar = w.solve->tabBar();
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        });
        QTest::newRow("wheel down over the tabs") << Leave([](TFormsolve &w) { wheelOverTabs(w, -120); });
        QTest::newRow("wheel up over the tabs") << Leave([](TFormsolve &w) { wheelOverTabs(w, 120); });
        QTest::newRow("Ctrl+Tab") << Leave([](TFormsolve &) { key(Qt::Key_Tab, Qt::ControlModifier); });
        QTest::newRow("Ctrl+Shift+Tab") << Leave([](TFormsolve &) {
            key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        });
        QTest::newRow("Ctrl+PgDn") << Leave([](TFormsolve &) { key(Qt::Key_PageDown, Qt::ControlModifier); });
        QTest::newRow("Ctrl+PgUp") << Leave([](TFormsolve &) { key(Qt::Key_PageUp, Qt::ControlModifier); });
        QTest::newRow("focus moved by code") << Leave([](TFormsolve &w) {
            w.TabSheet1->ch1f->setFocus(Qt::OtherFocusReason);
        });
    }

    void refusedFieldHoldsAgainstEveryWayOut()
    {
        QFETCH(Leave, leave);
        MessageCatcher messages;
        auto w = refusedOnIncomePage();
        QVERIFY(w);
        QCOMPARE(drive::focus(), w->TabSheet1->ch2m);
        const tax::ReturnLedger before = w->ledger();
        messages.clear();

        leave(*w);
        QTRY_COMPARE(messages.texts.size(), 1);
        QTRY_COMPARE(drive::focus(), w->TabSheet1->ch2m);
        QCOMPARE(messages.texts.first(), kFiguresOnly);
        QCOMPARE(w->solve->currentWidget(), w->TabSheet1);
        QCOMPARE(w->TabSheet1->ch2m->text(), QString("abc"));
        QVERIFY(w->ledger() == before);
        // Nothing brings the message back by itself.
        QTest::qWait(100);
        QCOMPARE(messages.texts.size(), 1);
        QCOMPARE(drive::focus(), w->TabSheet1->ch2m);

        // Once the field holds an amount, the same way out works.
        w->TabSheet1->ch2m->setText(QStringLiteral("50"));
        leave(*w);
        QVERIFY(drive::focus() != w->TabSheet1->ch2m);
        QCOMPARE(w->ledger().taxpayer.entries[tax::entry::line2], tax::baht(50));
        QCOMPARE(messages.texts.size(), 1);
    }

    // The next buttons keep Tab inside their page; turning the page from one
    // of them must still turn it, however the user turns it.
    void aButtonThatKeepsTabOnItsPageLetsEveryTurnThrough_data()
    {
        QTest::addColumn<Leave>("turn");
        QTest::newRow("click on a tab") << Leave([](TFormsolve &w) {
            QTabBar *bar = w.solve->tabBar();
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        });
        QTest::newRow("wheel over the tabs") << Leave([](TFormsolve &w) { wheelOverTabs(w, -120); });
        QTest::newRow("Ctrl+Tab") << Leave([](TFormsolve &) { key(Qt::Key_Tab, Qt::ControlModifier); });
        QTest::newRow("Ctrl+PgDn") << Leave([](TFormsolve &) { key(Qt::Key_PageDown, Qt::ControlModifier); });
    }

    void aButtonThatKeepsTabOnItsPageLetsEveryTurnThrough()
    {
        QFETCH(Leave, turn);
        MessageCatcher messages;
        auto w = refusedOnIncomePage();
        QVERIFY(w);
        w->TabSheet1->ch2m->setText(QStringLiteral("0"));
        w->TabSheet1->Okbut1->setFocus();
        turn(*w);
        QCOMPARE(w->solve->currentWidget(), static_cast<QWidget *>(w->TabSheet2));
        QCOMPARE(drive::focusName(), QString("p1"));
        QCOMPARE(messages.texts, QStringList());
    }

    void enterThatOpensTheNextPageRunsTheFieldsHandlerOnce()
    {
        AttachmentWizard a;
        QVERIFY(a.open());
        drive::typeInto(a.page.ch15m, QStringLiteral("100"));
        drive::enter();
        QCOMPARE(a.w->solve->currentWidget(), a.w->TabSheet5);
        QCOMPARE(a.w->ledger().taxpayer.entries[tax::entry::attachmentWithholding], tax::baht(100));
        // A text the handler would refuse to convert shows whether it runs again.
        a.page.ch15m->setText(QStringLiteral("1.2.3"));
        QTabBar *bar = a.w->solve->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(3).center());
        QTest::qWait(50);
        QCOMPARE(a.messages.texts, QStringList());
        QCOMPARE(a.w->solve->currentWidget(), a.w->TabSheet4);
    }

    // A handler that sends the focus on to where the step continues stops the
    // click that left its control: the button clicked is not pressed.
    void aClickRedirectedByAHandlerPressesNothing_data()
    {
        QTest::addColumn<QString>("leaving");
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QString>("focusAfter");
        // The severance panel's years lead to the rate of their first part.
        QTest::newRow("the spouse's years, then OK") << "com2f" << "BitBtn5" << "computecheck7";
        // The allowances page's status buttons lead to the first allowance.
        QTest::newRow("the allowances page's status, then the other") << "p4" << "p3" << "ch4m";
    }

    void aClickRedirectedByAHandlerPressesNothing()
    {
        QFETCH(QString, leaving);
        QFETCH(QString, clicked);
        QFETCH(QString, focusAfter);
        AttachmentWizard a;
        QVERIFY(a.open());
        a.enter("year1", "10");
        a.enter("ch11m", "200000");
        const bool onThePanel = leaving.startsWith("com");
        if (onThePanel)
            a.openPanel();
        else
            a.w->openPage(a.w->TabSheet3);
        auto *button = qobject_cast<QAbstractButton *>(a.control(clicked));
        if (!onThePanel)
            button->setChecked(false);
        const bool wasChecked = button->isChecked();
        a.control(leaving)->setFocus(Qt::TabFocusReason);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
        QCOMPARE(drive::focusName(), focusAfter);
        QCOMPARE(a.panelInFront(), onThePanel);
        QCOMPARE(button->isChecked(), wasChecked);
        QVERIFY(onThePanel || !wasChecked);
    }

    void turningBackToTheCoveredAttachmentFocusesItsNextButton()
    {
        AttachmentWizard a;
        QVERIFY(a.open());
        a.answer(false);
        QTabBar *bar = a.w->solve->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
        QCOMPARE(drive::focusName(), QString("ch1m"));
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(3).center());
        QCOMPARE(drive::focusName(), QString("BitBtn6"));
        drive::enter();
        QCOMPARE(a.w->solve->currentWidget(), a.w->TabSheet5);
    }

    void closingFromTheMenuWithARefusedFieldClosesCleanly()
    {
        MessageCatcher messages;
        const int before = liveWindows<TFormsolve>();
        QPointer<TFormsolve> w = new TFormsolve(nullptr, nullptr);
        w->setAttribute(Qt::WA_DeleteOnClose);
        QVERIFY(drive::showAndActivate(w));
        drive::typeInto(w->first->id1, QStringLiteral("123456789012"));
        drive::tab();
        QTRY_COMPARE(messages.texts.size(), 1);
        QTRY_COMPARE(drive::focus(), w->first->id1);
        messages.clear();
        QMenu *menu = w->PopupMenu1;
        QTimer::singleShot(50, menu, [menu] { QTest::keyClick(menu, Qt::Key_C); });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20), w->mapToGlobal(QPoint(20, 20)));
        QApplication::sendEvent(w, &event);
        QTRY_VERIFY(w.isNull());
        QCOMPARE(liveWindows<TFormsolve>(), before);
        QTest::qWait(50);
        QCOMPARE(messages.texts, QStringList());
    }

    void closingTheWindowWithARefusedFieldAsksNothing()
    {
        MessageCatcher messages;
        QPointer<TFormsolve> w = new TFormsolve(nullptr, nullptr);
        w->setAttribute(Qt::WA_DeleteOnClose);
        QVERIFY(drive::showAndActivate(w));
        drive::typeInto(w->first->id1, QStringLiteral("1"));
        w->close();
        QTRY_VERIFY(w.isNull());
        QTest::qWait(50);
        QCOMPARE(messages.texts, QStringList());
    }

    void doubleClickOnNextPressesOneButtonOnce()
    {
        auto w = std::make_unique<TFormsolve>(nullptr, nullptr);
        QVERIFY(drive::showAndActivate(w.get()));
        w->N1Click();
        w->first->ok1->click();
        int incomePresses = 0;
        int expensesPresses = 0;
        connect(w->TabSheet1->Okbut1, &QPushButton::clicked, this, [&] { ++incomePresses; });
        connect(w->TabSheet2->Okbut2, &QPushButton::clicked, this, [&] { ++expensesPresses; });
        w->TabSheet1->Okbut1->setFocus();
        // Both pages put their next button in the same place, so the second
        // press of the double click lands on the expenses page's button.
        QCOMPARE(w->TabSheet1->Okbut1->geometry(), w->TabSheet2->Okbut2->geometry());
        doubleClick(w->TabSheet1->Okbut1);
        QCOMPARE(incomePresses, 1);
        QCOMPARE(expensesPresses, 0);
        QCOMPARE(w->solve->currentWidget(), w->TabSheet2);
    }
};

QTEST_MAIN(LeaveAndTurnTest)
#include "leave_and_turn_test.moc"
