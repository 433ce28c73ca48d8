// Building and handlers of the income page "เงินได้พึงประเมิน". Both persons'
// blocks have the same rows; one table of lines builds them.
#include "income_page.h"

#include "bevel_panel.h"
#include "page_context.h"
#include "return_model.h"
#include "sheet_controls.h"
#include "utf8_text.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace {

using tax::Person;
using P = IncomePage;
template <typename Control>
using PageMember = ui::Named<IncomePage, Control>;
using Handler = void (IncomePage::*)();

// Inside a block: the heading, then lines 1 to 4 with their captions at the
// left and the amounts with their "บาท" in one column at the right.
constexpr int kBlockWidth = 773;
constexpr int kPadding = 10;
constexpr int kCaptionX = 12;
constexpr int kNoteX = 28; // a caption's second line, under the text after the line's number
constexpr int kFirstLineY = 40;
constexpr int kLineGap = 9;
constexpr int kAmountX = kBlockWidth - kCaptionX - ui::kBahtWidth - ui::kBahtGap - ui::kAmountWidth;
// Captions leave as much room before the amounts as there is at their left.
constexpr int kCaptionWidth = kAmountX - 2 * kCaptionX;
// A result label ends where a field's text does, so that the decimals line up.
constexpr int kResultWidth = ui::kAmountWidth - 4;
// Lines 1 to 3, two of them with a second caption line, then line 4.
constexpr int kBlockHeight = kFirstLineY + 3 * (ui::kFieldHeight + kLineGap) + 2 * ui::kLabelHeight + ui::kFieldHeight + kPadding;

// The page (789 x 542 inside the page control): the taxpayer's block above the
// spouse's, the next button below them at the bottom right.
constexpr std::array<QRect, 2> kBlocks{QRect(8, 8, kBlockWidth, kBlockHeight),
                                       QRect(8, 8 + kBlockHeight + 12, kBlockWidth, kBlockHeight)};

// Lines 1 to 3, each a field per person with its caption and the caption's
// second line; the fields start with the texts the return starts with.
struct IncomeRow {
    std::array<PageMember<QLineEdit>, 2> field; // taxpayer, spouse
    std::array<Handler, 2> exit;
    const char *caption;
    const char *note; // second caption line, or empty
};

constexpr IncomeRow kRows[]{
    {{{{&P::ch1m, "ch1m"}, {&P::ch1f, "ch1f"}}}, {&P::ch1mExit, &P::ch1fExit},
     QT_TRANSLATE_NOOP("ui", "1. เงินเดือน ค่าจ้าง บำนาญ ภาษีที่นายจ้างออกให้ ฯลฯ"), ""},
    {{{{&P::ch2m, "ch2m"}, {&P::ch2f, "ch2f"}}}, {&P::ch2mExit, &P::ch2fExit},
     QT_TRANSLATE_NOOP("ui", "2. เงินสะสมที่จ่ายเข้ากองทุนสำรองเลี้ยงชีพ "),
     QT_TRANSLATE_NOOP("ui", "(เฉพาะส่วนที่เกิน 10,000 บาท แต่ไม่เกิน 290,000 บาท) หรือ กองทุน กบข.")},
    {{{{&P::ch3m, "ch3m"}, {&P::ch3f, "ch3f"}}}, {&P::ch3mExit, &P::ch3fexit},
     QT_TRANSLATE_NOOP("ui", "3. เงินที่นายจ้างจ่ายให้ครั้งเดียวเพราะเหตุออกจากงาน"),
     QT_TRANSLATE_NOOP("ui", "(เฉพาะที่เลือกนำมารวมคำนวณภาษีกับเงินได้ตาม 1 )")},
};

// What differs between the two blocks.
struct Block {
    PageMember<ui::BevelPanel> panel;
    PageMember<QLabel> heading;
    const char *headingText;
    PageMember<QLabel> total; // line 4
};

constexpr std::array<Block, 2> kPersons{{
    {{&P::Panel1, "Panel1"}, {&P::Label1, "Label1"}, QT_TRANSLATE_NOOP("ui", "เงินได้พึงประเมิน : ผู้มีเงินได้"), {&P::total1m, "total1m"}},
    {{&P::Panel17, "Panel17"}, {&P::Label25, "Label25"}, QT_TRANSLATE_NOOP("ui", "เงินได้พึงประเมิน : คู่สมรส"), {&P::total1f, "total1f"}},
}};

std::size_t indexOf(Person who)
{
    return who == Person::taxpayer ? 0 : 1;
}

} // namespace

IncomePage::IncomePage(const ui::PageContext &context)
    : m_context(context)
{
    setObjectName("TabSheet1");
    buildPerson(Person::taxpayer);
    buildPerson(Person::spouse);
    Okbut1 = ui::placeNextButton(this, "Okbut1");

    ui::chainTabOrder({ch1m, ch2m, ch3m, ch1f, ch2f, ch3f, Okbut1});
    context.onClick(Okbut1, [this] { Okbut1Click(); });
    context.onExit(Okbut1, [this](QWidget *receiving) { Okbut1Exit(receiving); });
    context.setDefaultButton(this, Okbut1);
}

QWidget *IncomePage::firstControl() const
{
    return ch1m;
}

ui::BevelPanel *IncomePage::buildPerson(Person who)
{
    const std::size_t person = indexOf(who);
    const Block &block = kPersons[person];
    ui::BevelPanel *panel = block.panel.in(*this) = ui::placePanel(this, block.panel.name, kBlocks[person]);
    block.heading.in(*this) = ui::placeCaption(panel, ui::text(block.headingText),
                                               QRect(kCaptionX, kPadding, kCaptionWidth, ui::kLabelHeight), block.heading.name, true);

    const int labelInset = (ui::kFieldHeight - ui::kLabelHeight) / 2;
    int y = kFirstLineY;
    for (const IncomeRow &row : kRows) {
        ui::placeCaption(panel, ui::text(row.caption), QRect(kCaptionX, y, kCaptionWidth, ui::kFieldHeight));
        QLineEdit *field = row.field[person].in(*this) = ui::placeField(
            panel, row.field[person].name, QRect(kAmountX, y, ui::kAmountWidth, ui::kFieldHeight),
            QString::fromUtf8(QByteArrayView(model::initialText(*model::fieldNamed(row.field[person].name)))));
        ui::placeBaht(panel, kAmountX + ui::kAmountWidth, y + labelInset);
        y += ui::kFieldHeight;
        if (*row.note) {
            ui::placeCaption(panel, ui::text(row.note), QRect(kNoteX, y, kCaptionWidth - (kNoteX - kCaptionX), ui::kLabelHeight));
            y += ui::kLabelHeight;
        }
        y += kLineGap;
        const Handler exit = row.exit[person];
        m_context.onExit(field, [this, exit](QWidget *) { (this->*exit)(); });
    }

    ui::placeCaption(panel, ui::text("4. รวมเงินได้พึงประเมิน : "), QRect(kCaptionX, y, kCaptionWidth, ui::kFieldHeight));
    block.total.in(*this) = ui::placeResult(panel, block.total.name,
                                            QRect(kAmountX, y + labelInset, kResultWidth, ui::kLabelHeight), QString());
    ui::placeBaht(panel, kAmountX + ui::kAmountWidth, y + labelInset);
    return panel;
}

void IncomePage::ch1mExit() { m_context.apply(m_context.model().ch1mExit(ui::textOf(ch1m)), ch1m); }
void IncomePage::ch1fExit() { m_context.apply(m_context.model().ch1fExit(ui::textOf(ch1f)), ch1f); }
void IncomePage::ch2mExit() { m_context.apply(m_context.model().ch2mExit(ui::textOf(ch2m)), ch2m); }
void IncomePage::ch2fExit() { m_context.apply(m_context.model().ch2fExit(ui::textOf(ch2f)), ch2f); }
void IncomePage::ch3mExit() { m_context.apply(m_context.model().ch3mExit(ui::textOf(ch3m)), ch3m); }
void IncomePage::ch3fexit() { m_context.apply(m_context.model().ch3fexit(ui::textOf(ch3f)), ch3f); }

void IncomePage::Okbut1Click()
{
    // Leaving the page works out the taxpayer's expense lines, joint under
    // joint computation; the expenses page then opens.
    if (m_context.apply(m_context.model().Okbut1Click()))
        emit nextRequested();
}

void IncomePage::Okbut1Exit(QWidget *receiving)
{
    // Tab from the button goes round to the page's first field; turning to
    // another page by its tab stays possible.
    if (m_context.isCurrentPage(this) && !m_context.isTurningPage(receiving))
        ch1m->setFocus();
}
