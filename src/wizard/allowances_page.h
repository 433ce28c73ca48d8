// The allowances page "ค่าลดหย่อน": return lines 8 to 17 of both persons, and
// the question whether to fill in the attachment.
#pragma once

#include "allowances.h"
#include "area_stack.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QVBoxLayout;
class QuestionPanel;
class TFormsolve;
namespace ui {
class BevelPanel;
}

class AllowancesPage : public QWidget {
    Q_OBJECT
public:
    explicit AllowancesPage(TFormsolve &form);

    ui::BevelPanel *Panel5;  // taxpayer
    ui::BevelPanel *Panel6;  // the page's title
    ui::BevelPanel *Panel29; // spouse
    QCheckBox *p3, *p4;
    QLineEdit *ch4m, *ch5m, *ch6m, *ch7m, *ch8m, *ch9m, *ch10m;
    QLineEdit *ch4f, *ch5f, *ch6f, *ch7f, *ch8f, *ch9f, *ch10f;
    QLineEdit *none1m, *none2m, *none3m, *none4m, *none5m;
    QLineEdit *none1f, *none2f, *none3f, *none4f, *none5f;
    QLabel *dis1m, *dis1f;     // line 14
    QLabel *total5m, *total5f; // line 15
    QLabel *total6m, *total6f; // line 17
    QuestionPanel *Panel82;

    // The expenses page's next button: enters this page and starts the chain.
    void Okbut2Click();
    void p3Click();
    void p4Click();
    void p3Exit(QWidget *receiving);
    void p4Exit(QWidget *receiving);
    void ch4mExit();
    void ch4fExit();
    void ch6mExit();
    void ch6fExit();
    void ch7mExit();
    void ch7fExit();
    void ch8mExit();
    void ch8fExit();
    void ch9mExit();
    void ch9fExit();
    void ch10mExit();
    void ch10fExit();

private:
    ui::BevelPanel *buildPerson(tax::Person who);
    void buildLineEight(QVBoxLayout *rows, QWidget *panel);
    void buildChildren(QVBoxLayout *rows, QWidget *panel, tax::Person who);
    QWidget *buildReceiptRows(QWidget *panel, tax::Person who);
    void childrenExit(tax::Person who);
    void cappedItemExit(tax::Person who, tax::CappedItem item);
    void socialSecurityExit(tax::Person who);
    void donationExit(tax::Person who);
    void showLines(tax::Person who, const tax::AllowanceLines &lines);
    bool isLeavingPage(QWidget *receiving) const;

    TFormsolve &m_form;
    ui::AreaStack m_questionStack; // the question panel under the rows of lines 10 to 16
};
