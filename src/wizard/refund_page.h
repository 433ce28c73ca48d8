// The wizard's refund request page "คำร้องขอคืนเงินภาษี": how an overpaid
// line 28 is to be refunded to each person, and the wizard's closing buttons.
#pragma once

#include "return_display.h"
#include "wizard_page.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
namespace ui {
class BevelPanel;
class PageContext;
}

class RefundPage : public WizardPage {
    Q_OBJECT
public:
    explicit RefundPage(const ui::PageContext &context);

    QWidget *firstControl() const override;

    // The tax computation page's next button: opens the page, which shows a
    // block for each person whose line 28 is overpaid (the spouse's only on a
    // return computed apart on the same form).
    void enter();

    ui::BevelPanel *Panel80 = nullptr;
    ui::BevelPanel *Panel83 = nullptr; // the taxpayer's heading "ผู้มีเงินได้"
    ui::BevelPanel *Panel84 = nullptr; // the taxpayer's block
    ui::BevelPanel *Panel86 = nullptr; // the spouse's heading "คู่สมรส"
    ui::BevelPanel *panel85 = nullptr; // the spouse's block

    QLabel *total28m = nullptr, *total28f = nullptr;
    // In cash or into a deposit account; current or savings account.
    QRadioButton *R1 = nullptr, *R2 = nullptr, *R3 = nullptr, *R4 = nullptr;
    QRadioButton *R5 = nullptr, *R6 = nullptr, *R7 = nullptr, *R8 = nullptr;
    // Bank code and account number.
    QLineEdit *m1 = nullptr, *m2 = nullptr, *m3 = nullptr, *m4 = nullptr;

    QPushButton *Button1 = nullptr; // "พิมพ์รายงาน การเสียภาษี"
    QPushButton *Button2 = nullptr; // "ปิดโปรแกรม"

    void Button1Click();
    void Button2Click();
    void Button2Exit();

signals:
    // Button1: the printed return is to be made.
    void printRequested();
    // Button2: the return is done; the ledger is to be cleared and the wizard closed.
    void closeRequested();
    // The focus left Button2.
    void closeButtonLeft();

private:
    void placeButtons(int top);
    void showBlocks(const model::ReturnDisplay &display);
    void keepChoicesInTabOrder(QWidget *focused);

    const ui::PageContext &m_context;
};
