// Building and handlers of the expenses page "ค่าใช้จ่าย". Lines 5 to 7 each
// have a row per person, built from tables; the spouse's amount of line 5
// lies in Panel25, which the status hides with p2.
#include "expenses_page.h"

#include "bevel_panel.h"
#include "page_context.h"
#include "return_model.h"
#include "sheet_controls.h"
#include "utf8_text.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <array>

namespace {

using P = ExpensesPage;
template <typename Control>
using PageMember = ui::Named<ExpensesPage, Control>;

// The page (789 x 542 inside the page control): one block for lines 5 to 7,
// the next button at the bottom right. In the block the heading, then each
// line's caption with a row per person under it; the amounts stand in the
// same column as on the income page.
constexpr int kBlockWidth = 773;
constexpr int kPadding = 10;
constexpr int kCaptionX = 12;
constexpr int kPersonX = 30; // the persons' rows under their line's caption
constexpr int kPersonWidth = 200;
constexpr int kFirstLineY = 40;
constexpr int kRowPitch = 30;
constexpr int kLineGap = 8;
constexpr int kAmountX = kBlockWidth - kCaptionX - ui::kBahtWidth - ui::kBahtGap - ui::kAmountWidth;
// Captions leave as much room before the amounts as there is at their left.
constexpr int kCaptionWidth = kAmountX - 2 * kCaptionX;
// A result label ends where a field's text does, so that the decimals line up.
constexpr int kResultWidth = ui::kAmountWidth - 4;
// Three lines of a caption and two persons' rows.
constexpr int kBlockHeight = kFirstLineY + 8 * kRowPitch + 2 * kLineGap + ui::kFieldHeight + kPadding;
constexpr QRect kBlock(8, 8, kBlockWidth, kBlockHeight);

// Line 5: a check box per person marks whose expense stands beside it.
struct MarkRow {
    PageMember<QCheckBox> box;
    const char *caption;
    PageMember<QLabel> amount;
};

constexpr std::array<MarkRow, 2> kMarks{{
    {{&P::p1, "p1"}, QT_TRANSLATE_NOOP("ui", "ผู้มีเงินได้"), {&P::total2m, "total2m"}},
    {{&P::p2, "p2"}, QT_TRANSLATE_NOOP("ui", "คู่สมรส"), {&P::total2f, "total2f"}},
}};

// Lines 6 and 7: a caption, then a row per person. The spouse's caption and
// "บาท" are named: the status hides them with the amount.
struct PersonRow {
    const char *caption;
    PageMember<QLabel> captionLabel;
    PageMember<QLabel> amount;
    const char *bahtName;
};

struct TotalLine {
    const char *caption;
    std::array<PersonRow, 2> persons;
};

constexpr TotalLine kTotals[]{
    {QT_TRANSLATE_NOOP("ui", "6. รวมค่าใช้จ่าย"),
     {{{QT_TRANSLATE_NOOP("ui", "ผู้มีเงินได้ : "), {}, {&P::copyoftotal3m, "copyoftotal3m"}, ""},
       {QT_TRANSLATE_NOOP("ui", "คู่สมรส : "), {&P::Label36, "Label36"}, {&P::copyoftotal3f, "copyoftotal3f"}, "Label160"}}}},
    {QT_TRANSLATE_NOOP("ui", "7. เงินได้หลังหักค่าใช้จ่าย"),
     {{{QT_TRANSLATE_NOOP("ui", "ผู้มีเงินได้ : "), {}, {&P::total4m, "total4m"}, ""},
       {QT_TRANSLATE_NOOP("ui", "คู่สมรส : "), {&P::Label39, "Label39"}, {&P::total4f, "total4f"}, "Label161"}}}},
};

// A computed amount at `x` in the row at `y`, and its "บาท".
QLabel *placeAmount(QWidget *parent, const char *name, int x, int y, const char *bahtName = "")
{
    const int top = y + (ui::kFieldHeight - ui::kLabelHeight) / 2;
    ui::placeBaht(parent, x + ui::kAmountWidth, top, bahtName);
    return ui::placeResult(parent, name, QRect(x, top, kResultWidth, ui::kLabelHeight), QString());
}

} // namespace

ExpensesPage::ExpensesPage(const ui::PageContext &context)
    : m_context(context)
{
    setObjectName("TabSheet2");

    ui::BevelPanel *panel = ui::placePanel(this, "expenses", kBlock);
    Label5 = ui::placeCaption(panel, ui::text("ค่าใช้จ่าย"), QRect(kCaptionX, kPadding, kCaptionWidth, ui::kLabelHeight),
                              "Label5", true);

    int y = kFirstLineY;
    Label33 = ui::placeCaption(panel, QStringLiteral("5."), QRect(kCaptionX, y, kPersonX - kCaptionX, ui::kFieldHeight), "Label33");
    Label8 = ui::placeCaption(panel, ui::text("(ร้อยละ 40 แต่ไม่เกิน 60,000 บาท)"),
                              QRect(kPersonX, y, kCaptionWidth - (kPersonX - kCaptionX), ui::kFieldHeight), "Label8");
    for (std::size_t person = 0; person < kMarks.size(); ++person) {
        y += kRowPitch;
        const MarkRow &mark = kMarks[person];
        QCheckBox *box = mark.box.in(*this) =
            ui::placeCheckBox(panel, mark.box.name, ui::text(mark.caption), QRect(kPersonX, y, kPersonWidth, ui::kFieldHeight));
        box->setChecked(true);
        // The spouse's amount and its "บาท" lie in a panel of their own.
        QWidget *host = panel;
        QPoint at(kAmountX, y);
        if (person == 1) {
            Panel25 = host = ui::placePanel(panel, "Panel25",
                                            QRect(at, QSize(ui::kAmountWidth + ui::kBahtGap + ui::kBahtWidth, ui::kFieldHeight)),
                                            ui::BevelPanel::Bevel::none, ui::BevelPanel::Bevel::none);
            at = QPoint(0, 0);
        }
        mark.amount.in(*this) = placeAmount(host, mark.amount.name, at.x(), at.y());
    }

    for (const TotalLine &line : kTotals) {
        y += kRowPitch + kLineGap;
        ui::placeCaption(panel, ui::text(line.caption), QRect(kCaptionX, y, kCaptionWidth, ui::kFieldHeight));
        for (const PersonRow &row : line.persons) {
            y += kRowPitch;
            QLabel *caption = ui::placeCaption(panel, ui::text(row.caption), QRect(kPersonX, y, kPersonWidth, ui::kFieldHeight),
                                               row.captionLabel.name ? row.captionLabel.name : "");
            if (row.captionLabel.member)
                row.captionLabel.in(*this) = caption;
            row.amount.in(*this) = placeAmount(panel, row.amount.name, kAmountX, y, row.bahtName);
        }
    }

    Okbut2 = ui::placeNextButton(this, "Okbut2");

    ui::chainTabOrder({p1, p2, Okbut2});
    context.onClick(p1, [this] { p1Click(); });
    context.onClick(p2, [this] { p2Click(); });
    context.onClick(Okbut2, [this] { Okbut2Click(); });
    context.onExit(Okbut2, [this](QWidget *receiving) { Okbut2Exit(receiving); });
    context.setDefaultButton(this, Okbut2);
}

QWidget *ExpensesPage::firstControl() const
{
    return p1;
}

void ExpensesPage::enter()
{
    m_context.openPage(this);
    p1->setFocus();
}

void ExpensesPage::p1Click() { p1->setChecked(true); }
void ExpensesPage::p2Click() { p2->setChecked(true); }

void ExpensesPage::Okbut2Click()
{
    // The allowance chain starts as the allowances page opens.
    if (m_context.apply(m_context.model().Okbut2Click()))
        emit nextRequested();
}

void ExpensesPage::Okbut2Exit(QWidget *receiving)
{
    // Tab from the button goes round to the page's first control; turning to
    // another page by its tab stays possible.
    if (m_context.isCurrentPage(this) && !m_context.isTurningPage(receiving))
        p1->setFocus();
}
