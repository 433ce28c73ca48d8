// The wizard window in which one return is entered: the personal data area,
// the page control with the six pages and the severance panel, stacked on top
// of each other, with the window's menus. The window alone knows every page:
// it wires what one page reports to the page that comes next.
#pragma once

#include "area_stack.h"
#include "exit_handlers.h"
#include "marital_status.h"
#include "page_context.h"
#include "page_control.h"
#include "refund_page.h"
#include "return_ledger.h"
#include "return_model.h"
#include "return_view.h"
#include "tax_computation_page.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QAction;
class QLabel;
class QScrollArea;
class QMenu;
class QMenuBar;
class AllowancesPage;
class AttachmentPage;
class ExpensesPage;
class IncomePage;
class PersonalDataArea;
class SeverancePanel;
class TFormbil;

class TFormsolve : public QWidget {
    Q_OBJECT
public:
    // `usageCount` is the main window's counter label, `aboutBox` the about box
    // that the "&About" item shows; either may be null.
    TFormsolve(QLabel *usageCount, QWidget *aboutBox, QWidget *parent = nullptr);
    ~TFormsolve() override;

    QMenuBar *MainMenu1 = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QAction *N1 = nullptr;
    QAction *Close1 = nullptr;
    QAction *About1 = nullptr;
    PersonalDataArea *first = nullptr;
    ui::PageControl *solve = nullptr;
    IncomePage *TabSheet1 = nullptr;
    ExpensesPage *TabSheet2 = nullptr;
    AllowancesPage *TabSheet3 = nullptr;
    AttachmentPage *TabSheet4 = nullptr;
    TaxComputationPage *TabSheet5 = nullptr;
    RefundPage *TabSheet6 = nullptr;
    SeverancePanel *compute1 = nullptr;
    // The printed return made last, while it is open.
    QPointer<TFormbil> Formbil;

    void FormCreate();
    void solveChange();
    void N1Click();
    void Close1Click();
    void About1Click();

    // The window's return: what has been entered, and every line it gives.
    model::ReturnModel &returnModel() { return m_return; }
    const model::ReturnModel &returnModel() const { return m_return; }
    const ReturnView &returnView() const { return m_view; }
    const tax::ReturnLedger &ledger() const { return m_return.ledger(); }
    tax::MaritalStatus maritalStatus() const;
    ui::ExitHandlers &exits() { return *m_exits; }
    ui::AreaStack &areas() { return m_areas; }
    const ui::PageContext &context() const { return *m_context; }

    // Makes a page's tab visible and the page the active one, as a next
    // button does.
    void openPage(QWidget *page);

protected:
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void buildMenus();
    void buildAreas();
    void wirePages();
    void leavePersonalData();
    void openSeverancePanel();
    void openPrintedReturn();
    bool revealControl(QWidget *control);

    QLabel *m_usageCount = nullptr;
    QWidget *m_aboutBox = nullptr;
    std::unique_ptr<ui::ExitHandlers> m_exits;
    ui::AreaStack m_areas;
    model::ReturnModel m_return;
    ReturnView m_view;
    QScrollArea *m_sheetView = nullptr; // scrolls the sheet where the window is smaller
    std::unique_ptr<ui::PageContext> m_context;
};
