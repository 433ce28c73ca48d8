// The wizard frame: creation, menus, stacking of the areas, page changes and
// the wiring of each page to the next.
#include "formsolve.h"

#include "accessible_names.h"
#include "allowances_page.h"
#include "attachment_page.h"
#include "expenses_page.h"
#include "formbil.h"
#include "income_page.h"
#include "messages.h"
#include "page_control.h"
#include "personal_data_area.h"
#include "question_panel.h"
#include "refund_page.h"
#include "return_model.h"
#include "severance_panel.h"
#include "sheet_controls.h"
#include "status_visibility.h"
#include "tax_computation_page.h"
#include "utf8_text.h"
#include "wizard_page.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QApplication>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>

#include <array>

namespace {

constexpr QSize kSheetSize(793, 577);

// The pages' tab captions, in the order of their tabs.
constexpr std::array kTabCaptions{
    QT_TRANSLATE_NOOP("ui", "เงินได้พึงประเมิน"),
    QT_TRANSLATE_NOOP("ui", "ค่าใช้จ่าย"),
    QT_TRANSLATE_NOOP("ui", "ค่าลดหย่อน"),
    QT_TRANSLATE_NOOP("ui", "ใบแนบ"),
    QT_TRANSLATE_NOOP("ui", "การคำนวณภาษี"),
    QT_TRANSLATE_NOOP("ui", "คำร้องขอคืนเงินภาษี"),
};

} // namespace

TFormsolve::TFormsolve(QLabel *usageCount, QWidget *aboutBox, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                  | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_usageCount(usageCount)
    , m_aboutBox(aboutBox)
    , m_exits(std::make_unique<ui::ExitHandlers>(this))
{
    setObjectName("Formsolve");
    setWindowTitle(ui::text("บริการคำนวณ VARO. 91"));
    buildMenus();
    buildAreas();
    wirePages();
    // On a screen smaller than the sheet the window fits the screen and the
    // sheet scrolls inside it.
    const QScreen *shownOn = screen();
    const QSize room = shownOn ? shownOn->availableGeometry().size() : kSheetSize;
    const bool sheetFits = room.width() >= kSheetSize.width() && room.height() >= kSheetSize.height();
    setMinimumSize(sheetFits ? kSheetSize : kSheetSize.boundedTo(room / 2));
    setWindowState(Qt::WindowMaximized);
    FormCreate();
}

TFormsolve::~TFormsolve()
{
    // The handlers go before the controls they watch.
    m_exits.reset();
}

void TFormsolve::buildMenus()
{
    // The window has an empty main menu, which shows no bar.
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName("MainMenu1");
    MainMenu1->hide();

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    N1 = PopupMenu1->addAction(ui::text("กรณีผู้ใช้เป็นชาวต่างชาติ"), this, &TFormsolve::N1Click);
    N1->setObjectName("N1");
    Close1 = PopupMenu1->addAction(QStringLiteral("&Close"), this, &TFormsolve::Close1Click);
    Close1->setObjectName("Close1");
    About1 = PopupMenu1->addAction(QStringLiteral("&About"), this, &TFormsolve::About1Click);
    About1->setObjectName("About1");
}

void TFormsolve::buildAreas()
{
    // The three areas share one sheet of the size they were laid out for,
    // centred in the maximised window.
    // The sheet scrolls only where the window is smaller than it, as on a
    // small screen or at a large scale; otherwise no scroll bar shows.
    m_sheetView = new QScrollArea(this);
    m_sheetView->setObjectName("sheetView");
    m_sheetView->setFrameShape(QFrame::NoFrame);
    m_sheetView->setFocusPolicy(Qt::NoFocus);
    m_sheetView->setWidgetResizable(true);
    auto *holder = new QWidget;
    auto *sheet = new QWidget(holder);
    sheet->setObjectName("sheet");
    sheet->setFixedSize(kSheetSize);
    auto *centred = new QGridLayout(holder);
    centred->setContentsMargins(0, 0, 0, 0);
    centred->addWidget(sheet, 0, 0, Qt::AlignCenter);
    m_sheetView->setWidget(holder);
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_sheetView, 0, 0);
    // Whatever takes the focus, by Tab, a handler or a page turned, is scrolled into view.
    connect(qApp, &QApplication::focusChanged, m_sheetView, [this, sheet](QWidget *, QWidget *now) {
        if (now && sheet->isAncestorOf(now))
            m_sheetView->ensureWidgetVisible(now, 0, 0);
    });

    solve = new ui::PageControl(*m_exits, sheet);
    solve->setGeometry(0, 0, 793, 577);
    m_context = std::make_unique<ui::PageContext>(*this, *m_exits, m_areas, *solve, m_return, m_view, [this] {
        return first ? first->maritalStatus() : tax::MaritalStatus::single;
    });
    m_exits->setRevealer([this](QWidget *control) { return revealControl(control); });

    first = new PersonalDataArea(*m_context);
    first->setParent(sheet);
    first->setGeometry(0, 0, 793, 569);

    TabSheet1 = new IncomePage(*m_context);
    TabSheet2 = new ExpensesPage(*m_context);
    TabSheet3 = new AllowancesPage(*m_context);
    TabSheet4 = new AttachmentPage(*m_context);
    TabSheet5 = new TaxComputationPage(*m_context);
    TabSheet6 = new RefundPage(*m_context);
    for (QWidget *page : std::initializer_list<QWidget *>{TabSheet1, TabSheet2, TabSheet3, TabSheet4, TabSheet5, TabSheet6})
        solve->addTab(page, QString());

    compute1 = new SeverancePanel(*m_context);
    compute1->setParent(sheet);
    compute1->setGeometry(40, 48, 737, 401);

    m_areas.add(first);
    m_areas.add(solve);
    m_areas.add(compute1);
    nameForAssistiveTechnology(*this);
    m_view.adopt(*this);
}

void TFormsolve::wirePages()
{
    connect(solve, &ui::PageControl::pageTurned, this, [this] { ui::runGuarded(this, [this] { solveChange(); }); });
    connect(first, &PersonalDataArea::nextRequested, this, &TFormsolve::leavePersonalData);
    connect(TabSheet1, &IncomePage::nextRequested, TabSheet2, &ExpensesPage::enter);
    connect(TabSheet2, &ExpensesPage::nextRequested, TabSheet3, &AllowancesPage::enter);

    connect(TabSheet3->Panel82, &QuestionPanel::answeredYes, TabSheet4, &AttachmentPage::answerYes);
    connect(TabSheet3->Panel82, &QuestionPanel::answeredNo, TabSheet4, &AttachmentPage::answerNo);

    connect(TabSheet4, &AttachmentPage::severancePanelRequested, this, &TFormsolve::openSeverancePanel);
    TabSheet4->setSeveranceUsed([this] { return compute1->expenseYearsEntered(); });
    connect(compute1, &SeverancePanel::closed, TabSheet4, &AttachmentPage::takeSeveranceExpense);
    connect(TabSheet4, &AttachmentPage::nextRequested, TabSheet5, &TaxComputationPage::enter);

    connect(TabSheet5, &TaxComputationPage::nextRequested, TabSheet6, &RefundPage::enter);
    connect(TabSheet6, &RefundPage::closeButtonLeft, this, [this] {
        if (solve->currentWidget() == TabSheet5)
            TabSheet5->ch16m->setFocus(Qt::OtherFocusReason);
    });
    connect(TabSheet6, &RefundPage::printRequested, this, &TFormsolve::openPrintedReturn);
    // The return is done: it is cleared and the window goes away.
    connect(TabSheet6, &RefundPage::closeRequested, this, [this] {
        m_return.Button2Click();
        close();
    });
}

// A fresh printed return of what the wizard shows now, with its preview. An
// entered amount that is not a number is reported and no window is made.
void TFormsolve::openPrintedReturn()
{
    ui::runGuarded(this, [this] {
        Formbil = new TFormbil(*this, ui::showMessage, this);
        Formbil->showWithPreview();
    });
}

void TFormsolve::FormCreate()
{
    if (m_usageCount)
        m_usageCount->setText(QString::number(m_usageCount->text().toInt() + 1));

    m_areas.sendToBack(solve);
    m_areas.sendToBack(compute1);
    m_areas.bringToFront(first);

    for (std::size_t i = 0; i < kTabCaptions.size(); ++i)
        solve->setTabText(int(i), ui::text(kTabCaptions[i]));
    for (int i = 1; i < solve->count(); ++i)
        solve->setTabShown(solve->widget(i), false);
    openPage(TabSheet1);

    // A new return: its ledger cleared. The window has no scroll bars, and
    // the money format has no currency symbol to empty.
    m_return = model::ReturnModel();
    m_view.show(m_return.display());
}

tax::MaritalStatus TFormsolve::maritalStatus() const
{
    return first->maritalStatus();
}

void TFormsolve::openPage(QWidget *page)
{
    solve->openPage(page);
}

void TFormsolve::leavePersonalData()
{
    m_areas.sendToBack(first);
    m_areas.bringToFront(solve);
    TabSheet1->setFocus();
    for (int i = 1; i < solve->count(); ++i)
        solve->setTabShown(solve->widget(i), false);
    // The status chosen now holds for the rest of the return: nothing shows or
    // enables these controls again in this window.
    ui::applyStatusVisibility(*this, maritalStatus());
}

void TFormsolve::openSeverancePanel()
{
    m_areas.bringToFront(compute1);
    compute1->open();
}

void TFormsolve::solveChange()
{
    const auto *page = qobject_cast<const WizardPage *>(solve->currentWidget());
    if (QWidget *control = page ? page->firstControl() : nullptr)
        control->setFocus(Qt::OtherFocusReason);
}

bool TFormsolve::revealControl(QWidget *control)
{
    // A field refused while its page was being turned away: its page comes
    // back to the front, so that the focus can return to it.
    for (int i = 0; i < solve->count(); ++i) {
        QWidget *page = solve->widget(i);
        if (page != solve->currentWidget() && page->isAncestorOf(control) && solve->isTabShown(page))
            openPage(page);
    }
    return ui::canTakeFocus(control);
}

void TFormsolve::N1Click()
{
    first->N1Click();
}

void TFormsolve::Close1Click()
{
    close();
}

void TFormsolve::About1Click()
{
    if (!m_aboutBox)
        return;
    m_aboutBox->show();
    m_aboutBox->raise();
    m_aboutBox->activateWindow();
}

void TFormsolve::closeEvent(QCloseEvent *event)
{
    // A window that goes away checks none of its fields on the way.
    m_exits->stop();
    QWidget::closeEvent(event);
}

void TFormsolve::contextMenuEvent(QContextMenuEvent *event)
{
    PopupMenu1->exec(event->globalPos());
}
