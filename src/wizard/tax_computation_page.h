// The wizard's tax computation page "การคำนวณภาษี": lines 18 to 28 of the
// taxpayer and, for a return computed apart on the same form, of the spouse.
#pragma once

#include "return_display.h"
#include "wizard_page.h"

#include <array>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
namespace tax {
struct Choices;
}
namespace ui {
class BevelPanel;
class PageContext;
}

class TaxComputationPage : public WizardPage {
    Q_OBJECT
public:
    explicit TaxComputationPage(const ui::PageContext &context);

    QWidget *firstControl() const override;

    // The attachment page's next button: opens the page with the focus on Edit1.
    void enter();

    ui::BevelPanel *Panel44 = nullptr; // the page
    ui::BevelPanel *Panel45 = nullptr; // heading "การคำนวณภาษี"
    ui::BevelPanel *Panel46 = nullptr; // the taxpayer's column
    ui::BevelPanel *Panel47 = nullptr; // its heading "ผู้มีเงินได้"
    ui::BevelPanel *Panel48 = nullptr; // the spouse's column
    ui::BevelPanel *Panel49 = nullptr; // its heading "คู่สมรส"

    // Each value label shows the line numbered one below its name.
    QLabel *total19m = nullptr, *total20m = nullptr, *total21m = nullptr, *total22m = nullptr;
    QLabel *total23m = nullptr, *total24m = nullptr, *total25m = nullptr, *total26m = nullptr;
    QLabel *total27m = nullptr;
    QLabel *total19f = nullptr, *total20f = nullptr, *total21f = nullptr, *total22f = nullptr;
    QLabel *total23f = nullptr, *total24f = nullptr, *total25f = nullptr, *total26f = nullptr;
    QLabel *total27f = nullptr;

    // Line 21: the number of certificates and the tax withheld; line 22.
    QLineEdit *Edit1 = nullptr, *ch16m = nullptr, *ch17m = nullptr;
    QLineEdit *Edit2 = nullptr, *ch16f = nullptr, *ch17f = nullptr;

    // Lines 26 and 28: to pay (choice1, choice3) or overpaid (choice2, choice4).
    QRadioButton *choice1m = nullptr, *choice2m = nullptr, *choice3m = nullptr, *choice4m = nullptr;
    QRadioButton *choice1f = nullptr, *choice2f = nullptr, *choice3f = nullptr, *choice4f = nullptr;

    // The taxpayer's captions of lines 25 and 26 and their "บาท".
    QLabel *Label69 = nullptr, *Label70 = nullptr, *Label228 = nullptr, *Label230 = nullptr;

    QPushButton *lastbit = nullptr;

    // Leaving ch16m or ch16f: the tax withheld counts from now on.
    void ch16mLeft();
    void ch16fLeft();
    // Leaving ch17m: the taxpayer's lines 23 and 24, and line 28 where the
    // spouse is not computed apart on the return.
    void ch16mExit();
    // Leaving ch17f: the spouse's lines 23 and 24 and the set-off of lines 25
    // to 28 between both persons.
    void ch16fExit();
    void lastbitClick();

signals:
    // The next button: the refund request page is to be opened.
    void nextRequested();

private:
    void buildColumn(std::size_t person, ui::BevelPanel *column);
    void bindHandlers();
    std::array<QRadioButton *, 4> choices(tax::Person who) const;
    void showChoices(const model::ReturnDisplay &display);
    void takeChoicesOutOfTabOrder(tax::Person who);
    void keepChoicesOutOfTabOrder(QWidget *focused);

    const ui::PageContext &m_context;
    // Per person: whether a computation has taken its radio buttons out of
    // the Tab order.
    std::array<bool, 2> m_choicesComputed{};
};
