// A whole return driven the way a user does it, for the benchmarks: the
// wizard opened by the main window's start button, every page filled with the
// keyboard, the severance panel computed on the attachment page, the printed
// return made by the refund page's print button and written as a PDF, the
// preview closed, and the wizard closed by its closing button. The waits run
// the event loop without the sleeps of QTest's own waits, which would be
// timed too.
#pragma once

#include "attachment_page.h"
#include "formbil.h"
#include "formsolve.h"
#include "live_windows.h"
#include "main_window.h"
#include "page_output.h"
#include "printed_return.h"
#include "severance_panel.h"
#include "wizard_walk.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <tuple>

namespace bench {

// Answers the program's message boxes with OK as soon as they are shown, as
// a quick user does, and counts them.
class MessageAnswerer : public QObject {
public:
    MessageAnswerer() { QCoreApplication::instance()->installEventFilter(this); }
    ~MessageAnswerer() override { QCoreApplication::instance()->removeEventFilter(this); }

    int answered = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *box = event->type() == QEvent::Show ? qobject_cast<QMessageBox *>(watched) : nullptr;
        if (box) {
            ++answered;
            QTimer::singleShot(0, box, [box] { box->button(QMessageBox::Ok)->click(); });
        }
        return false;
    }
};

// Runs the event loop until `done` holds; false when it does not within 5 s.
template <typename Done>
bool settle(Done done)
{
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > 5000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

// The wizard opened by the main window's start button, once it is active.
inline TFormsolve *openWizard(TFmain &main)
{
    QTest::mouseClick(main.BitBtn2, Qt::LeftButton);
    auto *wizard = main.findChild<TFormsolve *>(QStringLiteral("Formsolve"));
    if (!wizard || !settle([wizard] { return wizard->isActiveWindow(); }))
        return nullptr;
    return wizard;
}

// Closes the wizard by its pop-up menu's "&Close" and waits until it is released.
inline bool closeWizard(TFormsolve &wizard)
{
    wizard.Close1->trigger();
    return settle([] { return liveWindows<TFormsolve>() == 0; });
}

// The attachment page after the answer "ใช่": one employer, the taxpayer's
// one-time payments, the severance panel computed from the years of service,
// and the certificates of line 5, up to the next button.
inline void attachment(TFormsolve &w, tax::MaritalStatus status)
{
    using walk::typeAndTab;
    const bool spouse = walk::spouseEntersIncome(status);
    QCOMPARE(w.solve->currentWidget(), static_cast<QWidget *>(w.TabSheet4));
    typeAndTab("nameboss1", QStringLiteral("บริษัท ก จำกัด"));
    typeAndTab("year1", "10");
    for (const char *name : {"nameboss2", "year2", "nameboss3", "year3", "nameboss4", "year4"}) {
        QCOMPARE(drive::focusName(), QString(name));
        drive::tab();
    }
    // Items 1 to 4 of the taxpayer, and of the spouse where the page shows them.
    const std::tuple<const char *, const char *, const char *> items[] = {
        {"ch11m", "100000", "ch11f"}, {"ch12m", "50000", "ch12f"}, {"ch13m", "50000", "ch13f"}, {"ch14m", "0", "ch14f"}};
    for (const auto &[taxpayer, amount, spouseField] : items) {
        typeAndTab(taxpayer, amount);
        if (spouse)
            typeAndTab(spouseField, "0");
    }
    QCOMPARE(drive::focusName(), QString("computebutton"));
    drive::enter();
    QCOMPARE(w.areas().front(), static_cast<QWidget *>(w.compute1));
    QCOMPARE(drive::focusName(), QString("computecheck3"));
    drive::tab();
    walk::typeHere("com5m", "10");
    QTest::mouseClick(w.compute1->BitBtn5, Qt::LeftButton);
    QCOMPARE(w.areas().front(), static_cast<QWidget *>(w.solve));
    QCOMPARE(w.TabSheet4->total14m->text(), QString("  135,000.00"));
    typeAndTab("Edit3", "1");
    typeAndTab("ch15m", "1000");
    if (spouse)
        typeAndTab("ch15f", "0");
    QCOMPARE(drive::focusName(), QString("BitBtn6"));
    drive::enter();
}

// From the personal data area to the refund page.
inline void toRefundPage(TFormsolve &w, tax::MaritalStatus status)
{
    walk::toQuestion(w, walk::sampleReturn(status));
    if (QTest::currentTestFailed())
        return;
    drive::enter(); // "ใช่"
    attachment(w, status);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(w.solve->currentWidget(), static_cast<QWidget *>(w.TabSheet5));
    walk::typeCredits("m", "90000", "0");
    if (status == tax::MaritalStatus::married4)
        walk::typeCredits("f", "80000", "0");
    drive::enter();
    QCOMPARE(w.solve->currentWidget(), static_cast<QWidget *>(w.TabSheet6));
}

// Presses the print button, writes the printed return as a PDF into `pdf`
// and closes the preview, which closes the printed return.
inline void printToPdf(TFormsolve &w, QByteArray &pdf)
{
    QTest::mouseClick(w.TabSheet6->Button1, Qt::LeftButton);
    QVERIFY(w.Formbil);
    pdf.clear();
    QBuffer out(&pdf);
    QVERIFY(report::writePdf(out, w.Formbil->page()));
    QVERIFY(pdf.startsWith("%PDF-"));
    printed::closePreview(*w.Formbil);
    QVERIFY(settle([&w] { return !w.Formbil && liveWindows<TFormbil>() == 0; }));
}

// Tells where a walk stopped that did not go as a user expects (the checks
// of the walk report nothing outside a test).
inline bool stopped(const TFormsolve *w)
{
    const QString page = w ? w->solve->currentWidget()->objectName() : QStringLiteral("the main window");
    std::fprintf(stderr, "the walk stopped on %s with the focus on %s\n", qPrintable(page),
                 qPrintable(drive::focusName()));
    return false;
}

// One whole return from the start button to the wizard's closing button;
// false, after telling where it stopped, when a step did not do what a user
// expects.
inline bool wholeReturn(TFmain &main, tax::MaritalStatus status, QByteArray &pdf)
{
    TFormsolve *w = openWizard(main);
    if (!w)
        return stopped(nullptr);
    toRefundPage(*w, status);
    if (!QTest::currentTestFailed())
        printToPdf(*w, pdf);
    if (QTest::currentTestFailed())
        return stopped(w);
    QTest::mouseClick(w->TabSheet6->Button2, Qt::LeftButton);
    return settle([] { return liveWindows<TFormsolve>() == 0; }) || stopped(w);
}

} // namespace bench
