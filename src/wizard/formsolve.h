// The wizard window in which one return is entered: the personal data area,
// the page control with the six pages and the severance panel, stacked on top
// of each other, with the window's menus and the navigation between them.
#pragma once

#include "area_stack.h"
#include "exit_handlers.h"
#include "marital_status.h"
#include "return_ledger.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QAbstractButton;
class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QTabWidget;
class AllowancesPage;
class AttachmentPage;
class ExpensesPage;
class IncomePage;
class PersonalDataArea;
class SeverancePanel;

class TFormsolve : public QWidget {
    Q_OBJECT
public:
    // `usageCount` is the main window's counter label, `aboutBox` the about box
    // that the "&About" item shows; either may be null.
    TFormsolve(QLabel *usageCount, QWidget *aboutBox, QWidget *parent = nullptr);
    ~TFormsolve() override;

    // Live instances, for checks that closed windows are released.
    static int instanceCount();

    QMenuBar *MainMenu1;
    QMenu *PopupMenu1;
    QAction *N1;
    QAction *Close1;
    QAction *About1;
    PersonalDataArea *first;
    QTabWidget *solve;
    IncomePage *TabSheet1;
    ExpensesPage *TabSheet2;
    AllowancesPage *TabSheet3;
    AttachmentPage *TabSheet4;
    QWidget *TabSheet5;
    QWidget *TabSheet6;
    SeverancePanel *compute1;

    void FormCreate();
    void solveChange();
    void N1Click();
    void Close1Click();
    void About1Click();

    // What the pages work with.
    tax::ReturnLedger &ledger() const;
    tax::MaritalStatus maritalStatus() const;
    ui::ExitHandlers &exits() { return *m_exits; }
    ui::AreaStack &areas() { return m_areas; }

    // Binds a handler to the focus leaving `control`, or to a click of `button`;
    // an amount error stops the handler and is reported.
    void onExit(QWidget *control, std::function<void(QWidget *receiving)> handler);
    void onClick(QAbstractButton *button, std::function<void()> handler);

    // Makes a page's tab visible and the page the active one, without the
    // page-change handler that a user's change of page runs.
    void openPage(QWidget *page);
    bool isTabShown(QWidget *page) const;
    // Hides the tabs of the pages after the income page.
    void hideLaterTabs();

    void showMessage(const QString &text);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void buildAreas();
    void setTabShown(int index, bool shown);
    void pageChanged();

    QLabel *m_usageCount;
    QWidget *m_aboutBox;
    std::unique_ptr<ui::ExitHandlers> m_exits;
    ui::AreaStack m_areas;
    bool m_changingPage = false;
};
