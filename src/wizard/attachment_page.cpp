// Building and handlers of the attachment page. The employer rows and the
// amount rows are built from tables; the cover Panel81 lies under the entry
// fields until the answer "ไม่" brings it in front of them.
#include "attachment_page.h"

#include "bevel_panel.h"
#include "fonts.h"
#include "page_context.h"
#include "return_model.h"
#include "sheet_controls.h"
#include "utf8_text.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include <span>

namespace {

using P = AttachmentPage;
template <typename Control>
using PageMember = ui::Named<AttachmentPage, Control>;
using Handler = void (AttachmentPage::*)();

// The page (789 x 542 inside the page control): the heading, the entry
// fields that the cover hides, and the next button below them.
constexpr QRect kFieldsArea(0, 46, 789, 458);

// Columns of the amount rows: captions, the taxpayer's amount and "บาท", the
// spouse's amount and "บาท".
using ui::kAmountWidth;
using ui::kBahtGap;
using ui::kBahtWidth;
constexpr int kCaptionX = 8;
constexpr int kCaptionWidth = 474;
constexpr std::array<int, 2> kAmountX{486, 640};
constexpr int kColumnsWidth = 298;

constexpr int kLabelRow = ui::kLabelHeight;
constexpr int kFieldRow = ui::kFieldHeight + 1;

struct EmployerRow {
    const char *number;
    PageMember<QLineEdit> name, years;
    Handler yearsExit;
};

constexpr EmployerRow kEmployers[]{
    {"1", {&P::nameboss1, "nameboss1"}, {&P::year1, "year1"}, &P::year1Exit},
    {"2", {&P::nameboss2, "nameboss2"}, {&P::year2, "year2"}, &P::year2Exit},
    {"3", {&P::nameboss3, "nameboss3"}, {&P::year3, "year3"}, &P::year3Exit},
    {"4", {&P::nameboss4, "nameboss4"}, {&P::year4, "year4"}, &P::year4Exit},
};

// One row of items 1 to 6 or of lines 2 to 7: either an entry field per
// person, or a result label per person; "บาท" follows where a name is given.
struct AmountRow {
    const char *caption;
    const char *captionName;
    int height;
    std::array<PageMember<QLineEdit>, 2> entry;
    std::array<Handler, 2> exit;
    std::array<PageMember<QLabel>, 2> result;
    const char *initial; // of the result labels
    std::array<const char *, 2> baht;
};

constexpr AmountRow kItemRows[]{
    {QT_TRANSLATE_NOOP("ui", "1. เงินบำเหน็จฯ ข้าราชการ"), "", kFieldRow,
     {{{&P::ch11m, "ch11m"}, {&P::ch11f, "ch11f"}}}, {&P::ch11mExit, &P::ch11fExit}, {}, "", {}},
    {QT_TRANSLATE_NOOP("ui", "2. เงินที่จ่ายจากกองทุนสำรองเลี้ยงชีพ หรือ กองทุนบำเหน็จบำนาญข้าราชการ(กบข.)"), "", kFieldRow,
     {{{&P::ch12m, "ch12m"}, {&P::ch12f, "ch12f"}}}, {&P::ch12mExit, &P::ch12fExit}, {}, "", {}},
    {QT_TRANSLATE_NOOP("ui", "3. เงินชดเชยตามกฏหมายแรงงาน"), "", kFieldRow,
     {{{&P::ch13m, "ch13m"}, {&P::ch13f, "ch13f"}}}, {&P::ch13mExit, &P::ch13fExit}, {}, "", {}},
    {QT_TRANSLATE_NOOP("ui", "4. รวม"), "", kLabelRow, {}, {},
     {{{&P::total7m, "total7m"}, {&P::total7f, "total7f"}}}, "", {"item4Bahtm", "Label166"}},
    {QT_TRANSLATE_NOOP("ui", "5. เงินได้ฯ ที่มีวิธีคำนวณ แตกต่างไปจาก 1"), "", kFieldRow,
     {{{&P::ch14m, "ch14m"}, {&P::ch14f, "ch14f"}}}, {&P::ch14mExit, &P::ch14fExit}, {}, "", {}},
    {QT_TRANSLATE_NOOP("ui", "6. รวมทั้งสิ้น"), "", kLabelRow, {}, {},
     {{{&P::total8m, "total8m"}, {&P::total8f, "total8f"}}}, "", {"item6Bahtm", "Label167"}},
};

constexpr AmountRow kLineRows[]{
    {QT_TRANSLATE_NOOP("ui", "2. หักค่าใช้จ่าย"), "line2Caption", kFieldRow, {}, {},
     {{{&P::total14m, "total14m"}, {&P::total14f, "total14f"}}}, "0", {"line2Bahtm", "Label204"}},
    {QT_TRANSLATE_NOOP("ui", "3. คงเหลือเงินได้สุทธิ"), "", kLabelRow, {}, {},
     {{{&P::total15m, "total15m"}, {&P::total15f, "total15f"}}}, "0", {"line3Bahtm", "Label207"}},
    {QT_TRANSLATE_NOOP("ui", "4. ภาษีที่คำนวณได้"), "", kLabelRow, {}, {},
     {{{&P::total16m, "total16m"}, {&P::total16f, "total16f"}}}, "0", {"line4Bahtm", "Label210"}},
    {QT_TRANSLATE_NOOP("ui", "5. ภาษีเงินได้หัก ณ. ที่จ่าย (ตามหนังสือรับรองฯ ที่แนบ            ฉบับ)"), "line5Caption", kFieldRow,
     {{{&P::ch15m, "ch15m"}, {&P::ch15f, "ch15f"}}}, {&P::ch15mExit, &P::ch15fExit}, {}, "", {"line5Bahtm", "Label211"}},
    {QT_TRANSLATE_NOOP("ui", "6. ภาษีส่วนที่ต้องชำระเพิ่มเติม"), "Label124", kLabelRow, {}, {},
     {{{&P::total17m, "total17m"}, {&P::total17f, "total17f"}}}, "0", {"line6Bahtm", "Label212"}},
    {QT_TRANSLATE_NOOP("ui", "7. ภาษีส่วนที่ชำระไว้เกิน"), "Label125", kLabelRow, {}, {},
     {{{&P::total18m, "total18m"}, {&P::total18f, "total18f"}}}, "0", {"line7Bahtm", "Label216"}},
};

// The header strip, which the question panel's answers fill with the names.
constexpr PageMember<QLabel> kHeader[]{
    {&P::cname1, "cname1"}, {&P::csurname1, "csurname1"}, {&P::cidtax1, "cidtax1"},
    {&P::cname2, "cname2"}, {&P::csurname2, "csurname2"}, {&P::cidtax2, "cidtax2"},
};

QRect columnHead(int person, int y)
{
    return QRect(kAmountX[std::size_t(person)], y, kAmountWidth + kBahtGap + kBahtWidth, 20);
}

// Builds the rows of a table from `y` down; returns the y below the last row.
int buildRows(AttachmentPage &page, QWidget *area, std::span<const AmountRow> rows, int y)
{
    for (const AmountRow &row : rows) {
        const int top = y + (row.height - ui::kFieldHeight) / 2;
        const int labelTop = y + (row.height - kLabelRow) / 2;
        ui::placeCaption(area, ui::text(row.caption), QRect(kCaptionX, labelTop, kCaptionWidth, kLabelRow),
                         row.captionName);
        for (std::size_t person = 0; person < 2; ++person) {
            const int x = kAmountX[person];
            if (row.entry[person].member) {
                row.entry[person].in(page) = ui::placeField(area, row.entry[person].name,
                                                             QRect(x, top, kAmountWidth, ui::kFieldHeight), QStringLiteral("0"));
            } else {
                // Inset as far as a field's text is, so that the decimals line up.
                row.result[person].in(page) = ui::placeResult(area, row.result[person].name,
                                                               QRect(x, labelTop, kAmountWidth - 4, kLabelRow), ui::text(row.initial));
            }
            if (row.baht[person])
                ui::placeCaption(area, ui::text("บาท"), QRect(x + kAmountWidth + kBahtGap, labelTop, kBahtWidth, kLabelRow),
                                 row.baht[person]);
        }
        y += row.height;
    }
    return y;
}

} // namespace

AttachmentPage::AttachmentPage(const ui::PageContext &context)
    : m_context(context)
{
    setObjectName("TabSheet4");

    heading = ui::placeCaption(this, ui::text("ใบแนบแบบแสดงรยการ VARO 91"), QRect(0, 2, 789, 22), "heading", true);
    heading->setAlignment(Qt::AlignCenter);
    subject = ui::placeCaption(this, ui::text("การคำนวณเงินได้ที่นายจ้างจ่ายให้ครั้งเดียวเพราะเหตุออกจากงานเฉพาะที่เลือกเสียภาษีโดยไม่นำมารวมคำนวณกับเงินได้อื่นๆ"),
                               QRect(0, 24, 789, 22), "subject", true);
    subject->setAlignment(Qt::AlignCenter);

    Panel81 = new ui::BevelPanel(this);
    Panel81->setObjectName("Panel81");
    Panel81->setGeometry(kFieldsArea);
    Panel81->setBevels(ui::BevelPanel::Bevel::raised, ui::BevelPanel::Bevel::lowered, 1);
    Panel81->setCaption(ui::text("กด Enter เพื่อกรอกหน้าต่อไป"));
    Panel81->setFont(ui::dialogFont(16, true));
    entryFields = new QWidget(this);
    entryFields->setObjectName("entryFields");
    entryFields->setGeometry(kFieldsArea);
    m_cover.add(Panel81);
    m_cover.add(entryFields);

    buildHeader();
    buildEmployers();
    buildLines(buildItems() + 2);

    BitBtn6 = ui::placeNextButton(this, "BitBtn6");

    ui::chainTabOrder({nameboss1, year1, nameboss2, year2, nameboss3, year3, nameboss4, year4, ch11m, ch11f,
                       ch12m, ch12f, ch13m, ch13f, ch14m, ch14f, computebutton, Edit3, ch15m, ch15f, BitBtn6});
    bindHandlers();
    m_context.setDefaultButton(this, BitBtn6);
}

QWidget *AttachmentPage::firstControl() const
{
    // Under its cover the page can only be passed on with the next button.
    if (ui::canTakeFocus(nameboss1))
        return nameboss1;
    return BitBtn6;
}

void AttachmentPage::buildHeader()
{
    // Name and surname side by side, the tax number below them; the
    // taxpayer's over the left half and the spouse's over the right, as the
    // amount columns are.
    for (std::size_t i = 0; i < std::size(kHeader); ++i) {
        const int x = i < 3 ? kCaptionX : 400;
        const std::array<QRect, 3> where{QRect(x, 0, 186, 20), QRect(x + 188, 0, 196, 20), QRect(x, 20, 384, 20)};
        kHeader[i].in(*this) = ui::placeCaption(entryFields, QString(), where[i % 3], kHeader[i].name);
    }
}

void AttachmentPage::buildEmployers()
{
    ui::placeCaption(entryFields, ui::text("1. ชื่อนายจ้าง"), QRect(kCaptionX, 44, 200, kLabelRow), "", true);
    // Two employers side by side on each of two rows, in the order of their numbers.
    int index = 0;
    for (const EmployerRow &row : kEmployers) {
        const int x = index % 2 == 0 ? kCaptionX : 400;
        const int y = 66 + index / 2 * kFieldRow;
        if (index < 2)
            ui::placeResult(entryFields, "", QRect(x + 220, 44, 132, kLabelRow), ui::text("จำนวนปี ที่ทำงาน"));
        // The row's number alone would be read as a figure.
        ui::placeCaption(entryFields, ui::text(row.number), QRect(x, y, 14, ui::kFieldHeight))
            ->setAccessibleName(ui::text("นายจ้างรายที่ ") + ui::text(row.number));
        row.name.in(*this) = ui::placeField(entryFields, row.name.name, QRect(x + 16, y, 270, ui::kFieldHeight), QString(),
                                            Qt::AlignLeft);
        row.years.in(*this) = ui::placeField(entryFields, row.years.name, QRect(x + 292, y, 60, ui::kFieldHeight),
                                             QStringLiteral("0"));
        ++index;
    }
}

int AttachmentPage::buildItems()
{
    ui::placeCaption(entryFields, ui::text("รายการเงินได้ที่นายจ้างจ่ายให้ครั้งเดียว ฯ"),
                     QRect(kCaptionX, 122, kCaptionWidth, 20), "", true);
    ui::placeCaption(entryFields, ui::text("กรณีได้รับจากนายจ้างต่างรายกัน ให้รวมเงินได้เข้าด้วยกัน"),
                     QRect(kCaptionX, 142, kCaptionWidth, 20));
    ui::placeCaption(entryFields, ui::text("จำนวนเงินได้"), QRect(kAmountX[0], 122, kColumnsWidth, 20), "", true)
        ->setAlignment(Qt::AlignCenter);
    ui::placeCaption(entryFields, ui::text("ผู้มีเงินได้"), columnHead(0, 142))->setAlignment(Qt::AlignCenter);
    Label139 = ui::placeCaption(entryFields, ui::text("คู่สมรส"), columnHead(1, 142), "Label139");
    Label139->setAlignment(Qt::AlignCenter);
    return buildRows(*this, entryFields, kItemRows, 164);
}

void AttachmentPage::buildLines(int top)
{
    buildRows(*this, entryFields, kLineRows, top);

    // The compute button stands on line 2, whose expense it works out.
    const QLabel *line2 = entryFields->findChild<QLabel *>("line2Caption");
    const int line2Right = kCaptionX + line2->fontMetrics().horizontalAdvance(line2->text());
    computebutton = ui::placeButton(entryFields, "computebutton", ui::text("วิธีการคำนวณค่าใช้จ่าย"),
                                    QRect(line2Right + 24, line2->y() + (kLabelRow - ui::kFieldHeight) / 2 + 1, 170, ui::kFieldHeight));

    // The number of certificates fills the run of blanks in line 5's caption,
    // leaving one blank on either side.
    const QLabel *line5 = entryFields->findChild<QLabel *>("line5Caption");
    const QString caption = line5->text();
    const qsizetype blankStart = caption.indexOf(QStringLiteral("  "));
    qsizetype blankEnd = blankStart;
    while (blankEnd < caption.size() && caption[blankEnd] == QLatin1Char(' '))
        ++blankEnd;
    const QFontMetrics metrics = line5->fontMetrics();
    const int left = kCaptionX + metrics.horizontalAdvance(caption.left(blankStart + 1));
    const int right = kCaptionX + metrics.horizontalAdvance(caption.left(blankEnd - 1));
    Edit3 = ui::placeField(entryFields, "Edit3",
                           QRect(left, line5->y() + (kLabelRow - ui::kFieldHeight) / 2 + 1, right - left, ui::kFieldHeight),
                           QString(), Qt::AlignCenter);
}

void AttachmentPage::bindHandlers()
{
    for (const EmployerRow &row : kEmployers) {
        const Handler exit = row.yearsExit;
        m_context.onExit(row.years.in(*this), [this, exit](QWidget *) { (this->*exit)(); });
    }
    for (const auto *table : {&kItemRows, &kLineRows}) {
        for (const AmountRow &row : *table) {
            for (std::size_t person = 0; person < 2; ++person) {
                if (!row.entry[person].member)
                    continue;
                const Handler exit = row.exit[person];
                m_context.onExit(row.entry[person].in(*this), [this, exit](QWidget *) { (this->*exit)(); });
            }
        }
    }
    m_context.onClick(computebutton, [this] { computebuttonClick(); });
    m_context.onExit(computebutton, [this](QWidget *receiving) { computebuttonExit(receiving); });
    m_context.onClick(BitBtn6, [this] { BitBtn6Click(); });
    m_context.onExit(BitBtn6, [this](QWidget *receiving) { BitBtn6Exit(receiving); });
}

void AttachmentPage::answerYes()
{
    // An earlier "ไม่" left the cover in front; "ใช่" asks for the fields.
    m_cover.sendToBack(Panel81);
    m_context.openPage(this);
    nameboss1->setFocus(Qt::OtherFocusReason);
}

void AttachmentPage::answerNo()
{
    m_context.openPage(this);
    BitBtn6->setFocus(Qt::OtherFocusReason);
    m_cover.bringToFront(Panel81);
}

void AttachmentPage::year1Exit() { m_context.apply(m_context.model().year1Exit(ui::textOf(year1))); }
void AttachmentPage::year2Exit() { m_context.apply(m_context.model().year2Exit(ui::textOf(year2))); }
void AttachmentPage::year3Exit() { m_context.apply(m_context.model().year3Exit(ui::textOf(year3))); }
void AttachmentPage::year4Exit() { m_context.apply(m_context.model().year4Exit(ui::textOf(year4))); }
void AttachmentPage::ch11mExit() { m_context.apply(m_context.model().ch11mExit(ui::textOf(ch11m))); }
void AttachmentPage::ch12mExit() { m_context.apply(m_context.model().ch12mExit(ui::textOf(ch12m))); }
void AttachmentPage::ch13mExit() { m_context.apply(m_context.model().ch13mExit(ui::textOf(ch13m))); }
void AttachmentPage::ch14mExit() { m_context.apply(m_context.model().ch14mExit(ui::textOf(ch14m))); }
void AttachmentPage::ch11fExit() { m_context.apply(m_context.model().ch11fExit(ui::textOf(ch11f))); }
void AttachmentPage::ch12fExit() { m_context.apply(m_context.model().ch12fExit(ui::textOf(ch12f))); }
void AttachmentPage::ch13fExit() { m_context.apply(m_context.model().ch13fExit(ui::textOf(ch13f))); }
void AttachmentPage::ch14fExit() { m_context.apply(m_context.model().ch14fExit(ui::textOf(ch14f))); }
void AttachmentPage::ch15mExit() { m_context.apply(m_context.model().ch15mExit(ui::textOf(ch15m))); }
void AttachmentPage::ch15fExit() { m_context.apply(m_context.model().ch15fExit(ui::textOf(ch15f))); }

void AttachmentPage::computebuttonClick()
{
    if (m_context.apply(m_context.model().computebuttonClick()))
        emit severancePanelRequested();
}

void AttachmentPage::computebuttonExit(QWidget *receiving)
{
    if (receiving != Edit3)
        return;
    if (m_severanceUsed && m_severanceUsed())
        return;
    m_context.showMessage(ui::text("กรุณาทำการควณภาษีให้เสร็จก่อน  !!!"));
    m_context.refuse(computebutton);
}

void AttachmentPage::takeSeveranceExpense()
{
    Edit3->setFocus(Qt::OtherFocusReason);
}

void AttachmentPage::BitBtn6Click()
{
    if (m_context.apply(m_context.model().BitBtn6Click()))
        emit nextRequested();
}

void AttachmentPage::BitBtn6Exit(QWidget *receiving)
{
    // Tab from the next button goes round to the first employer; under the
    // cover it stays on the button, the only thing the cover leaves to press.
    // Turning to another page by its tab, or the button's own page change,
    // goes where it leads.
    if (!m_context.isCurrentPage(this) || m_context.isTurningPage(receiving))
        return;
    if (ui::canTakeFocus(nameboss1))
        nameboss1->setFocus(Qt::OtherFocusReason);
    else
        BitBtn6->setFocus(Qt::OtherFocusReason);
}
