// Building and handlers of the main window.
#include "main_window.h"

#include "artwork.h"
#include "bevel_panel.h"
#include "fonts.h"
#include "sheet_controls.h"
#include "formsolve.h"
#include "language.h"
#include "utf8_text.h"
#include "picture_view.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

using ui::BevelPanel;

namespace {

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QFont &font)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    return label;
}

} // namespace

TFmain::TFmain(QWidget *aboutBox, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                  | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_aboutBox(aboutBox)
{
    setObjectName("Fmain");
    setFont(ui::dialogFont());
    setFixedSize(399, 398);

    Image1 = new PictureView([](const QSize &, qreal ratio) { return mainWindowPicture(ratio); }, this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(0, 0, 400, 400);

    BitBtn2 = new QPushButton(ui::glyph(QStyle::SP_DialogOkButton), QString(), this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setGeometry(32, 360, 121, 25);
    BitBtn2->setDefault(true);
    connect(BitBtn2, &QPushButton::clicked, this, &TFmain::BitBtn2Click);

    exitbutton = new QPushButton(ui::glyph(QStyle::SP_DialogCloseButton), QString(), this);
    exitbutton->setObjectName("exitbutton");
    exitbutton->setGeometry(248, 360, 121, 25);
    exitbutton->setAutoDefault(true);
    connect(exitbutton, &QPushButton::clicked, this, &TFmain::exitbuttonClick);
    setTabOrder(BitBtn2, exitbutton);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    N1 = PopupMenu1->addAction(QString(), this, &TFmain::N1Click);
    N1->setObjectName("N1");
    N1->setShortcut(Qt::Key_F9);
    N3 = PopupMenu1->addAction(QString(), this, &TFmain::N3Click);
    N3->setObjectName("N3");
    N3->setShortcut(Qt::Key_F8);
    N3->setCheckable(true);
    N2 = PopupMenu1->addAction(QString(), this, &TFmain::N2Click);
    N2->setObjectName("N2");
    N2->setShortcut(Qt::Key_F10);
    // The shortcuts work whenever the main window has the focus.
    for (QAction *action : {N1, N3, N2}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }

    showTexts();

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFmain::buildCounterPanel()
{
    if (Panel1)
        return;
    const QFont thai = ui::displayFont(29, true);

    Panel1 = new BevelPanel(this);
    Panel1->setObjectName("Panel1");
    Panel1->setBevels(BevelPanel::Bevel::raised, BevelPanel::Bevel::raised, 4);
    Panel1->setGeometry(0, 0, 398, 398);

    Panel2 = new BevelPanel(Panel1);
    Panel2->setObjectName("Panel2");
    Panel2->setBevels(BevelPanel::Bevel::lowered, BevelPanel::Bevel::lowered);
    Panel2->setGeometry(16, 16, 366, 56);
    Label1 = makeLabel(Panel2, "Label1", QString(), thai);
    Label1->setStyleSheet("color: blue");
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(4, 4, 358, 48);

    Panel3 = new BevelPanel(Panel1);
    Panel3->setObjectName("Panel3");
    Panel3->setFont(thai);
    Panel3->setGeometry(16, 88, 366, 72);
    Lcount = makeLabel(Panel3, "Lcount", QStringLiteral("0"), ui::dialogFont(24));
    Lcount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Lcount->setAttribute(Qt::WA_TranslucentBackground);
    Lcount->setStyleSheet("color: black");
    Lcount->setGeometry(150, 14, 140, 44);
    Label2 = makeLabel(Panel3, "Label2", QString(), thai);
    Label2->setGeometry(300, 14, 50, 44);

    Panel4 = new BevelPanel(Panel1);
    Panel4->setObjectName("Panel4");
    Panel4->setBevels(BevelPanel::Bevel::lowered, BevelPanel::Bevel::lowered);
    Panel4->setGeometry(16, 176, 366, 160);
    Label4 = makeLabel(Panel4, "Label4", QString(), ui::displayFont(37, true));
    Label4->setAlignment(Qt::AlignCenter);
    Label4->setGeometry(4, 12, 358, 56);
    Label3 = makeLabel(Panel4, "Label3", QString(), ui::displayFont(48, true));
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setStyleSheet("color: #1e5096");
    Label3->setGeometry(4, 76, 358, 72);

    Button1 = new QPushButton(Panel1);
    Button1->setObjectName("Button1");
    Button1->setGeometry(152 - 10, 352, 99 + 20, 25);
    connect(Button1, &QPushButton::clicked, this, &TFmain::Button1Click);
    Button1->installEventFilter(this);

    for (BevelPanel *panel : {Panel1, Panel2, Panel3, Panel4})
        connect(panel, &BevelPanel::clicked, this, &TFmain::Panel1Click);

    Panel1->hide();
    showCounterTexts();
}

void TFmain::showTexts()
{
    setWindowTitle(ui::text("บริการคำนวณ VARO. 91"));
    Image1->setToolTip(ui::text("บริการคำนวณภาษี VARO. 91"));
    BitBtn2->setText(ui::text("เริ่มโปรแกรม"));
    BitBtn2->setToolTip(ui::text("เข้าสู่โปรแกรมบริการคำนวณภาษี"));
    exitbutton->setText(ui::text("ออกจากโปรแกรม"));
    exitbutton->setToolTip(ui::text("ออกจากโปรแกรมบริการคำนวณภาษี"));
    N1->setText(ui::text("จำนวนคนที่ใช้โปรแกรม"));
    // The language item names the other language, in that language; it is
    // checked while the windows speak English.
    N3->setText(ui::language() == ui::Language::english ? QStringLiteral("ภาษาไทย") : QStringLiteral("English"));
    N3->setChecked(ui::language() == ui::Language::english);
    N2->setText(ui::text("ปิดโปรแกรม"));
    if (Panel1)
        showCounterTexts();
}

void TFmain::showCounterTexts()
{
    Label1->setText(ui::text("จำนวนผู้เข้ารับบริการคำนวณภาษี"));
    Panel3->setCaption(ui::text("    ปัจจุบัน :"), Qt::AlignLeft | Qt::AlignVCenter);
    Label2->setText(ui::text("คน"));
    Label4->setText(ui::text("ศูนย์บริการคำนวณภาษี"));
    Label3->setText(ui::text("เงินได้บุคคลธรรมดา"));
    Button1->setText(ui::text("กลับสู่หน้าจอหลัก"));
}

void TFmain::setCounterShown(bool shown)
{
    buildCounterPanel();
    // The panel covers the picture and both buttons; while it is up they cannot
    // be reached with Tab either.
    Panel1->setVisible(shown);
    Panel1->raise();
    for (QWidget *covered : std::initializer_list<QWidget *>{Image1, BitBtn2, exitbutton})
        covered->setEnabled(!shown);
}

void TFmain::BitBtn2Click()
{
    // The wizard blocks only this window, so that the about box it opens stays
    // usable. It is released when it is closed. The count it adds to is shown
    // on the counter panel.
    buildCounterPanel();
    auto *wizard = new TFormsolve(Lcount, m_aboutBox, this);
    wizard->setAttribute(Qt::WA_DeleteOnClose);
    wizard->setWindowModality(Qt::WindowModal);
    wizard->show();
}

void TFmain::exitbuttonClick()
{
    close();
}

void TFmain::N1Click()
{
    setCounterShown(true);
    Button1->setFocus();
}

void TFmain::N3Click()
{
    ui::setLanguage(ui::language() == ui::Language::english ? ui::Language::thai : ui::Language::english);
}

void TFmain::N2Click()
{
    close();
}

void TFmain::Panel1Click()
{
    setCounterShown(false);
}

void TFmain::Button1Click()
{
    setCounterShown(false);
    BitBtn2->setFocus();
}

void TFmain::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    emit closed();
}

void TFmain::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        showTexts();
    QWidget::changeEvent(event);
}

void TFmain::contextMenuEvent(QContextMenuEvent *event)
{
    PopupMenu1->exec(event->globalPos());
}

bool TFmain::eventFilter(QObject *watched, QEvent *event)
{
    // Any character key pressed on the back button (Enter and Escape included)
    // takes the user back, as a click would.
    if (watched == Button1 && event->type() == QEvent::KeyPress
        && !static_cast<QKeyEvent *>(event)->text().isEmpty()) {
        Button1Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
