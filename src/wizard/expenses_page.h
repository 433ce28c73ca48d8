// The expenses page "ค่าใช้จ่าย": return lines 5 to 7.
#pragma once

#include "entry_steps.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class TFormsolve;

class ExpensesPage : public QWidget {
    Q_OBJECT
public:
    explicit ExpensesPage(TFormsolve &form);

    QLabel *Label5, *Label33, *Label8;
    QCheckBox *p1, *p2;
    QWidget *Panel25; // the spouse's line 5
    QLabel *total2m, *total2f;
    QLabel *copyoftotal3m, *copyoftotal3f;
    QLabel *total4m, *total4f;
    QLabel *Label36, *Label39;   // "คู่สมรส : " of lines 6 and 7
    QLabel *Label160, *Label161; // their "บาท"
    QPushButton *Okbut2;

    void p1Click();
    void p2Click();
    void Okbut2Exit(QWidget *receiving);

    // Lines 5 to 7 as the income page's handlers and next button give them.
    void showTaxpayerLines(const tax::ExpenseLines &lines);
    void showSpouseLines(const tax::IncomeLines &lines);

private:
    TFormsolve &m_form;
};
