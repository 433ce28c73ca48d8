// Building and handlers of the question panel.
#include "question_panel.h"

#include "area_stack.h"
#include "entry_steps.h"
#include "fonts.h"
#include "page_context.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

QuestionPanel::QuestionPanel(const ui::PageContext &context, ui::AreaStack &stack, QWidget *parent)
    : ui::BevelPanel(parent)
    , m_context(context)
    , m_stack(stack)
{
    setObjectName("Panel82");
    setBevels(Bevel::raised, Bevel::raised, 2);

    auto *question = new QLabel(QStringLiteral("ต้องการกรอกใบแนบ"), this);
    question->setFont(ui::dialogFont(14, true));
    question->setAlignment(Qt::AlignCenter);
    ok2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogYesButton), QStringLiteral("ใช่"), this);
    ok2->setObjectName("ok2");
    ok2->setDefault(true);
    can2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogNoButton), QStringLiteral("ไม่"), this);
    can2->setObjectName("can2");
    for (QPushButton *button : {ok2, can2})
        button->setMinimumSize(96, 27);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok2);
    buttons->addSpacing(24);
    buttons->addWidget(can2);
    buttons->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addWidget(question);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    layout->addStretch(1);

    context.onClick(ok2, [this] { ok2Click(); });
    context.onClick(can2, [this] { can2Click(); });
    context.onExit(can2, [this](QWidget *receiving) { can2Exit(receiving); });
    context.setDefaultButton(this, ok2);
}

void QuestionPanel::ask()
{
    m_stack.bringToFront(this);
    ok2->setFocus();
}

void QuestionPanel::ok2Click()
{
    emit answeredYes();
    answered();
}

void QuestionPanel::can2Click()
{
    emit answeredNo();
    answered();
}

void QuestionPanel::answered()
{
    m_stack.sendToBack(this);
    tax::openAttachment(m_context.ledger());
}

void QuestionPanel::can2Exit(QWidget *receiving)
{
    // Tab keeps to the two answers while the question is asked; turning to
    // another page, by an answer or by a tab, goes where it leads.
    if (m_context.isOnCurrentPage(this) && !m_context.isTurningPage(receiving))
        ok2->setFocus();
}
