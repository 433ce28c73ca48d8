// Exit handlers: QApplication::focusChanged with a same-window and a re-entry guard, and Enter.
#include "exit_handlers.h"

#include "messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace ui {

ExitHandlers::ExitHandlers(QWidget *window)
    : m_window(window)
{
    connect(qApp, &QApplication::focusChanged, this, &ExitHandlers::focusChanged);
    qApp->installEventFilter(this);
}

ExitHandlers::~ExitHandlers()
{
    qApp->removeEventFilter(this);
}

void ExitHandlers::setHandler(QWidget *control, Handler handler)
{
    m_handlers[control] = std::move(handler);
    connect(control, &QObject::destroyed, this, [this, control] { m_handlers.erase(control); });
}

void ExitHandlers::setDefaultButton(QWidget *area, QAbstractButton *button)
{
    m_defaults.emplace_back(area, button);
}

QAbstractButton *ExitHandlers::defaultButtonFor(QWidget *control) const
{
    // The innermost area that holds the control decides.
    for (QWidget *w = control; w; w = w->parentWidget()) {
        for (const auto &[area, button] : m_defaults) {
            if (area == w)
                return button;
        }
        if (w == m_window)
            break;
    }
    return nullptr;
}

namespace {

bool reachable(const QWidget *control)
{
    return control->isEnabled() && control->isVisibleTo(control->window());
}

} // namespace

void ExitHandlers::refuse(QWidget *control)
{
    if (!reachable(control) && !(m_reveal && m_reveal(control)))
        return;
    m_refused = true;
    control->setFocus(Qt::OtherFocusReason);
}

bool ExitHandlers::takeFocus(QWidget *target)
{
    target->setFocus(Qt::MouseFocusReason);
    return QApplication::focusWidget() == target;
}

void ExitHandlers::focusChanged(QWidget *, QWidget *now)
{
    if (!now) {
        // The focus was cleared (by code, or because a control was hidden or
        // the window lost the keyboard): whatever gets it next has not left
        // the control that had it before, whose handler ran or was passed by.
        if (!m_running)
            m_last = nullptr;
        return;
    }
    // Focus that goes to a message box, a menu or another window is not a move
    // between controls of this window.
    if (now->window() != m_window)
        return;
    QWidget *previous = m_last;
    m_last = now;
    const bool byClick = m_focusReason == Qt::MouseFocusReason;
    if (m_running || m_stopped || !m_window->isVisible() || !previous || previous == now)
        return;
    if (previous == m_alreadyLeft) {
        m_alreadyLeft = nullptr;
        return;
    }
    const Outcome outcome = runExit(previous, now);
    // A click that moved the focus is delivered right after this. It must not
    // press or tick the control the user could not reach, nor one the handler
    // sent the focus away from: the step continues where the handler put it,
    // as it does after Enter.
    if (outcome != Outcome::accepted || (byClick && m_window->focusWidget() != now)) {
        m_swallowPressOn = now;
        QTimer::singleShot(0, this, [this] { m_swallowPressOn = nullptr; });
        if (outcome != Outcome::accepted && QGuiApplication::mouseButtons() != Qt::NoButton)
            m_refusedClick.start();
    }
}

ExitHandlers::Outcome ExitHandlers::runExit(QWidget *leaving, QWidget *receiving)
{
    const auto it = m_handlers.find(leaving);
    if (it == m_handlers.end() || m_stopped)
        return Outcome::accepted;
    const Handler handler = it->second; // the handler may replace itself while running
    m_running = true;
    m_refused = false;
    const bool finished = runGuarded(m_window, [&] { handler(receiving); });
    m_running = false;
    // Where the handler left the focus, even if a message box has not yet given
    // the window the keyboard back.
    m_last = m_window->focusWidget();
    if (!finished)
        return Outcome::failed;
    return m_refused ? Outcome::refused : Outcome::accepted;
}

bool ExitHandlers::enterPressed(QWidget *focus)
{
    if (auto *button = qobject_cast<QAbstractButton *>(focus)) {
        if (!button->isCheckable()) {
            // Enter on a focused push button presses that button.
            button->click();
            return true;
        }
    }
    QAbstractButton *button = defaultButtonFor(focus);
    if (!button || !button->isVisible() || !button->isEnabled())
        return false;
    // Qt does not move the focus on Enter, so the field's handler runs here,
    // before the button acts, as if the focus went to the button.
    if (runExit(focus, button) != Outcome::accepted)
        return true;
    if (QApplication::focusWidget() != focus)
        return true; // the handler sent the focus on to where the step continues
    m_alreadyLeft = focus;
    button->click();
    m_alreadyLeft = nullptr;
    return true;
}

bool ExitHandlers::swallowsDoubleClick(const QMouseEvent &event) const
{
    // The second click of a double click whose first click was refused is
    // refused with it, without a second message.
    if (m_refusedClick.isValid() && m_refusedClick.elapsed() <= QApplication::doubleClickInterval())
        return true;
    // The second press of a double click presses no button: the first one
    // did, and the page it turned may have put another button under the
    // pointer.
    return qobject_cast<QAbstractButton *>(m_window->childAt(m_window->mapFromGlobal(event.globalPosition().toPoint())));
}

bool ExitHandlers::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        // Qt sends it just before it tells who has the focus now.
        m_focusReason = static_cast<QFocusEvent *>(event)->reason();
        break;
    case QEvent::MouseButtonPress:
        if (m_swallowPressOn && watched == m_swallowPressOn.data())
            return true;
        break;
    case QEvent::ContextMenu: {
        // A field's own menu (paste, undo, delete) opens only where the focus
        // is: on a field the focus could not reach, or was sent away from by
        // a handler, it would change a text that is never left.
        const auto *field = qobject_cast<QLineEdit *>(watched);
        if (field && field->window() == m_window && field != QApplication::focusWidget())
            return true;
        break;
    }
    case QEvent::MouseButtonDblClick:
        // Caught where the window system hands it to the window, before Qt
        // gives the focus to the control under the pointer.
        if (watched == m_window->windowHandle() && !m_stopped
            && swallowsDoubleClick(*static_cast<QMouseEvent *>(event)))
            return true;
        if (m_swallowPressOn && watched == m_swallowPressOn.data())
            return true;
        break;
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            break;
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || m_running || m_stopped)
            break;
        auto *focus = qobject_cast<QWidget *>(watched);
        if (!focus || focus != QApplication::focusWidget() || focus->window() != m_window)
            break;
        return enterPressed(focus);
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ui
