// Tabs shown page by page; a page turns only once the field being left has accepted.
#include "page_control.h"

#include "exit_handlers.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTabBar>

namespace ui {

namespace {

// Keys with which QTabWidget turns the page from anywhere inside it.
bool turnsPageFromInside(const QKeyEvent &key)
{
    if (!(key.modifiers() & Qt::ControlModifier))
        return false;
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

} // namespace

PageControl::PageControl(ExitHandlers &exits, QWidget *parent)
    : QTabWidget(parent)
    , m_exits(exits)
{
    setObjectName("solve");
    // No scroll buttons: a click on them would turn the page past the guard.
    tabBar()->setUsesScrollButtons(false);
    tabBar()->setExpanding(false);
    tabBar()->installEventFilter(this);
    connect(this, &QTabWidget::currentChanged, this, &PageControl::currentPageChanged);
}

void PageControl::setTabShown(QWidget *page, bool shown)
{
    const int index = indexOf(page);
    if (index < 0)
        return;
    // A hidden tab is also disabled, so that neither the arrow keys, Ctrl+Tab
    // nor the mouse wheel can turn to it.
    setTabVisible(index, shown);
    setTabEnabled(index, shown);
}

bool PageControl::isTabShown(const QWidget *page) const
{
    const int index = indexOf(const_cast<QWidget *>(page));
    return index >= 0 && isTabVisible(index);
}

void PageControl::openPage(QWidget *page)
{
    if (indexOf(page) < 0)
        return;
    setTabShown(page, true);
    // The control that has the focus on the page being left drops it before
    // the page is hidden; Qt would otherwise pass it on to some control and run
    // that control's handler on the way. The caller puts the focus.
    QWidget *focus = QApplication::focusWidget();
    if (focus && currentWidget() && currentWidget()->isAncestorOf(focus))
        focus->clearFocus();
    m_openingPage = true;
    setCurrentWidget(page);
    m_openingPage = false;
}

bool PageControl::isTurningPage(const QWidget *receiving) const
{
    return m_turning && receiving == tabBar();
}

bool PageControl::leaveForTurn()
{
    m_turning = true;
    const bool left = m_exits.takeFocus(tabBar());
    m_turning = false;
    return left;
}

bool PageControl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != tabBar())
        return QTabWidget::eventFilter(watched, event);
    bool turns = false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        turns = true;
        break;
    case QEvent::KeyPress:
        turns = tabBar()->hasFocus() || turnsPageFromInside(*static_cast<QKeyEvent *>(event));
        break;
    default:
        break;
    }
    // A refused field keeps the focus and its page; the event goes no further.
    if (turns && !leaveForTurn())
        return true;
    return QTabWidget::eventFilter(watched, event);
}

int PageControl::turnTarget(int step) const
{
    // Round the tabs, as Ctrl+Tab goes round them, to the next one shown.
    const int pages = count();
    for (int i = 1; i < pages; ++i) {
        const int index = ((currentIndex() + step * i) % pages + pages) % pages;
        if (isTabVisible(index) && isTabEnabled(index))
            return index;
    }
    return -1;
}

void PageControl::keyPressEvent(QKeyEvent *event)
{
    if (!turnsPageFromInside(*event)) {
        QTabWidget::keyPressEvent(event);
        return;
    }
    // Ctrl+Tab and Ctrl+PgDn turn forward, Ctrl+Shift+Tab and Ctrl+PgUp back.
    // With no other page shown there is nothing to turn to, and the field
    // keeps the focus.
    event->accept();
    const bool forward = event->key() == Qt::Key_PageDown
        || (event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier));
    const int target = turnTarget(forward ? 1 : -1);
    if (target >= 0 && leaveForTurn())
        setCurrentIndex(target);
}

void PageControl::currentPageChanged()
{
    if (!m_openingPage)
        emit pageTurned();
}

} // namespace ui
