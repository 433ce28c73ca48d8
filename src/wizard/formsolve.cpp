// The wizard frame: creation, menus, stacking of the areas and page changes.
#include "formsolve.h"

#include "allowances_page.h"
#include "attachment_page.h"
#include "expenses_page.h"
#include "income_page.h"
#include "messages.h"
#include "personal_data_area.h"
#include "run_ledger.h"
#include "severance_panel.h"

#include <QAbstractButton>
#include <QAction>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>

namespace {

int g_instances = 0;

constexpr QSize kSheetSize(793, 577);

struct PageInfo {
    const char *name;
    const char *caption;
    const char *firstControl; // focused when the user turns to the page
};

constexpr std::array<PageInfo, 6> kPages{{
    {"TabSheet1", "เงินได้พึงประเมิน", "ch1m"},
    {"TabSheet2", "ค่าใช้จ่าย", "p1"},
    {"TabSheet3", "ค่าลดหย่อน", "p3"},
    {"TabSheet4", "ใบแนบ", "nameboss1"},
    {"TabSheet5", "การคำนวณภาษี", "Edit1"},
    {"TabSheet6", "คำร้องขอคืนเงินภาษี", nullptr},
}};

} // namespace

TFormsolve::TFormsolve(QLabel *usageCount, QWidget *aboutBox, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                  | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_usageCount(usageCount)
    , m_aboutBox(aboutBox)
    , m_exits(std::make_unique<ui::ExitHandlers>(this))
{
    ++g_instances;
    setObjectName("Formsolve");
    setWindowTitle(QStringLiteral("บริการคำนวณ VARO. 91"));
    buildMenus();
    buildAreas();
    setMinimumSize(kSheetSize);
    setWindowState(Qt::WindowMaximized);
    FormCreate();
}

TFormsolve::~TFormsolve()
{
    // The handlers go before the controls they watch.
    m_exits.reset();
    --g_instances;
}

int TFormsolve::instanceCount()
{
    return g_instances;
}

void TFormsolve::buildMenus()
{
    // The window has an empty main menu, which shows no bar.
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName("MainMenu1");
    MainMenu1->hide();

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    N1 = PopupMenu1->addAction(QStringLiteral("กรณีผู้ใช้เป็นชาวต่างชาติ"), this, &TFormsolve::N1Click);
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
    auto *sheet = new QWidget(this);
    sheet->setObjectName("sheet");
    sheet->setFixedSize(kSheetSize);
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(sheet, 0, 0, Qt::AlignCenter);

    first = new PersonalDataArea(*this);
    first->setParent(sheet);
    first->setGeometry(0, 0, 793, 569);

    solve = new QTabWidget(sheet);
    solve->setObjectName("solve");
    solve->setGeometry(0, 0, 793, 577);
    solve->tabBar()->setExpanding(false);
    TabSheet1 = new IncomePage(*this);
    TabSheet2 = new ExpensesPage(*this);
    TabSheet3 = new AllowancesPage(*this);
    TabSheet4 = new AttachmentPage(*this);
    TabSheet5 = new QWidget;
    TabSheet5->setObjectName(kPages[4].name);
    TabSheet6 = new QWidget;
    TabSheet6->setObjectName(kPages[5].name);
    for (QWidget *page : std::initializer_list<QWidget *>{TabSheet1, TabSheet2, TabSheet3, TabSheet4, TabSheet5, TabSheet6})
        solve->addTab(page, QString());
    connect(solve, &QTabWidget::currentChanged, this, &TFormsolve::pageChanged);
    solve->tabBar()->installEventFilter(this);
    solve->installEventFilter(this);

    compute1 = new SeverancePanel(*this);
    compute1->setParent(sheet);
    compute1->setGeometry(40, 48, 737, 401);

    m_areas.add(first);
    m_areas.add(solve);
    m_areas.add(compute1);
}

void TFormsolve::FormCreate()
{
    if (m_usageCount)
        m_usageCount->setText(QString::number(m_usageCount->text().toInt() + 1));

    m_areas.sendToBack(solve);
    m_areas.sendToBack(compute1);
    m_areas.bringToFront(first);

    for (std::size_t i = 0; i < kPages.size(); ++i)
        solve->setTabText(int(i), QString::fromUtf8(kPages[i].caption));
    setTabShown(0, true);
    hideLaterTabs();
    openPage(TabSheet1);

    tax::ClearLedger(ledger());
    // The window has no scroll bars, and the money format has no currency
    // symbol to empty.
    ledger().badChar = 0;
}

tax::ReturnLedger &TFormsolve::ledger() const
{
    return runLedger();
}

tax::MaritalStatus TFormsolve::maritalStatus() const
{
    return first->maritalStatus();
}

void TFormsolve::onExit(QWidget *control, std::function<void(QWidget *)> handler)
{
    m_exits->setHandler(control, std::move(handler));
}

void TFormsolve::onClick(QAbstractButton *button, std::function<void()> handler)
{
    connect(button, &QAbstractButton::clicked, this, [this, handler = std::move(handler)] {
        ui::runGuarded(this, handler);
    });
}

void TFormsolve::setTabShown(int index, bool shown)
{
    // A hidden tab is also disabled, so that neither the arrow keys, Ctrl+Tab nor
    // the mouse wheel can turn to it.
    solve->setTabVisible(index, shown);
    solve->setTabEnabled(index, shown);
}

void TFormsolve::hideLaterTabs()
{
    for (int i = 1; i < solve->count(); ++i)
        setTabShown(i, false);
}

bool TFormsolve::isTabShown(QWidget *page) const
{
    const int index = solve->indexOf(page);
    return index >= 0 && solve->isTabVisible(index);
}

void TFormsolve::openPage(QWidget *page)
{
    const int index = solve->indexOf(page);
    if (index < 0)
        return;
    setTabShown(index, true);
    // The control that has the focus on the page being left keeps it until the
    // caller puts it somewhere; Qt would otherwise pass it to a control of the
    // new page and run that control's handler on the way.
    QWidget *focus = focusWidget();
    if (focus && solve->currentWidget() && solve->currentWidget()->isAncestorOf(focus))
        focus->clearFocus();
    m_changingPage = true;
    solve->setCurrentIndex(index);
    m_changingPage = false;
}

void TFormsolve::pageChanged()
{
    if (!m_changingPage)
        ui::runGuarded(this, [this] { solveChange(); });
}

void TFormsolve::solveChange()
{
    const int index = solve->currentIndex();
    if (index < 0 || index >= int(kPages.size()) || !kPages[std::size_t(index)].firstControl)
        return;
    if (auto *control = solve->currentWidget()->findChild<QWidget *>(kPages[std::size_t(index)].firstControl))
        control->setFocus(Qt::OtherFocusReason);
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

void TFormsolve::showMessage(const QString &text)
{
    ui::showMessage(this, text);
}

void TFormsolve::contextMenuEvent(QContextMenuEvent *event)
{
    PopupMenu1->exec(event->globalPos());
}

bool TFormsolve::eventFilter(QObject *watched, QEvent *event)
{
    // Turning the page with the mouse or Ctrl+Tab leaves the field that has the
    // focus first; a field that refuses to be left keeps the page where it is.
    bool turnsPage = false;
    if (watched == solve->tabBar() && event->type() == QEvent::MouseButtonPress) {
        turnsPage = true;
    } else if (watched == solve && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool control = key->modifiers() & Qt::ControlModifier;
        turnsPage = control && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab
                                || key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown);
    }
    if (turnsPage && !m_exits->takeFocus(solve->tabBar()))
        return true;
    return QWidget::eventFilter(watched, event);
}
