// The income page "เงินได้พึงประเมิน": return lines 1 to 4 of both persons.
#pragma once

#include "entry_steps.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class TFormsolve;
namespace ui {
class BevelPanel;
}

class IncomePage : public QWidget {
    Q_OBJECT
public:
    explicit IncomePage(TFormsolve &form);

    ui::BevelPanel *Panel1;  // taxpayer
    ui::BevelPanel *Panel17; // spouse
    QLabel *Label1, *Label25;
    QLineEdit *ch1m, *ch2m, *ch3m;
    QLineEdit *ch1f, *ch2f, *ch3f;
    QLabel *total1m, *total1f;
    QPushButton *Okbut1;

    void ch1mExit();
    void ch1fExit();
    void ch2mExit();
    void ch2fExit();
    void ch3mExit();
    void ch3fexit();
    void Okbut1Click();
    void Okbut1Exit(QWidget *receiving);

private:
    ui::BevelPanel *buildPerson(tax::Person who);
    void salaryExit(tax::Person who);
    void amountExit(tax::Person who, tax::IncomeLine line);
    QLineEdit *fieldOf(tax::Person who, tax::IncomeLine line) const;
    void showLines(tax::Person who, const tax::IncomeLines &lines);

    TFormsolve &m_form;
};
