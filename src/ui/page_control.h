// The page control "solve": the wizard's pages behind tabs, turned only past the exit handlers.
#pragma once

#include <QTabWidget>

namespace ui {

class ExitHandlers;

// The wizard's pages behind tabs that are shown one by one as the return goes
// on. Every way the user can turn a page (a click or the wheel on a tab,
// Ctrl+Tab, Ctrl+PgUp/PgDn, the arrow keys on the tab bar) first leaves the
// field that has the focus; a field that refuses to be left keeps its page in
// front.
class PageControl : public QTabWidget {
    Q_OBJECT
public:
    PageControl(ExitHandlers &exits, QWidget *parent = nullptr);

    // A hidden tab cannot be turned to by any means.
    void setTabShown(QWidget *page, bool shown);
    bool isTabShown(const QWidget *page) const;

    // Makes the page's tab visible and the page the current one, as the next
    // buttons do: the field being left on the old page is not left once more,
    // and pageTurned is not emitted. The caller puts the focus.
    void openPage(QWidget *page);

    // True while the focus goes to the tab bar because the user turns the page,
    // so that handlers that keep the Tab key inside their page let it go.
    bool isTurningPage(const QWidget *receiving) const;

signals:
    // The user turned to another page; the field that had the focus accepted
    // being left.
    void pageTurned();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool leaveForTurn();
    int turnTarget(int step) const;
    void currentPageChanged();

    ExitHandlers &m_exits;
    bool m_turning = false;     // the focus is being moved to the tab bar for a turn
    bool m_openingPage = false; // a page is being opened by code
};

} // namespace ui
