// The question panel "ต้องการกรอกใบแนบ" of the allowances page: whether the
// attachment is to be filled in. It lies under the allowance rows until the
// last allowance field is left.
#pragma once

#include "bevel_panel.h"

class QPushButton;
class TFormsolve;
namespace ui {
class AreaStack;
}

class QuestionPanel : public ui::BevelPanel {
    Q_OBJECT
public:
    // `stack` holds this panel and the rows it lies under.
    QuestionPanel(TFormsolve &form, ui::AreaStack &stack, QWidget *parent);

    QPushButton *ok2;  // "ใช่"
    QPushButton *can2; // "ไม่"

    // Brings the question in front of the rows, with the focus on "ใช่".
    void ask();

    void ok2Click();
    void can2Click();
    void can2Exit(QWidget *receiving);

private:
    void answered();

    TFormsolve &m_form;
    ui::AreaStack &m_stack;
};
