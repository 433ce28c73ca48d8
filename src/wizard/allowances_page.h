// The allowances page "ค่าลดหย่อน": return lines 8 to 17 of both persons, and
// the question whether to fill in the attachment.
#pragma once

#include "return_ledger.h"
#include "area_stack.h"
#include "wizard_page.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QuestionPanel;
struct AllowancePerson;
namespace ui {
class BevelPanel;
class PageContext;
}

class AllowancesPage : public WizardPage {
    Q_OBJECT
public:
    explicit AllowancesPage(const ui::PageContext &context);

    QWidget *firstControl() const override;

    ui::BevelPanel *Panel5 = nullptr;  // taxpayer
    ui::BevelPanel *Panel6 = nullptr;  // the page's title
    ui::BevelPanel *Panel29 = nullptr; // spouse
    QCheckBox *p3 = nullptr, *p4 = nullptr;
    QLineEdit *ch4m = nullptr, *ch5m = nullptr, *ch6m = nullptr, *ch7m = nullptr, *ch8m = nullptr,
              *ch9m = nullptr, *ch10m = nullptr;
    QLineEdit *ch4f = nullptr, *ch5f = nullptr, *ch6f = nullptr, *ch7f = nullptr, *ch8f = nullptr,
              *ch9f = nullptr, *ch10f = nullptr;
    QLineEdit *none1m = nullptr, *none2m = nullptr, *none3m = nullptr, *none4m = nullptr, *none5m = nullptr;
    QLineEdit *none1f = nullptr, *none2f = nullptr, *none3f = nullptr, *none4f = nullptr, *none5f = nullptr;
    QLabel *dis1m = nullptr, *dis1f = nullptr;     // line 14
    QLabel *total5m = nullptr, *total5f = nullptr; // line 15
    QLabel *total6m = nullptr, *total6f = nullptr; // line 17
    QuestionPanel *Panel82 = nullptr;

    // The expenses page's next button: opens this page with the focus on p3.
    void enter();
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
    // The builders place their rows from `top` or `y` down; those returning an
    // int return the y below their rows.
    ui::BevelPanel *buildPerson(const AllowancePerson &person, int top);
    int buildLineEight(QWidget *panel, int y);
    int buildChildren(QWidget *panel, const AllowancePerson &person, int y);
    QWidget *buildReceipts(QWidget *panel, const AllowancePerson &person, int top);
    void bindHandlers();
    bool isLeavingPage(QWidget *receiving) const;

    const ui::PageContext &m_context;
    ui::AreaStack m_questionStack; // the question panel under the rows of lines 10 to 16
};
