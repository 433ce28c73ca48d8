// Building and handlers of the allowances page "ค่าลดหย่อน". Both persons'
// panels have the same rows, built from tables with a member per person; only
// the taxpayer's panel has line 8 and the question panel, which lies under the
// rows of lines 10 to 16 until it is asked.
#include "allowances_page.h"

#include "bevel_panel.h"
#include "fonts.h"
#include "page_context.h"
#include "return_model.h"
#include "question_panel.h"
#include "sheet_controls.h"
#include "utf8_text.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <vector>

template <typename Control>
using PageMember = ui::Named<AllowancesPage, Control>;
using AllowanceHandler = void (AllowancesPage::*)();

// What differs between the taxpayer's panel and the spouse's.
struct AllowancePerson {
    tax::Person who;
    std::size_t side; // index into the tables' pairs of members: 0 taxpayer, 1 spouse
    const char *panel;
    const char *title;
    const char *receipts; // the area of lines 10 to 16
    AllowanceHandler childrenExit;
    PageMember<QLabel> line14, line15, line17;
};

namespace {

using tax::Person;
using P = AllowancesPage;
using ui::kAmountWidth;
using ui::kFieldHeight;
using ui::kLabelHeight;

const AllowancePerson kTaxpayer{Person::taxpayer, 0, "Panel5", QT_TRANSLATE_NOOP("ui", "ผู้มีเงินได้"), "receiptsm", &P::ch4mExit,
                                {&P::dis1m, "dis1m"}, {&P::total5m, "total5m"}, {&P::total6m, "total6m"}};
const AllowancePerson kSpouse{Person::spouse, 1, "Panel29", QT_TRANSLATE_NOOP("ui", "คู่สมรส"), "receiptsf", &P::ch4fExit,
                              {&P::dis1f, "dis1f"}, {&P::total5f, "total5f"}, {&P::total6f, "total6f"}};

// The page (789 x 542 inside the page control) holds the two panels one
// above the other, each as wide as the page.
constexpr int kPanelX = 2;
constexpr int kPanelWidth = 785;
constexpr int kPanelTop = 2;
constexpr int kPanelGap = 4;
constexpr int kPanelInset = 3; // above the first row and below the last
constexpr int kAreaInset = 2;  // the area of lines 10 to 16 keeps clear of the bevels

// A row with a field is a field high and a pixel more, so that fields on
// successive rows do not touch; a row of captions and results is a label high.
constexpr int kFieldRow = kFieldHeight + 1;
constexpr int kLabelRow = kLabelHeight;
constexpr int kLabelInFieldRow = (kFieldRow - kLabelHeight) / 2;

// Columns in panel coordinates: the title panels, the captions, and at the
// right the receipt count with "ฉบับ)", the amount and its "บาท".
constexpr int kTitleX = 4;
constexpr int kTitleWidth = 72;
constexpr int kCaptionX = 80;
constexpr int kAmountX = kPanelWidth - kAreaInset - 2 - ui::kBahtWidth - ui::kBahtGap - kAmountWidth;
constexpr int kCopiesWidth = 32;
constexpr int kCopiesX = kAmountX - 4 - kCopiesWidth;
constexpr int kCountWidth = 30;
constexpr int kCountX = kCopiesX - 2 - kCountWidth;
constexpr int kCaptionWidth = kCountX - 2 - kCaptionX;
constexpr int kNoteIndent = 16; // a caption's second line
constexpr int kChildrenWidth = 40;

// Line 9: the two groups of children side by side, each with its note below.
struct ChildrenGroup {
    const char *caption;
    const char *note;
    int x;
    int captionWidth;
    std::array<PageMember<QLineEdit>, 2> field;
};

constexpr std::array kChildrenGroups{
    ChildrenGroup{QT_TRANSLATE_NOOP("ui", "9. บุตรคนละ 15,000 หรือ 7,500 จำนวน"), QT_TRANSLATE_NOOP("ui", "(กรณีแยกคำนวณภาษีให้หักคนละ 7,500 บาท)"), kCaptionX, 226,
                  {{{&P::ch4m, "ch4m"}, {&P::ch4f, "ch4f"}}}},
    ChildrenGroup{QT_TRANSLATE_NOOP("ui", "บุตรคนละ 17,000 หรือ 8,500 จำนวน"), QT_TRANSLATE_NOOP("ui", "(กรณีแยกคำนวณภาษีให้หักคนละ 8,500 บาท)"), 400, 211,
                  {{{&P::ch5m, "ch5m"}, {&P::ch5f, "ch5f"}}}},
};

// Lines 10 to 13 and 16: an amount with the count of receipts attached. A
// caption too long for one row has a second line, which holds the fields.
struct ReceiptRow {
    const char *caption;
    const char *secondLine;
    std::array<PageMember<QLineEdit>, 2> count;
    std::array<PageMember<QLineEdit>, 2> amount;
    std::array<AllowanceHandler, 2> exit;
};

constexpr std::array kReceiptRows{
    ReceiptRow{QT_TRANSLATE_NOOP("ui", "10. เบี้ยประกันชีวิต (ตามใบเสร็จ/สำเนาใบเสร็จที่แนบ"), nullptr,
               {{{&P::none1m, "none1m"}, {&P::none1f, "none1f"}}}, {{{&P::ch6m, "ch6m"}, {&P::ch6f, "ch6f"}}},
               {&P::ch6mExit, &P::ch6fExit}},
    ReceiptRow{QT_TRANSLATE_NOOP("ui", "11. เงินสะสม ที่จ่ายเข้ากองทุนสำรองเลี้ยงชีพ (ตามหลักฐาน/สำเนาหลักฐานที่แนบ"), nullptr,
               {{{&P::none2m, "none2m"}, {&P::none2f, "none2f"}}}, {{{&P::ch7m, "ch7m"}, {&P::ch7f, "ch7f"}}},
               {&P::ch7mExit, &P::ch7fExit}},
    ReceiptRow{QT_TRANSLATE_NOOP("ui", "12. ดอกเบี้ยเงินกู้ยืม เพื่อซื้อ เช่าซื้อ หรือสร้างอาคารฯ"), QT_TRANSLATE_NOOP("ui", "(ตามหนังสือรับรองฯ และภาพถ่ายทะเบียนบ้านที่กู้ที่แนบ"),
               {{{&P::none3m, "none3m"}, {&P::none3f, "none3f"}}}, {{{&P::ch8m, "ch8m"}, {&P::ch8f, "ch8f"}}},
               {&P::ch8mExit, &P::ch8fExit}},
    ReceiptRow{QT_TRANSLATE_NOOP("ui", "13. เงินสมทบ ที่ผู้ประกันตนจ่ายเข้ากองทุนประกันสังคม (ตามหลักฐาน/สำเนาฐานที่แนบ"), nullptr,
               {{{&P::none4m, "none4m"}, {&P::none4f, "none4f"}}}, {{{&P::ch9m, "ch9m"}, {&P::ch9f, "ch9f"}}},
               {&P::ch9mExit, &P::ch9fExit}},
    ReceiptRow{QT_TRANSLATE_NOOP("ui", "16. เงินบริจาค (ตามใบเสร็จ/สำเนาใบเสร็จที่แนบ"), nullptr,
               {{{&P::none5m, "none5m"}, {&P::none5f, "none5f"}}}, {{{&P::ch10m, "ch10m"}, {&P::ch10f, "ch10f"}}},
               {&P::ch10mExit, &P::ch10fExit}},
};
constexpr std::size_t kRowsBeforeTotals = 4; // lines 14 and 15 stand between 13 and 16

// Lines 14 and 15 share a row: line 14 after its caption, line 15 in the
// amount column with its caption right-aligned before it.
constexpr int kLine14CaptionWidth = 112;
constexpr int kLine14X = kCaptionX + kLine14CaptionWidth + 4;
constexpr int kLine15CaptionX = kLine14X + kAmountWidth + ui::kBahtGap + ui::kBahtWidth + 4;
constexpr int kLine15CaptionWidth = kAmountX - 6 - kLine15CaptionX;

// Positions inside the area of lines 10 to 16, given in panel coordinates.
constexpr int areaX(int panelX)
{
    return panelX - kAreaInset;
}

QRect areaRect(int panelX, int y, int width, int height)
{
    return QRect(areaX(panelX), y, width, height);
}

// A computed amount, inset as far as a field's text is so that the decimals
// of results and fields line up; empty until its rule runs.
QLabel *placeAmountResult(QWidget *parent, const PageMember<QLabel> &member, int x, int y)
{
    return ui::placeResult(parent, member.name, QRect(x, y, kAmountWidth - 4, kLabelHeight), QString());
}

// A title panel at the left of the rows.
ui::BevelPanel *placeTitle(QWidget *parent, const char *name, const char *caption, const QRect &where)
{
    ui::BevelPanel *title = ui::placePanel(parent, name, where, ui::BevelPanel::Bevel::raised, ui::BevelPanel::Bevel::none);
    title->setCaption(ui::text(caption));
    title->setFont(ui::dialogFont(11, true));
    return title;
}

// A receipt count: two digits or blanks, as many as the receipts attached.
QLineEdit *placeCount(QWidget *parent, const char *name, const QRect &where)
{
    QLineEdit *field = ui::placeField(parent, name, where, QString(), Qt::AlignLeft);
    field->setInputMask(QStringLiteral("00; "));
    field->setMaxLength(2);
    field->setText(QString());
    return field;
}

} // namespace

AllowancesPage::AllowancesPage(const ui::PageContext &context)
    : m_context(context)
{
    setObjectName("TabSheet3");
    Panel5 = buildPerson(kTaxpayer, kPanelTop);
    Panel29 = buildPerson(kSpouse, Panel5->geometry().bottom() + 1 + kPanelGap);

    std::vector<QWidget *> order{p3, p4};
    for (const AllowancePerson *person : {&kTaxpayer, &kSpouse}) {
        for (const ChildrenGroup &group : kChildrenGroups)
            order.push_back(group.field[person->side].in(*this));
        for (const ReceiptRow &row : kReceiptRows) {
            order.push_back(row.count[person->side].in(*this));
            order.push_back(row.amount[person->side].in(*this));
        }
    }
    order.push_back(Panel82->ok2);
    order.push_back(Panel82->can2);
    ui::chainTabOrder(order);
    bindHandlers();
}

QWidget *AllowancesPage::firstControl() const
{
    return p3;
}

ui::BevelPanel *AllowancesPage::buildPerson(const AllowancePerson &person, int top)
{
    ui::BevelPanel *panel = ui::placePanel(this, person.panel, QRect(kPanelX, top, kPanelWidth, 0));
    int y = kPanelInset;
    if (person.who == Person::taxpayer)
        y = buildLineEight(panel, y);
    y = buildChildren(panel, person, y);

    QWidget *receipts = buildReceipts(panel, person, y);
    if (person.who == Person::taxpayer) {
        Panel82 = new QuestionPanel(m_context, m_questionStack, panel, receipts->geometry());
        m_questionStack.add(Panel82);
        m_questionStack.add(receipts);
    }
    y = receipts->geometry().bottom() + 1;

    ui::placeCaption(panel, ui::text("17. เงินได้สุทธิ"), QRect(kCaptionX, y, kCaptionWidth, kLabelRow));
    person.line17.in(*this) = placeAmountResult(panel, person.line17, kAmountX, y);
    ui::placeBaht(panel, kAmountX + kAmountWidth, y);
    y += kLabelRow;

    panel->resize(kPanelWidth, y + kPanelInset);
    return panel;
}

int AllowancesPage::buildLineEight(QWidget *panel, int y)
{
    const int top = y + kLabelInFieldRow;
    Panel6 = placeTitle(panel, "Panel6", QT_TRANSLATE_NOOP("ui", "ค่าลดหย่อน"), QRect(kTitleX, top, kTitleWidth, kLabelHeight));
    ui::placeCaption(panel, QStringLiteral("8. "), QRect(kCaptionX, top, 18, kLabelHeight));
    p3 = ui::placeCheckBox(panel, "p3", ui::text("ผู้มีเงินได้ (30,000 บาท)"), QRect(98, top, 164, kLabelHeight));
    p4 = ui::placeCheckBox(panel, "p4", ui::text("คู่สมรส (30,000 บาท กรณีไม่มีเงินได้หรือรวมคำนวณภาษี)"),
                           QRect(274, top, 356, kLabelHeight));
    p3->setChecked(true);
    p4->setChecked(true);
    return y + kFieldRow;
}

int AllowancesPage::buildChildren(QWidget *panel, const AllowancePerson &person, int y)
{
    const int top = y + kLabelInFieldRow;
    placeTitle(panel, "", person.title, QRect(kTitleX, top, kTitleWidth, kLabelHeight));
    for (const ChildrenGroup &group : kChildrenGroups) {
        const PageMember<QLineEdit> &field = group.field[person.side];
        const int fieldX = group.x + group.captionWidth + 2;
        ui::placeCaption(panel, ui::text(group.caption), QRect(group.x, top, group.captionWidth, kLabelHeight));
        field.in(*this) = ui::placeField(panel, field.name, QRect(fieldX, y, kChildrenWidth, kFieldHeight),
                                         QStringLiteral("0"));
        ui::placeCaption(panel, ui::text("คน"), QRect(fieldX + kChildrenWidth + 4, top, 22, kLabelHeight));
        ui::placeCaption(panel, ui::text(group.note), QRect(group.x + kNoteIndent, y + kFieldRow, 262, kLabelHeight));
    }
    return y + kFieldRow + kLabelRow;
}

QWidget *AllowancesPage::buildReceipts(QWidget *panel, const AllowancePerson &person, int top)
{
    auto *area = new QWidget(panel);
    area->setObjectName(person.receipts);
    const std::size_t side = person.side;
    int y = 0;
    for (std::size_t i = 0; i < kReceiptRows.size(); ++i) {
        if (i == kRowsBeforeTotals) {
            ui::placeCaption(area, ui::text("14. รวมค่าลดหย่อน"), areaRect(kCaptionX, y, kLine14CaptionWidth, kLabelRow));
            person.line14.in(*this) = placeAmountResult(area, person.line14, areaX(kLine14X), y);
            ui::placeBaht(area, areaX(kLine14X + kAmountWidth), y);
            ui::placeCaption(area, ui::text("15. คงเหลือเงินได้ก่อนหักลดหย่อนเงินบริจาค"),
                             areaRect(kLine15CaptionX, y, kLine15CaptionWidth, kLabelRow))
                ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            person.line15.in(*this) = placeAmountResult(area, person.line15, areaX(kAmountX), y);
            ui::placeBaht(area, areaX(kAmountX + kAmountWidth), y);
            y += kLabelRow;
        }
        const ReceiptRow &row = kReceiptRows[i];
        int captionX = kCaptionX;
        const char *caption = row.caption;
        if (row.secondLine) {
            ui::placeCaption(area, ui::text(row.caption), areaRect(kCaptionX, y, kCaptionWidth, kLabelRow));
            y += kLabelRow;
            captionX += kNoteIndent;
            caption = row.secondLine;
        }
        const int labelTop = y + kLabelInFieldRow;
        ui::placeCaption(area, ui::text(caption), areaRect(captionX, labelTop, kCountX - 2 - captionX, kLabelHeight));
        row.count[side].in(*this) = placeCount(area, row.count[side].name, areaRect(kCountX, y, kCountWidth, kFieldHeight));
        ui::placeCaption(area, ui::text("ฉบับ)"), areaRect(kCopiesX, labelTop, kCopiesWidth, kLabelHeight));
        row.amount[side].in(*this) = ui::placeField(area, row.amount[side].name,
                                                    areaRect(kAmountX, y, kAmountWidth, kFieldHeight), QStringLiteral("0"));
        ui::placeBaht(area, areaX(kAmountX + kAmountWidth), labelTop);
        y += kFieldRow;
    }
    area->setGeometry(kAreaInset, top, kPanelWidth - 2 * kAreaInset, y);
    return area;
}

void AllowancesPage::bindHandlers()
{
    m_context.onClick(p3, [this] { p3Click(); });
    m_context.onClick(p4, [this] { p4Click(); });
    m_context.onExit(p3, [this](QWidget *receiving) { p3Exit(receiving); });
    m_context.onExit(p4, [this](QWidget *receiving) { p4Exit(receiving); });
    for (const AllowancePerson *person : {&kTaxpayer, &kSpouse}) {
        // Children of either group are counted by one handler per person.
        const AllowanceHandler children = person->childrenExit;
        for (const ChildrenGroup &group : kChildrenGroups)
            m_context.onExit(group.field[person->side].in(*this), [this, children](QWidget *) { (this->*children)(); });
        for (const ReceiptRow &row : kReceiptRows) {
            const AllowanceHandler exit = row.exit[person->side];
            m_context.onExit(row.amount[person->side].in(*this), [this, exit](QWidget *) { (this->*exit)(); });
        }
    }
}

void AllowancesPage::enter()
{
    m_context.openPage(this);
    p3->setFocus();
}

void AllowancesPage::p3Click() { p3->setChecked(true); }
void AllowancesPage::p4Click() { p4->setChecked(true); }

bool AllowancesPage::isLeavingPage(QWidget *receiving) const
{
    return !m_context.isCurrentPage(this) || m_context.isTurningPage(receiving);
}

void AllowancesPage::p3Exit(QWidget *receiving)
{
    if (m_context.maritalStatus() == tax::MaritalStatus::widow && !isLeavingPage(receiving))
        ch4m->setFocus();
}

void AllowancesPage::p4Exit(QWidget *receiving)
{
    if (!isLeavingPage(receiving))
        ch4m->setFocus();
}

void AllowancesPage::ch4mExit() { m_context.apply(m_context.model().ch4mExit(ui::textOf(ch4m), ui::textOf(ch5m))); }
void AllowancesPage::ch4fExit() { m_context.apply(m_context.model().ch4fExit(ui::textOf(ch4f), ui::textOf(ch5f))); }
void AllowancesPage::ch6mExit() { m_context.apply(m_context.model().ch6mExit(ui::textOf(ch6m))); }
void AllowancesPage::ch6fExit() { m_context.apply(m_context.model().ch6fExit(ui::textOf(ch6f))); }
void AllowancesPage::ch7mExit() { m_context.apply(m_context.model().ch7mExit(ui::textOf(ch7m))); }
void AllowancesPage::ch7fExit() { m_context.apply(m_context.model().ch7fExit(ui::textOf(ch7f))); }
void AllowancesPage::ch8mExit() { m_context.apply(m_context.model().ch8mExit(ui::textOf(ch8m))); }
void AllowancesPage::ch8fExit() { m_context.apply(m_context.model().ch8fExit(ui::textOf(ch8f))); }
void AllowancesPage::ch9mExit() { m_context.apply(m_context.model().ch9mExit(ui::textOf(ch9m))); }
void AllowancesPage::ch9fExit() { m_context.apply(m_context.model().ch9fExit(ui::textOf(ch9f))); }

void AllowancesPage::ch10mExit()
{
    m_context.apply(m_context.model().ch10mExit(ui::textOf(ch10m)));
    if (!Panel29->isHidden())
        ch4f->setFocus();
    else
        Panel82->ask();
}

void AllowancesPage::ch10fExit()
{
    m_context.apply(m_context.model().ch10fExit(ui::textOf(ch10f)));
    Panel82->ask();
}
