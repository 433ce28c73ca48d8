// Creation of the placed controls.
#include "sheet_controls.h"

#include "fonts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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
