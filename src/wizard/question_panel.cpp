// Building and handlers of the question panel.
#include "question_panel.h"

#include "area_stack.h"
#include "fonts.h"
#include "page_context.h"
#include "return_model.h"
#include "sheet_controls.h"
#include "utf8_text.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

// The question and the two answers below it, in the middle of the panel.
constexpr int kQuestionHeight = 27;
constexpr int kQuestionGap = 12;
constexpr int kAnswerWidth = 96;
constexpr int kAnswerGap = 24;
constexpr int kMargin = 4; // inside the panel's bevels

} // namespace

QuestionPanel::QuestionPanel(const ui::PageContext &context, ui::AreaStack &stack, QWidget *parent,
                             const QRect &where)
    : ui::BevelPanel(parent)
    , m_context(context)
    , m_stack(stack)
{
    setObjectName("Panel82");
    setGeometry(where);
    setBevels(Bevel::raised, Bevel::raised, 2);

    const int questionTop = (height() - kQuestionHeight - kQuestionGap - ui::kButtonHeight) / 2;
    QLabel *question = ui::placeCaption(this, ui::text("ต้องการกรอกใบแนบ"),
                                        QRect(kMargin, questionTop, width() - 2 * kMargin, kQuestionHeight));
    question->setFont(ui::dialogFont(14, true));
    question->setAlignment(Qt::AlignCenter);

    const int answersTop = questionTop + kQuestionHeight + kQuestionGap;
    const int middle = width() / 2;
    ok2 = ui::placeButton(this, "ok2", ui::text("ใช่"),
                          QRect(middle - kAnswerGap / 2 - kAnswerWidth, answersTop, kAnswerWidth, ui::kButtonHeight));
    ok2->setIcon(ui::glyph(QStyle::SP_DialogYesButton));
    ok2->setDefault(true);
    can2 = ui::placeButton(this, "can2", ui::text("ไม่"),
                           QRect(middle + kAnswerGap / 2, answersTop, kAnswerWidth, ui::kButtonHeight));
    can2->setIcon(ui::glyph(QStyle::SP_DialogNoButton));

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
    if (!m_context.apply(m_context.model().ok2Click()))
        return;
    emit answeredYes();
    m_stack.sendToBack(this);
}

void QuestionPanel::can2Click()
{
    if (!m_context.apply(m_context.model().can2Click()))
        return;
    emit answeredNo();
    m_stack.sendToBack(this);
}

void QuestionPanel::can2Exit(QWidget *receiving)
{
    // Tab keeps to the two answers while the question is asked; turning to
    // another page, by an answer or by a tab, goes where it leads.
    if (m_context.isOnCurrentPage(this) && !m_context.isTurningPage(receiving))
        ok2->setFocus();
}
