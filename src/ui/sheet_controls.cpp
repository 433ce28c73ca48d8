// Creation of the placed controls.
#include "sheet_controls.h"

#include "fonts.h"
#include "utf8_text.h"

#include <QApplication>
#include <QCheckBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace ui {

QLabel *placeCaption(QWidget *parent, const QString &text, const QRect &where, const char *name,
                     bool bold)
{
    auto *label = new QLabel(text, parent);
    // Captions keep their blanks as they stand.
    label->setTextFormat(Qt::PlainText);
    label->setObjectName(QString::fromUtf8(name));
    label->setGeometry(where);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    if (bold)
        label->setFont(dialogFont(11, true));
    return label;
}

QLabel *placeWrappedCaption(QWidget *parent, const QString &text, const QRect &where, const char *name)
{
    QLabel *label = placeCaption(parent, text, where, name);
    label->setWordWrap(true);
    return label;
}

QLabel *placeResult(QWidget *parent, const char *name, const QRect &where, const QString &text)
{
    QLabel *label = placeCaption(parent, text, where, name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QLineEdit *placeField(QWidget *parent, const char *name, const QRect &where, const QString &text,
                      Qt::Alignment alignment)
{
    auto *field = new QLineEdit(text, parent);
    field->setObjectName(QString::fromUtf8(name));
    field->setGeometry(where);
    field->setAlignment(alignment | Qt::AlignVCenter);
    return field;
}

QPushButton *placeButton(QWidget *parent, const char *name, const QString &text, const QRect &where)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setGeometry(where);
    // Enter is handled by the window's default buttons, not by Qt's own.
    button->setAutoDefault(false);
    return button;
}

QIcon glyph(QStyle::StandardPixmap kind)
{
    // Never freed: the icons live as long as the program and must not outlast
    // the application object in static destruction.
    static auto *icons = new QHash<int, QIcon>;
    auto found = icons->find(kind);
    if (found == icons->end())
        found = icons->insert(kind, QApplication::style()->standardIcon(kind));
    return *found;
}

QPushButton *placeNextButton(QWidget *parent, const char *name, const QRect &where)
{
    QPushButton *button = placeButton(parent, name, ui::text("หน้าต่อไป"), where);
    button->setIcon(glyph(QStyle::SP_ArrowForward));
    return button;
}

QCheckBox *placeCheckBox(QWidget *parent, const char *name, const QString &text, const QRect &where)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setGeometry(where);
    return box;
}

QRadioButton *placeRadioButton(QWidget *parent, const char *name, const QString &text, const QRect &where)
{
    auto *button = new QRadioButton(text, parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setGeometry(where);
    return button;
}

BevelPanel *placePanel(QWidget *parent, const char *name, const QRect &where, BevelPanel::Bevel outer,
                       BevelPanel::Bevel inner, int width)
{
    auto *panel = new BevelPanel(parent);
    panel->setObjectName(QString::fromUtf8(name));
    panel->setGeometry(where);
    panel->setBevels(outer, inner, width);
    return panel;
}

QLabel *placeBaht(QWidget *parent, int amountRight, int y, const char *name)
{
    return placeCaption(parent, ui::text("บาท"), QRect(amountRight + kBahtGap, y, kBahtWidth, kLabelHeight), name);
}

void chainTabOrder(const std::vector<QWidget *> &controls)
{
    QWidget *previous = nullptr;
    for (QWidget *control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

bool canTakeFocus(const QWidget *control)
{
    return control && control->isEnabled() && control->isVisibleTo(control->window())
        && control->focusPolicy() != Qt::NoFocus;
}

QWidget *firstFocusable(const std::vector<QWidget *> &controls)
{
    for (QWidget *control : controls) {
        if (control->isEnabled() && control->isVisibleTo(control->window())
            && (control->focusPolicy() & Qt::TabFocus))
            return control;
    }
    return nullptr;
}

} // namespace ui
