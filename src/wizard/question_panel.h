// The question panel "ต้องการกรอกใบแนบ" of the allowances page: whether the
// attachment is to be filled in. It lies under the allowance rows until the
// last allowance field is left.
#pragma once

#include "bevel_panel.h"

class QPushButton;
namespace ui {
class AreaStack;
class PageContext;
}

class QuestionPanel : public ui::BevelPanel {
    Q_OBJECT
public:
    // `stack` holds this panel and the rows it lies under; `where` is the
    // place of those rows, which the panel takes as its own.
    QuestionPanel(const ui::PageContext &context, ui::AreaStack &stack, QWidget *parent, const QRect &where);

    QPushButton *ok2 = nullptr;  // "ใช่"
    QPushButton *can2 = nullptr; // "ไม่"

    // Brings the question in front of the rows, with the focus on "ใช่".
    void ask();

    void ok2Click();
    void can2Click();
    void can2Exit(QWidget *receiving);

signals:
    // The attachment page is to be opened: to be filled in, or under its
    // cover with the focus on its next button.
    void answeredYes();
    void answeredNo();

private:
    const ui::PageContext &m_context;
    ui::AreaStack &m_stack;
};
