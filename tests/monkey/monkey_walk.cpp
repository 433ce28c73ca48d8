// The walk: where it stands, one step and the checks after it, and what it
// has seen.
#include "monkey_walk.h"

#include "allowances_page.h"
#include "attachment_page.h"
#include "expenses_page.h"
#include "income_page.h"
#include "live_windows.h"
#include "personal_data_area.h"
#include "refund_page.h"
#include "severance_panel.h"
#include "tax_computation_page.h"
#include "formbil.h"
#include "formsolve.h"
#include "main_window.h"
#include "question_panel.h"
#include "sheet_controls.h"
#include "step_log.h"
#include "user_actions.h"
#include "walk_checks.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace monkey {

namespace {

// In percent: how often a step is one that takes the return forward, unless
// VARO_MONKEY_FORWARD says otherwise.
constexpr int kForwardChance = 30;

int forwardChance()
{
    static const int chance = qEnvironmentVariableIsSet("VARO_MONKEY_FORWARD")
        ? std::clamp(qEnvironmentVariableIntValue("VARO_MONKEY_FORWARD"), 0, 100)
        : kForwardChance;
    return chance;
}

const std::array<const char *, std::size_t(Place::count)> kPlaceNames{
    "main window", "personal data", "income", "expenses", "allowances", "question", "attachment",
    "attachment cover", "severance panel", "tax computation", "refund"};

} // namespace

QString placeName(Place place)
{
    return QString::fromLatin1(kPlaceNames[std::size_t(place)]);
}

MonkeyWalk::MonkeyWalk(std::uint64_t seed)
    : m_random(seed)
    , m_modals(seed ^ 0x5DEECE66DULL)
{
    restartProgram();
    m_restarts = 0;
}

MonkeyWalk::~MonkeyWalk() = default;

void MonkeyWalk::restartProgram()
{
    // Closing the main window ends the program; the walk starts it again.
    m_main.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_main = std::make_unique<TFmain>(&m_about);
    m_programClosed = false;
    QObject::connect(m_main.get(), &TFmain::closed, m_main.get(), [this] { m_programClosed = true; });
    m_main->show();
    activate(m_main.get());
    ++m_restarts;
}

TFormsolve *MonkeyWalk::wizard() const
{
    for (TFormsolve *w : m_main->findChildren<TFormsolve *>(Qt::FindDirectChildrenOnly)) {
        if (w->isVisible())
            return w;
    }
    return nullptr;
}

Place MonkeyWalk::place() const
{
    TFormsolve *w = wizard();
    if (!w)
        return Place::mainWindow;
    QWidget *front = w->areas().front();
    if (front == w->first)
        return Place::personalData;
    if (front == w->compute1)
        return Place::severancePanel;
    QWidget *page = w->solve->currentWidget();
    if (page == w->TabSheet1)
        return Place::income;
    if (page == w->TabSheet2)
        return Place::expenses;
    if (page == w->TabSheet3)
        return w->TabSheet3->Panel82->ok2->isEnabled() ? Place::question : Place::allowances;
    if (page == w->TabSheet4)
        return ui::canTakeFocus(w->TabSheet4->nameboss1) ? Place::attachment : Place::attachmentCover;
    if (page == w->TabSheet5)
        return Place::taxComputation;
    return Place::refund;
}

void MonkeyWalk::ensureActiveWindow()
{
    if (m_programClosed || !m_main->isVisible())
        restartProgram();
    QWidget *active = QApplication::activeWindow();
    if (active == &m_about && m_about.isVisible())
        return;
    if (TFormsolve *w = wizard())
        activate(w);
    else
        activate(m_main.get());
}

void MonkeyWalk::settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    m_modals.poll();
}

QStringList MonkeyWalk::step(int number)
{
    ensureActiveWindow();
    const Place before = place();
    ++m_visits[std::size_t(before)];
    ++m_steps;

    const Action action = m_random.percent(forwardChance()) ? forwardAction() : randomAction();
    logStep(number, QStringLiteral("[%1] focus %2: %3").arg(placeName(before), nameOf(QApplication::focusWidget()), action.what));

    const tax::ReturnLedger ledger = wizard() ? wizard()->ledger() : tax::ReturnLedger();
    const QPointer<QWidget> focusBefore = QApplication::focusWidget();
    const int wizardsBefore = liveWindows<TFormsolve>();
    m_modals.beginStep(number);
    action.run();
    settle();
    if (before == Place::mainWindow && wizard() && wizardsBefore == 0)
        ++m_wizardsOpened;
    if (before == Place::refund && !wizard())
        ++m_returnsFinished;
    return check(ledger, focusBefore);
}

QStringList MonkeyWalk::check(const tax::ReturnLedger &before, const QPointer<QWidget> &focusBefore)
{
    QStringList faults;
    for (const QString &what : takeEscapedExceptions())
        faults << QStringLiteral("an exception reached the event loop: %1").arg(what);

    const StepModals &modals = m_modals.step();
    m_boxes += int(modals.boxTexts.size());
    m_menus += int(modals.menuChoices.size());
    m_printWindows += modals.printWindowsClosed;
    m_dialogs += modals.dialogsRejected;
    if (modals.looped)
        faults << QStringLiteral("a message box came back more than twice in one step: %1").arg(modals.boxTexts.join(QStringLiteral(" / ")));
    for (qsizetype i = 0; i < modals.boxTexts.size(); ++i) {
        if (modals.boxKinds[i] != QLatin1StringView("errorReport"))
            continue;
        ++m_errorReports;
        if (!isExpectedErrorReport(modals.boxTexts[i]))
            faults << QStringLiteral("an unexpected error report: %1").arg(printable(modals.boxTexts[i]));
    }

    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        if (window->objectName() == QLatin1StringView("Formbil"))
            faults << QStringLiteral("a printed-return window was left open");
        else if (qobject_cast<QDialog *>(window) && window->isModal())
            faults << QStringLiteral("a modal dialog was left open: %1").arg(nameOf(window));
    }

    if (liveWindows<TFormbil>() != 0)
        faults << QStringLiteral("a closed printed-return window was not released");
    TFormsolve *w = wizard();
    if (!w && liveWindows<TFormsolve>() != 0)
        faults << QStringLiteral("a closed wizard window was not released (%1 left)").arg(liveWindows<TFormsolve>());
    if (w && QApplication::activeWindow() == w) {
        const QString focus = focusFault(*w);
        if (!focus.isEmpty())
            faults << focus;
    }
    if (w) {
        const QString shown = returnFault(*w);
        if (!shown.isEmpty())
            faults << shown;
    }

    const bool refused = std::any_of(modals.boxTexts.begin(), modals.boxTexts.end(), isRefusal);
    if (w && refused && focusBefore && focusBefore->window() == w && QApplication::focusWidget() == focusBefore) {
        ++m_refusalsChecked;
        const QString difference = ledgerDifference(before, w->ledger());
        if (!difference.isEmpty())
            faults << QStringLiteral("the refused %1 changed the ledger: %2").arg(nameOf(focusBefore), difference);
    }
    return faults;
}

QString MonkeyWalk::summary() const
{
    QStringList visits;
    for (std::size_t i = 0; i < m_visits.size(); ++i)
        visits << QStringLiteral("%1 %2").arg(QLatin1StringView(kPlaceNames[i])).arg(m_visits[i]);
    return QStringLiteral("%1 steps; wizards opened %2, returns finished %3, program restarts %4; "
                          "message boxes %5 (error reports %6), menus %7, dialogs rejected %8, printed returns closed %9, "
                          "refusals checked %10; steps at: %11")
        .arg(m_steps)
        .arg(m_wizardsOpened)
        .arg(m_returnsFinished)
        .arg(m_restarts)
        .arg(m_boxes)
        .arg(m_errorReports)
        .arg(m_menus)
        .arg(m_dialogs)
        .arg(m_printWindows)
        .arg(m_refusalsChecked)
        .arg(visits.join(QStringLiteral(", ")));
}

QStringList MonkeyWalk::gaps() const
{
    QStringList gaps;
    for (std::size_t i = 0; i < m_visits.size(); ++i) {
        if (m_visits[i] == 0)
            gaps << QStringLiteral("never at: %1").arg(QLatin1StringView(kPlaceNames[i]));
    }
    if (m_returnsFinished == 0)
        gaps << QStringLiteral("no return was finished");
    if (m_wizardsOpened < 2)
        gaps << QStringLiteral("no second return was started");
    return gaps;
}

} // namespace monkey
