// The printed-return window, its buttons, its menu and its preview.
#include "formbil.h"

#include "page_filling.h"
#include "page_surface.h"
#include "return_preview.h"
#include "utf8_text.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QPushButton *placeButton(QWidget *surface, const char *name, const QString &text, QStyle::StandardPixmap glyph,
                         const QRect &rect)
{
    auto *button = new QPushButton(surface->style()->standardIcon(glyph), text, surface);
    button->setObjectName(name);
    button->setGeometry(rect);
    return button;
}

} // namespace

TFormbil::TFormbil(const QWidget &wizard, MessageBox showMessage, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_page(*this),
      m_showMessage(std::move(showMessage))
{
    setObjectName("Formbil");
    FormCreate(wizard);
    buildWindow();
}

TFormbil::~TFormbil()
{
    // The preview paints from this window's page; it goes first.
    delete m_preview.data();
}

report::ReturnPreview *TFormbil::preview() const
{
    return m_preview;
}

void TFormbil::FormCreate(const QWidget &wizard)
{
    report::fillPage(wizard, m_page);
}

void TFormbil::buildWindow()
{
    setWindowTitle(ui::text("ออกใบเสร็จ"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The wizard waits while its return is being printed.
    setWindowModality(Qt::ApplicationModal);

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName("pageArea");
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_surface = new report::PageSurface(m_page, nullptr);
    m_scroll->setWidget(m_surface);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);

    BitBtn2 = placeButton(m_surface, "BitBtn2", ui::text("พิมพ์"), QStyle::SP_DialogApplyButton,
                          QRect(48, 4, 75, 25));
    BitBtn1 = placeButton(m_surface, "BitBtn1", ui::text("ปิด"), QStyle::SP_DialogCloseButton,
                          QRect(678, 12, 75, 25));
    connect(BitBtn2, &QPushButton::clicked, this, &TFormbil::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TFormbil::BitBtn1Click);

    popprint = new QMenu(this);
    popprint->setObjectName("popprint");
    N1 = popprint->addAction(ui::text("&พิมพ์"));
    N1->setObjectName("N1");
    N2 = popprint->addAction(ui::text("&ออก"));
    N2->setObjectName("N2");
    connect(N1, &QAction::triggered, this, &TFormbil::N1Click);
    connect(N2, &QAction::triggered, this, &TFormbil::N2Click);
}

void TFormbil::BitBtn2Click() { openPreview(); }
void TFormbil::N1Click() { openPreview(); }
void TFormbil::BitBtn1Click() { close(); }
void TFormbil::N2Click() { close(); }

void TFormbil::contextMenuEvent(QContextMenuEvent *event)
{
    popprint->popup(event->globalPos());
}

void TFormbil::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // The window it was printed from gets the keyboard back.
    if (parentWidget() && parentWidget()->window()->isVisible())
        parentWidget()->window()->activateWindow();
}

void TFormbil::showWithPreview()
{
    showMaximized();
    openPreview();
}

void TFormbil::openPreview()
{
    if (m_preview) {
        m_preview->raise();
        m_preview->activateWindow();
        return;
    }
    m_preview = new report::ReturnPreview(m_page, suggestedFileName(), m_showMessage, this);
    m_preview->setAttribute(Qt::WA_DeleteOnClose);
    m_preview->setWindowModality(Qt::ApplicationModal);
    // The window goes with its preview; it is closed once the preview has
    // finished, not from within the preview's own signal.
    connect(m_preview, &QDialog::finished, this, [this] { QTimer::singleShot(0, this, &QWidget::close); });
    m_preview->showMaximized();
}

QString TFormbil::suggestedFileName() const
{
    const QString id = m_page.item("qid1").text().trimmed();
    QString safe;
    for (const QChar c : id) {
        if (c.isLetterOrNumber())
            safe += c;
    }
    return safe.isEmpty() ? QStringLiteral("VARO91.pdf") : QStringLiteral("VARO91-%1.pdf").arg(safe);
}
