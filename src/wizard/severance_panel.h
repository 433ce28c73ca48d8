// The severance panel "compute1": the expense of a one-time payment on leaving
// employment, lines 8 to 13 for the taxpayer (left half) and the spouse (right
// half, Panel78), lying over the pages while it is in use.
#pragma once

#include "bevel_panel.h"
#include "return_display.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct SeveranceHalf;
namespace ui {
class PageContext;
}

class SeverancePanel : public ui::BevelPanel {
    Q_OBJECT
public:
    explicit SeverancePanel(const ui::PageContext &context);

    QLabel *title = nullptr;
    ui::BevelPanel *taxpayerHalf = nullptr;
    ui::BevelPanel *Panel78 = nullptr; // the spouse's half

    QCheckBox *computecheck1 = nullptr, *computecheck2 = nullptr;
    QCheckBox *computecheck5 = nullptr, *computecheck6 = nullptr;
    QRadioButton *computecheck3 = nullptr, *computecheck4 = nullptr;
    QRadioButton *computecheck7 = nullptr, *computecheck8 = nullptr;
    QLineEdit *com1m = nullptr, *com2m = nullptr, *com3m = nullptr, *com5m = nullptr;
    QLineEdit *com1f = nullptr, *com2f = nullptr, *com3f = nullptr, *com5f = nullptr;
    QLabel *total9m = nullptr, *total10m = nullptr, *total11m = nullptr, *total12m = nullptr, *total13m = nullptr;
    QLabel *total9f = nullptr, *total10f = nullptr, *total11f = nullptr, *total12f = nullptr, *total13f = nullptr;
    // The line-8 captions: line, same-salary text, plus-10-percent text, "x",
    // "ปี", "(จำนวนปีที่ทำงาน)".
    QLabel *Label171 = nullptr, *Label189 = nullptr, *Label173 = nullptr, *Label191 = nullptr,
           *Label192 = nullptr, *Label193 = nullptr;
    QLabel *Label172 = nullptr, *Label190 = nullptr, *Label174 = nullptr, *Label194 = nullptr,
           *Label195 = nullptr, *Label196 = nullptr;
    QPushButton *BitBtn5 = nullptr;

    // The opening by the attachment page's compute button, once the panel is
    // in front: the focus goes to its first enabled choice.
    void open();
    // Whether the taxpayer's line-10 years show the panel as used.
    bool expenseYearsEntered() const;

    void com1mExit();
    void com1fExit();
    void com2mExit();
    void com2fExit();
    void computecheck3Click();
    void computecheck4Click();
    void computecheck7Click();
    void computecheck8Click();
    void com5mExit();
    void com5fExit();
    // OK: the panel goes behind the pages, which take its result.
    void BitBtn5Click();
    void BitBtn5Exit();

signals:
    // OK was pressed with the computation complete; the panel is behind the
    // pages again.
    void closed();

private:
    void buildHalf(const SeveranceHalf &half, ui::BevelPanel *area);
    void bindHalf(const SeveranceHalf &half);
    void showHalf(const SeveranceHalf &half, const model::ReturnDisplay &display);

    const ui::PageContext &m_context;
};
