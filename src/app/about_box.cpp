// Building of the about box.
#include "about_box.h"

#include "artwork.h"
#include "fonts.h"
#include "utf8_text.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

QString caption()
{
    return ui::text("เกี่ยวกับผู้เขียน");
}

} // namespace

Tabout::Tabout(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                  | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName("about");
    setWindowTitle(caption());
    setFont(ui::dialogFont());
    // The outer size is 335 x 167 with a single border and a title bar.
    const QSize client(327, 140);
    setFixedSize(client);
    move(230, 211);

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(QRect(QPoint(0, 0), client));
    Image1->setScaledContents(true);

    BitBtn1 = new QPushButton(QStringLiteral("&Close"), this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(264 - 8, 112 - 4, 67, 25);
    // Enter presses the close button, the only thing the box offers.
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &Tabout::BitBtn1Click);
}

void Tabout::showEvent(QShowEvent *event)
{
    // The picture and the icon are made when the box is first shown, so that
    // start-up does not wait for them.
    if (Image1->pixmap().isNull()) {
        Image1->setPixmap(aboutPicture(Image1->size()));
        BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    }
    QWidget::showEvent(event);
}

void Tabout::changeEvent(QEvent *event)
{
    // The box lives for the whole run: it takes a language chosen while it is hidden.
    if (event->type() == QEvent::LanguageChange)
        setWindowTitle(caption());
    QWidget::changeEvent(event);
}

void Tabout::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        BitBtn1Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Tabout::BitBtn1Click()
{
    hide();
}
