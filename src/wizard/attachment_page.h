// The wizard's attachment page "ใบแนบ": one-time payments on leaving employment,
// their expense from the severance panel, their tax and its balance.
#pragma once

#include "area_stack.h"
#include "attachment.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class TFormsolve;
namespace ui {
class BevelPanel;
}

class AttachmentPage : public QWidget {
    Q_OBJECT
public:
    explicit AttachmentPage(TFormsolve &form);

    // The allowances page's question answered: "ใช่" opens the page to be filled
    // in, "ไม่" opens it under its cover with the focus on the next button.
    // Both copy the persons' names and tax numbers onto the page's header.
    void answerYes();
    void answerNo();

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
    // The severance panel's OK: lines 2 to 4 of both persons.
    void BitBtn5Click();
    void ch15mExit();
    void ch15fExit();
    void BitBtn6Click();

private:
    // The result labels of one person's column.
    struct Column {
        QLabel *item4, *item6, *line2, *line3, *line4, *line6, *line7;
    };

    void buildHeader();
    void buildEmployers();
    int buildItems(); // returns the y below the items
    void buildLines(int top);
    void bindHandlers();
    void copyNames();
    const Column &column(tax::Person who) const;
    void yearExit(std::size_t row, QLineEdit *field);
    void itemExit(tax::Person who, tax::AttachmentItem item, QLineEdit *field);
    void withholdingExit(tax::Person who, QLineEdit *field);

    TFormsolve &m_form;
    ui::AreaStack m_cover;
    std::array<Column, 2> m_columns{};
};
