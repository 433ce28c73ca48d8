// The wizard's attachment page "ใบแนบ": one-time payments on leaving employment,
// their expense from the severance panel, their tax and its balance.
#pragma once

#include "area_stack.h"
#include "wizard_page.h"

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
namespace ui {
class BevelPanel;
class PageContext;
}

class AttachmentPage : public WizardPage {
    Q_OBJECT
public:
    explicit AttachmentPage(const ui::PageContext &context);

    QWidget *firstControl() const override;

    // The allowances page's question answered: "ใช่" opens the page to be filled
    // in, "ไม่" opens it under its cover with the focus on the next button.
    void answerYes();
    void answerNo();

    // Tells whether the severance panel has been used (its line-10 years are
    // not 0); the compute button's guard asks it.
    void setSeveranceUsed(std::function<bool()> used) { m_severanceUsed = std::move(used); }

    QLabel *heading = nullptr;
    QLabel *subject = nullptr;
    QWidget *entryFields = nullptr;       // everything the cover hides
    ui::BevelPanel *Panel81 = nullptr;    // the cover, "กด Enter เพื่อกรอกหน้าต่อไป"

    QLabel *cname1 = nullptr, *csurname1 = nullptr, *cidtax1 = nullptr;
    QLabel *cname2 = nullptr, *csurname2 = nullptr, *cidtax2 = nullptr;

    // Line 1: the employers and the years worked for each.
    QLineEdit *nameboss1 = nullptr, *nameboss2 = nullptr, *nameboss3 = nullptr, *nameboss4 = nullptr;
    QLineEdit *year1 = nullptr, *year2 = nullptr, *year3 = nullptr, *year4 = nullptr;

    // Items 1 to 6.
    QLabel *Label139 = nullptr; // column head "คู่สมรส"
    QLineEdit *ch11m = nullptr, *ch11f = nullptr, *ch12m = nullptr, *ch12f = nullptr;
    QLineEdit *ch13m = nullptr, *ch13f = nullptr, *ch14m = nullptr, *ch14f = nullptr;
    QLabel *total7m = nullptr, *total7f = nullptr, *total8m = nullptr, *total8f = nullptr;

    // Lines 2 to 7.
    QPushButton *computebutton = nullptr;
    QLabel *total14m = nullptr, *total14f = nullptr, *total15m = nullptr, *total15f = nullptr;
    QLabel *total16m = nullptr, *total16f = nullptr;
    QLineEdit *Edit3 = nullptr; // number of withholding certificates
    QLineEdit *ch15m = nullptr, *ch15f = nullptr;
    QLabel *Label124 = nullptr, *Label125 = nullptr; // captions of lines 6 and 7
    QLabel *total17m = nullptr, *total17f = nullptr, *total18m = nullptr, *total18f = nullptr;

    // The spouse's "บาท" labels: items 4 and 6, lines 2 to 7.
    QLabel *Label166 = nullptr, *Label167 = nullptr, *Label204 = nullptr, *Label207 = nullptr;
    QLabel *Label210 = nullptr, *Label211 = nullptr, *Label212 = nullptr, *Label216 = nullptr;

    QPushButton *BitBtn6 = nullptr;

    void year1Exit();
    void year2Exit();
    void year3Exit();
    void year4Exit();
    void ch11mExit();
    void ch12mExit();
    void ch13mExit();
    void ch14mExit();
    void ch11fExit();
    void ch12fExit();
    void ch13fExit();
    void ch14fExit();
    void computebuttonClick();
    void computebuttonExit(QWidget *receiving);
    // The severance panel was closed by its OK: the focus goes on to the
    // certificates of line 5.
    void takeSeveranceExpense();
    void ch15mExit();
    void ch15fExit();
    void BitBtn6Click();
    void BitBtn6Exit(QWidget *receiving);

signals:
    // The compute button: the severance panel is to be brought in front.
    void severancePanelRequested();
    // The next button: the tax computation page is to be opened.
    void nextRequested();

private:
    void buildHeader();
    void buildEmployers();
    int buildItems(); // returns the y below the items
    void buildLines(int top);
    void bindHandlers();

    const ui::PageContext &m_context;
    std::function<bool()> m_severanceUsed;
    ui::AreaStack m_cover;
};
