// Building and handlers of the severance panel. Both halves have the same
// rows; a table of members per person builds and drives them.
#include "severance_panel.h"

#include "area_stack.h"
#include "attachment.h"
#include "fonts.h"
#include "page_context.h"
#include "return_model.h"
#include "return_view.h"
#include "sheet_controls.h"
#include "utf8_text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

template <typename Control>
using PanelMember = ui::Named<SeverancePanel, Control>;

struct SeveranceHalf {
    tax::Person who;
    const char *heading;
    PanelMember<QCheckBox> lastMonth, averaged;
    PanelMember<QLineEdit> salary, years, product, expenseYears;
    PanelMember<QRadioButton> rate7000, rate3500;
    PanelMember<QLabel> line9, line10, line11, line12, line13;
    // Line 8: line caption, same-salary text, plus-10-percent text, "x", "ปี",
    // "(จำนวนปีที่ทำงาน)".
    PanelMember<QLabel> lineCaption, sameSalary, plusTen, times, yearUnit, yearsWorked;
};

namespace {

using P = SeverancePanel;

const SeveranceHalf kTaxpayer{
    tax::Person::taxpayer, QT_TRANSLATE_NOOP("ui", "ผู้มีเงินได้"),
    {&P::computecheck1, "computecheck1"}, {&P::computecheck2, "computecheck2"},
    {&P::com1m, "com1m"}, {&P::com2m, "com2m"}, {&P::com3m, "com3m"}, {&P::com5m, "com5m"},
    {&P::computecheck3, "computecheck3"}, {&P::computecheck4, "computecheck4"},
    {&P::total9m, "total9m"}, {&P::total10m, "total10m"}, {&P::total11m, "total11m"},
    {&P::total12m, "total12m"}, {&P::total13m, "total13m"},
    {&P::Label171, "Label171"}, {&P::Label189, "Label189"}, {&P::Label173, "Label173"},
    {&P::Label191, "Label191"}, {&P::Label192, "Label192"}, {&P::Label193, "Label193"},
};

const SeveranceHalf kSpouse{
    tax::Person::spouse, QT_TRANSLATE_NOOP("ui", "คู่สมรส"),
    {&P::computecheck5, "computecheck5"}, {&P::computecheck6, "computecheck6"},
    {&P::com1f, "com1f"}, {&P::com2f, "com2f"}, {&P::com3f, "com3f"}, {&P::com5f, "com5f"},
    {&P::computecheck7, "computecheck7"}, {&P::computecheck8, "computecheck8"},
    {&P::total9f, "total9f"}, {&P::total10f, "total10f"}, {&P::total11f, "total11f"},
    {&P::total12f, "total12f"}, {&P::total13f, "total13f"},
    {&P::Label172, "Label172"}, {&P::Label190, "Label190"}, {&P::Label174, "Label174"},
    {&P::Label194, "Label194"}, {&P::Label195, "Label195"}, {&P::Label196, "Label196"},
};

// Positions inside a half (362 wide): captions at the left, amounts and their
// "บาท" at the right; rows of fields are taller than rows of labels.
constexpr int kHalfWidth = 362;
constexpr int kHalfHeight = 338;
constexpr int kCaptionX = 6;
constexpr int kIndentX = 14;
using ui::kAmountWidth;
using ui::kBahtWidth;
constexpr int kAmountX = 216;
constexpr int kBahtX = kAmountX + kAmountWidth + ui::kBahtGap;
constexpr int kLineHeight = 20;

// Lines 9 to 13. A caption too long to share its row with the amount takes
// a row of its own, and the amount goes on the row below, beside the
// caption's second part.
struct ResultRow {
    PanelMember<QLabel> SeveranceHalf::*line;
    const char *caption;
    const char *secondPart; // null: the amount shares the caption's row
    int y;
};

constexpr ResultRow kResultRows[]{
    {&SeveranceHalf::line9, QT_TRANSLATE_NOOP("ui", "9. จำนวนเงินที่ถือเป็นฐาน"), QT_TRANSLATE_NOOP("ui", "เพื่อคำนวณหาค่าใช้จ่าย"), 144},
    {&SeveranceHalf::line10, QT_TRANSLATE_NOOP("ui", "10. ค่าใช้จ่ายส่วนแรก"), nullptr, 186},
    {&SeveranceHalf::line11, QT_TRANSLATE_NOOP("ui", "11. คงเหลือ (9. - 10.)"), nullptr, 233},
    {&SeveranceHalf::line12, QT_TRANSLATE_NOOP("ui", "12. ค่าใช้จ่าย ส่วนที่ 2 ร้อยละ 50 ของ 11."), "", 255},
    {&SeveranceHalf::line13, QT_TRANSLATE_NOOP("ui", "13. รวม ค่าใช้จ่ายที่หักได้ทั้งหมด (10.+12.)"), QT_TRANSLATE_NOOP("ui", "(ยกไปกรอกใน 2.)"), 297},
};

} // namespace

SeverancePanel::SeverancePanel(const ui::PageContext &context)
    : m_context(context)
{
    setObjectName("compute1");
    setBevels(Bevel::raised, Bevel::raised, 3);

    title = ui::placeCaption(this, ui::text("วิธีคำนวณค่าใช้จ่ายของเงินได้พึงประเมินที่นายจ่ายให้ครั้งเดียวเพราะเหตุออกจากงาน"),
                             QRect(5, 5, 727, kLineHeight), "title", true);
    title->setAlignment(Qt::AlignCenter);

    taxpayerHalf = new ui::BevelPanel(this);
    taxpayerHalf->setObjectName("taxpayerHalf");
    taxpayerHalf->setGeometry(5, 26, kHalfWidth, kHalfHeight);
    Panel78 = new ui::BevelPanel(this);
    Panel78->setObjectName("Panel78");
    Panel78->setGeometry(370, 26, kHalfWidth, kHalfHeight);
    buildHalf(kTaxpayer, taxpayerHalf);
    buildHalf(kSpouse, Panel78);

    BitBtn5 = ui::placeButton(this, "BitBtn5", QStringLiteral("OK"), QRect(326, 367, 85, 27));
    BitBtn5->setIcon(ui::glyph(QStyle::SP_DialogOkButton));

    // The product of line 8 is shown, not entered; only the spouse's is a Tab stop.
    com3m->setFocusPolicy(Qt::ClickFocus);
    ui::chainTabOrder({computecheck1, computecheck2, com1m, com2m, computecheck3, computecheck4, com5m,
                       BitBtn5, computecheck5, computecheck6, com1f, com2f, com5f, com3f, computecheck7,
                       computecheck8});

    bindHalf(kTaxpayer);
    bindHalf(kSpouse);
    m_context.onExit(BitBtn5, [this](QWidget *) { BitBtn5Exit(); });
    m_context.onClick(BitBtn5, [this] { BitBtn5Click(); });
    m_context.setDefaultButton(this, BitBtn5);
    m_context.view().onShow([this](const model::ReturnDisplay &display) {
        showHalf(kTaxpayer, display);
        showHalf(kSpouse, display);
    });
}

void SeverancePanel::buildHalf(const SeveranceHalf &half, ui::BevelPanel *area)
{
    area->setBevels(Bevel::lowered, Bevel::none);
    auto *heading = new ui::BevelPanel(area);
    heading->setGeometry(2, 2, kHalfWidth - 4, kLineHeight);
    heading->setCaption(ui::text(half.heading));
    heading->setFont(ui::dialogFont(11, true));

    P &self = *this;
    const QString zero = QStringLiteral("0");
    half.lineCaption.in(self) = ui::placeCaption(area, ui::text("8. เงินเดือนรับจากนายจ้าง"),
                                                 QRect(kCaptionX, 24, 300, kLineHeight), half.lineCaption.name);

    half.lastMonth.in(self) = new QCheckBox(ui::text("เดือนสุดท้าย"), area);
    half.lastMonth.in(self)->setGeometry(kCaptionX + 2, 44, 98, 22);
    half.sameSalary.in(self) = ui::placeCaption(area, ui::text("(กรณีมีเงินเดือนเท่ากันตลอดปีภาษี) หรือ"),
                                                QRect(106, 44, 244, 22), half.sameSalary.name);
    half.averaged.in(self) = new QCheckBox(ui::text("เฉลี่ย 12 เดือนสุดท้าย"), area);
    half.averaged.in(self)->setGeometry(kCaptionX + 2, 66, 148, 22);
    half.plusTen.in(self) = ui::placeCaption(area, ui::text(" + ร้อยละ 10 ของเงินเดือนถัวเฉลี่ย"),
                                             QRect(156, 66, 200, 22), half.plusTen.name);
    for (const PanelMember<QCheckBox> *box : {&half.lastMonth, &half.averaged})
        box->in(self)->setObjectName(ui::text(box->name));

    half.salary.in(self) = ui::placeField(area, half.salary.name, QRect(kIndentX, 90, 104, ui::kFieldHeight), zero);
    half.times.in(self) = ui::placeCaption(area, QStringLiteral("x"), QRect(122, 90, 10, ui::kFieldHeight), half.times.name);
    half.years.in(self) = ui::placeField(area, half.years.name, QRect(134, 90, 46, ui::kFieldHeight), zero);
    half.yearUnit.in(self) = ui::placeCaption(area, ui::text("ปี"), QRect(184, 90, 18, ui::kFieldHeight), half.yearUnit.name);
    half.yearsWorked.in(self) = ui::placeCaption(area, ui::text("(จำนวนปีที่ทำงาน)"), QRect(204, 90, 120, ui::kFieldHeight),
                                                 half.yearsWorked.name);
    half.product.in(self) = ui::placeField(area, half.product.name, QRect(kIndentX, 117, 104, ui::kFieldHeight), zero);
    half.product.in(self)->setReadOnly(true);

    for (const ResultRow &row : kResultRows) {
        const PanelMember<QLabel> &line = half.*row.line;
        const int amountY = row.secondPart ? row.y + kLineHeight : row.y;
        ui::placeCaption(area, ui::text(row.caption), QRect(kCaptionX, row.y, kHalfWidth - 2 * kCaptionX, kLineHeight));
        if (row.secondPart && *row.secondPart)
            ui::placeCaption(area, ui::text(row.secondPart), QRect(kIndentX, amountY, kAmountX - kIndentX, kLineHeight));
        line.in(self) = ui::placeResult(area, line.name, QRect(kAmountX, amountY, kAmountWidth, kLineHeight), zero);
        ui::placeCaption(area, ui::text("บาท"), QRect(kBahtX, amountY, kBahtWidth, kLineHeight),
                         (QByteArray(line.name) + "Baht").constData());
    }

    // Line 10: the rate per year, and the years it is multiplied by.
    constexpr int rateY = 206;
    half.rate7000.in(self) = new QRadioButton(ui::text("7,000 หรือ"), area);
    half.rate7000.in(self)->setGeometry(kIndentX, rateY, 88, ui::kFieldHeight);
    half.rate3500.in(self) = new QRadioButton(QStringLiteral("3,500"), area);
    half.rate3500.in(self)->setGeometry(102, rateY, 60, ui::kFieldHeight);
    for (const PanelMember<QRadioButton> *radio : {&half.rate7000, &half.rate3500})
        radio->in(self)->setObjectName(ui::text(radio->name));
    auto *rates = new QButtonGroup(area);
    rates->addButton(half.rate7000.in(self));
    rates->addButton(half.rate3500.in(self));
    half.rate7000.in(self)->setChecked(true);
    ui::placeCaption(area, QStringLiteral("x"), QRect(164, rateY, 10, ui::kFieldHeight));
    half.expenseYears.in(self) = ui::placeField(area, half.expenseYears.name, QRect(176, rateY, 46, ui::kFieldHeight), zero);
    ui::placeCaption(area, ui::text("ปี"), QRect(226, rateY, 18, ui::kFieldHeight));
    ui::placeCaption(area, ui::text("(จำนวนปีที่ทำงาน)"), QRect(246, rateY, 112, ui::kFieldHeight));
}

void SeverancePanel::bindHalf(const SeveranceHalf &half)
{
    P &self = *this;
    const bool taxpayer = half.who == tax::Person::taxpayer;
    m_context.onExit(half.salary.in(self), [this, taxpayer](QWidget *) { taxpayer ? com1mExit() : com1fExit(); });
    m_context.onExit(half.years.in(self), [this, taxpayer](QWidget *) { taxpayer ? com2mExit() : com2fExit(); });
    m_context.onExit(half.expenseYears.in(self), [this, taxpayer](QWidget *) { taxpayer ? com5mExit() : com5fExit(); });
    m_context.onClick(half.rate7000.in(self), [this, taxpayer] { taxpayer ? computecheck3Click() : computecheck7Click(); });
    m_context.onClick(half.rate3500.in(self), [this, taxpayer] { taxpayer ? computecheck4Click() : computecheck8Click(); });
}

void SeverancePanel::open()
{
    // The full-rate radio takes the focus even when the half rate is chosen,
    // though Qt then leaves it out of the Tab chain.
    QWidget *first = ui::canTakeFocus(computecheck1) ? static_cast<QWidget *>(computecheck1) : computecheck3;
    first->setFocus(Qt::OtherFocusReason);
}

void SeverancePanel::showHalf(const SeveranceHalf &half, const model::ReturnDisplay &display)
{
    P &self = *this;
    const std::size_t side = model::sideOf(half.who);
    // Without item 5 there is no salary to enter: line 8 is out of reach.
    const bool lineEight = !display.lineEightDisabled[side];
    const std::initializer_list<QWidget *> line8{
        half.lineCaption.in(self), half.plusTen.in(self), half.sameSalary.in(self), half.times.in(self),
        half.yearUnit.in(self), half.yearsWorked.in(self), half.lastMonth.in(self), half.averaged.in(self),
        half.salary.in(self), half.years.in(self), half.product.in(self)};
    for (QWidget *control : line8)
        control->setEnabled(lineEight);
    const bool half3500 = display.rates[side] == tax::FirstPartRate::perYear3500;
    (half3500 ? half.rate3500 : half.rate7000).in(self)->setChecked(true);
}

void SeverancePanel::com1mExit() { m_context.apply(m_context.model().com1mExit(ui::textOf(com1m))); }
void SeverancePanel::com1fExit() { m_context.apply(m_context.model().com1fExit(ui::textOf(com1f))); }

void SeverancePanel::com2mExit()
{
    m_context.apply(m_context.model().com2mExit(ui::textOf(com2m)));
    computecheck3->setFocus(Qt::OtherFocusReason);
}

void SeverancePanel::com2fExit()
{
    m_context.apply(m_context.model().com2fExit(ui::textOf(com2f)));
    computecheck7->setFocus(Qt::OtherFocusReason);
}

void SeverancePanel::computecheck3Click() { m_context.apply(m_context.model().computecheck3Click()); }
void SeverancePanel::computecheck4Click() { m_context.apply(m_context.model().computecheck4Click()); }
void SeverancePanel::computecheck7Click() { m_context.apply(m_context.model().computecheck7Click()); }
void SeverancePanel::computecheck8Click() { m_context.apply(m_context.model().computecheck8Click()); }

void SeverancePanel::com5mExit()
{
    m_context.apply(m_context.model().com5mExit(ui::textOf(com5m)));
    if (Panel78->isHidden())
        return;
    if (QWidget *first = ui::firstFocusable({computecheck5, computecheck6, com1f, com2f, com5f, com3f,
                                             computecheck7, computecheck8}))
        first->setFocus(Qt::OtherFocusReason);
}

void SeverancePanel::com5fExit()
{
    m_context.apply(m_context.model().com5fExit(ui::textOf(com5f)));
    BitBtn5->setFocus(Qt::OtherFocusReason);
}

bool SeverancePanel::expenseYearsEntered() const
{
    return tax::severanceYearsEntered(com5m->text().toStdString());
}

void SeverancePanel::BitBtn5Click()
{
    // Without line 13 the panel stays in front, and so does the focus.
    if (!m_context.apply(m_context.model().BitBtn5Click()))
        return;
    m_context.areas().sendToBack(this);
    emit closed();
}

void SeverancePanel::BitBtn5Exit()
{
    // Once the panel has gone behind the pages, its controls cannot take the
    // focus and the focus stays where the OK button put it.
    if (ui::canTakeFocus(computecheck1))
        computecheck1->setFocus(Qt::OtherFocusReason);
}
