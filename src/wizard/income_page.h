// The income page "เงินได้พึงประเมิน": return lines 1 to 4 of both persons.
#pragma once

#include "return_ledger.h"
#include "wizard_page.h"

class QLabel;
class QLineEdit;
class QPushButton;
namespace ui {
class BevelPanel;
class PageContext;
}

class IncomePage : public WizardPage {
    Q_OBJECT
public:
    explicit IncomePage(const ui::PageContext &context);

    QWidget *firstControl() const override;

    ui::BevelPanel *Panel1 = nullptr;  // taxpayer
    ui::BevelPanel *Panel17 = nullptr; // spouse
    QLabel *Label1 = nullptr, *Label25 = nullptr;
    QLineEdit *ch1m = nullptr, *ch2m = nullptr, *ch3m = nullptr;
    QLineEdit *ch1f = nullptr, *ch2f = nullptr, *ch3f = nullptr;
    QLabel *total1m = nullptr, *total1f = nullptr;
    QPushButton *Okbut1 = nullptr;

    void ch1mExit();
    void ch1fExit();
    void ch2mExit();
    void ch2fExit();
    void ch3mExit();
    void ch3fexit();
    void Okbut1Click();
    void Okbut1Exit(QWidget *receiving);

signals:
    // The next button: the expenses page is to be opened.
    void nextRequested();

private:
    ui::BevelPanel *buildPerson(tax::Person who);

    const ui::PageContext &m_context;
};
