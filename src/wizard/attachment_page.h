// The wizard's attachment page "ใบแนบ": one-time payments on leaving employment,
// their expense from the severance panel, their tax and its balance.
#pragma once

#include <QWidget>

class TFormsolve;

class AttachmentPage : public QWidget {
    Q_OBJECT
public:
    explicit AttachmentPage(TFormsolve &form);

    // The allowances page's question answered: "ใช่" opens the page to be filled
    // in, "ไม่" opens it under its cover with the focus on the next button.
    // Both copy the persons' names and tax numbers onto the page's header.
    void answerYes();
    void answerNo();

private:
    TFormsolve &m_form;
};
