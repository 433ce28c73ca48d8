// Building of the about box.
#include "about_box.h"

#include "artwork.h"
#include "fonts.h"
#include "sheet_controls.h"
#include "utf8_text.h"
#include "picture_view.h"

#include <QKeyEvent>
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
    setFixedSize(327, 140);
    move(230, 211);
}

void Tabout::buildContents()
{
    // The picture fills the box, drawn for its size at the screen's sharpness.
    Image1 = new PictureView(aboutPicture, this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(rect());

    BitBtn1 = new QPushButton(ui::glyph(QStyle::SP_DialogCloseButton), QStringLiteral("&Close"), this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(264 - 8, 112 - 4, 67, 25);
    // Enter presses the close button, the only thing the box offers.
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &Tabout::BitBtn1Click);
}

void Tabout::setVisible(bool visible)
{
    // Built before the first showing, so that start-up does not wait for it.
    if (visible && !BitBtn1)
        buildContents();
    QWidget::setVisible(visible);
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
