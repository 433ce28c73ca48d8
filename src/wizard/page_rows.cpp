// Building the controls of the amount rows.
#include "page_rows.h"

#include "bevel_panel.h"
#include "fonts.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace ui {

QLabel *caption(QWidget *parent, const QString &text, bool bold)
{
    auto *label = new QLabel(text, parent);
    if (bold)
        label->setFont(dialogFont(11, true));
    return label;
}

QLineEdit *amountField(QWidget *parent, const QString &name, const QString &text)
{
    auto *field = new QLineEdit(text, parent);
    field->setObjectName(name);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setFixedWidth(kAmountWidth);
    return field;
}

QLabel *resultLabel(QWidget *parent, const QString &name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setFixedWidth(kAmountWidth);
    label->setMinimumHeight(label->fontMetrics().height() + 2);
    return label;
}

QLabel *bahtLabel(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(QStringLiteral("บาท"), parent);
    if (!name.isEmpty())
        label->setObjectName(name);
    label->setFixedWidth(kBahtWidth);
    return label;
}

void addAmount(QBoxLayout *row, QWidget *amount, QLabel *baht)
{
    row->addWidget(amount);
    row->addWidget(baht);
}

BevelPanel *blockPanel(QWidget *parent, const char *name)
{
    auto *panel = new BevelPanel(parent);
    panel->setObjectName(QLatin1StringView(name));
    panel->setBevels(BevelPanel::Bevel::raised, BevelPanel::Bevel::lowered);
    return panel;
}

QPushButton *nextButton(QWidget *parent, const char *name)
{
    auto *button = new QPushButton(parent->style()->standardIcon(QStyle::SP_ArrowRight),
                                   QStringLiteral("หน้าต่อไป"), parent);
    button->setObjectName(QLatin1StringView(name));
    button->setDefault(true);
    button->setMinimumSize(121, 27);
    return button;
}

void addBottomButton(QBoxLayout *layout, QPushButton *button)
{
    layout->addStretch(1);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(button);
    row->addSpacing(24);
    layout->addLayout(row);
}

} // namespace ui
