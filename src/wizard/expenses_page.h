// The expenses page "ค่าใช้จ่าย": return lines 5 to 7.
#pragma once

#include "wizard_page.h"

class QCheckBox;
class QLabel;
class QPushButton;
namespace ui {
class PageContext;
}

class ExpensesPage : public WizardPage {
    Q_OBJECT
public:
    explicit ExpensesPage(const ui::PageContext &context);

    QWidget *firstControl() const override;

    QLabel *Label5 = nullptr, *Label33 = nullptr, *Label8 = nullptr;
    QCheckBox *p1 = nullptr, *p2 = nullptr;
    QWidget *Panel25 = nullptr; // the spouse's line 5
    QLabel *total2m = nullptr, *total2f = nullptr;
    QLabel *copyoftotal3m = nullptr, *copyoftotal3f = nullptr;
    QLabel *total4m = nullptr, *total4f = nullptr;
    QLabel *Label36 = nullptr, *Label39 = nullptr;   // "คู่สมรส : " of lines 6 and 7
    QLabel *Label160 = nullptr, *Label161 = nullptr; // their "บาท"
    QPushButton *Okbut2 = nullptr;

    // The income page's next button: the page opens with the focus on p1.
    void enter();
    void p1Click();
    void p2Click();
    // The next button: the allowances page is to be opened.
    void Okbut2Click();
    void Okbut2Exit(QWidget *receiving);

signals:
    void nextRequested();

private:
    const ui::PageContext &m_context;
};
