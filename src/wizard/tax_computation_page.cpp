// Building and handlers of the tax computation page. Both columns have the
// same eleven rows, built from one table; the handlers hand the credits to
// the return and show the lines it gives.
#include "tax_computation_page.h"

#include "bevel_panel.h"
#include "narrow_text.h"
#include "page_context.h"
#include "return_model.h"
#include "return_view.h"
#include "sheet_controls.h"
#include "tax_computation.h"
#include "utf8_text.h"

#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {

using P = TaxComputationPage;
template <typename Control>
using PageMember = ui::Named<TaxComputationPage, Control>;
using Bevel = ui::BevelPanel::Bevel;

// The page panel within the page (about 789 x 542 inside the page control),
// and within it the heading, the column headings, the columns and the next
// button.
constexpr QRect kPage(6, 0, 777, 545);
constexpr QRect kHeading(16, 8, 121, 25);
constexpr std::array<QRect, 2> kColumnHeadings{QRect(23, 43, 105, 20), QRect(23, 275, 105, 20)};
constexpr std::array<QRect, 2> kColumns{QRect(152, 3, 617, 273), QRect(152, 272, 617, 273)};
constexpr QRect kNextButton(24, 505, 113, 25);

// The rows of a column, and what stands in a row: the caption from the left,
// the value label right-aligned, the entry fields and radio buttons at fixed
// places, "บาท" at the right.
constexpr int kRowX = 8;
constexpr int kRowTop = 3;
constexpr int kRowStep = 24;
constexpr QSize kRowSize(602, 25);
constexpr int kCaptionX = 8;
constexpr int kTextTop = 1;
constexpr int kTextHeight = 23;
constexpr int kValueRight = 562;
constexpr int kGap = 4;
constexpr QRect kCount(365, 1, 25, 22);
constexpr QRect kAmount(521, 1, 49, 22);
constexpr int kChoiceTop = 4;
constexpr int kChoiceHeight = 17;
constexpr int kPayX = 294;
constexpr int kChoiceWidth = 89;
constexpr int kBahtX = 575;

// One line of both columns; every pair holds the taxpayer's member, then the
// spouse's. Captions and "บาท" without a member are named after their line.
struct LineRow {
    const char *caption;
    const char *spouseCaption = nullptr; // where the spouse's differs
    std::array<PageMember<QLabel>, 2> captionLabel{};
    std::array<PageMember<QLabel>, 2> value{};
    std::array<PageMember<QLineEdit>, 2> count{};  // number of certificates
    std::array<PageMember<QLineEdit>, 2> amount{};
    std::array<PageMember<QRadioButton>, 2> pay{}, overpaid{};
    std::array<int, 2> overpaidX{};
    int overpaidWidth = kChoiceWidth;
    std::array<PageMember<QLabel>, 2> baht{};
};

constexpr LineRow kLines[]{
    {.caption = QT_TRANSLATE_NOOP("ui", "18. ภาษีที่คำนวณจากเงินได้สุทธิ"),
     .value = {{{&P::total19m, "total19m"}, {&P::total19f, "total19f"}}}},
    {.caption = QT_TRANSLATE_NOOP("ui", "19. ภาษีส่วนที่ต้องชำระเพิ่มเติม ตาม 6 ในใบแนบ"),
     .value = {{{&P::total20m, "total20m"}, {&P::total20f, "total20f"}}}},
    {.caption = QT_TRANSLATE_NOOP("ui", "20. ภาษีส่วนที่ชำระไว้เกิน ตาม 7 ในใบแนบ"),
     .value = {{{&P::total21m, "total21m"}, {&P::total21f, "total21f"}}}},
    {.caption = QT_TRANSLATE_NOOP("ui", "21. ภาษีเงินได้หัก ณ ที่จ่าย สำหรับเงินตาม 1 และ 2 (ตามหนังสือรับรองฯ ที่แนบ          ฉบับ)"),
     .spouseCaption = QT_TRANSLATE_NOOP("ui", "21. ภาษีเงินได้หัก ณ ที่จ่าย สำหรับเงินตาม 1 และ 2 (ตามหนังสือรับรองฯ ที่แนบ         ฉบับ)"),
     .count = {{{&P::Edit1, "Edit1"}, {&P::Edit2, "Edit2"}}},
     .amount = {{{&P::ch16m, "ch16m"}, {&P::ch16f, "ch16f"}}}},
    {.caption = QT_TRANSLATE_NOOP("ui", "22. ภาษีที่ชำระไว้แล้ว ตามแบบ VARO.91 (กรณียื่นเพิ่มเติม)"),
     .amount = {{{&P::ch17m, "ch17m"}, {&P::ch17f, "ch17f"}}}},
    {.caption = QT_TRANSLATE_NOOP("ui", "23. รวมภาษีเงินได้ที่ต้องชำระเพิ่มเติม"),
     .value = {{{&P::total22m, "total22m"}, {&P::total22f, "total22f"}}}},
    {.caption = QT_TRANSLATE_NOOP("ui", "24. รวมภาษีเงินได้ที่ต้องชำระไว้เกิน"),
     .value = {{{&P::total23m, "total23m"}, {&P::total23f, "total23f"}}}},
    {.caption = QT_TRANSLATE_NOOP("ui", "25. นำภาษีส่วนที่เกินของอีกฝ่ายหนึ่งมาหักกลบลบกัน"),
     .captionLabel = {{{&P::Label69, "Label69"}, {}}},
     .value = {{{&P::total24m, "total24m"}, {&P::total24f, "total24f"}}},
     .baht = {{{&P::Label228, "Label228"}, {}}}},
    {.caption = QT_TRANSLATE_NOOP("ui", "26. คงเหลือภาษีส่วนที่"),
     .captionLabel = {{{&P::Label70, "Label70"}, {}}},
     .value = {{{&P::total25m, "total25m"}, {&P::total25f, "total25f"}}},
     .pay = {{{&P::choice1m, "choice1m"}, {&P::choice1f, "choice1f"}}},
     .overpaid = {{{&P::choice2m, "choice2m"}, {&P::choice2f, "choice2f"}}},
     .overpaidX = {382, 393},
     .baht = {{{&P::Label230, "Label230"}, {}}}},
    {.caption = QT_TRANSLATE_NOOP("ui", "27. เงินเพิ่ม (ถ้ามี)"),
     .value = {{{&P::total26m, "total26m"}, {&P::total26f, "total26f"}}}},
    {.caption = QT_TRANSLATE_NOOP("ui", "28. รวมภาษีส่วนที่ "),
     .value = {{{&P::total27m, "total27m"}, {&P::total27f, "total27f"}}},
     .pay = {{{&P::choice3m, "choice3m"}, {&P::choice3f, "choice3f"}}},
     .overpaid = {{{&P::choice4m, "choice4m"}, {&P::choice4f, "choice4f"}}},
     .overpaidX = {385, 385}, // both persons' line 28 have room for the longest amount
     .overpaidWidth = 97},
};

constexpr std::array<const char *, 2> kColumnTitles{QT_TRANSLATE_NOOP("ui", "ผู้มีเงินได้"), QT_TRANSLATE_NOOP("ui", "คู่สมรส")};

std::size_t indexOf(tax::Person who)
{
    return who == tax::Person::taxpayer ? 0 : 1;
}

// A caption on a row from `x`, as wide as its text.
QLabel *placeRowCaption(QWidget *row, const QString &caption, const char *name, int x = kCaptionX)
{
    QLabel *label = ui::placeCaption(row, caption, QRect(x, kTextTop, 0, kTextHeight), name);
    label->resize(label->sizeHint().width(), kTextHeight);
    return label;
}

// Line 21: the number of certificates stands in the run of blanks of the
// caption, so the caption is split around it; the part before the field is
// narrowed where the Thai text would otherwise run into the field. Returns
// that part.
QLabel *placeSplitCaption(QWidget *row, const QString &caption, const char *name)
{
    const qsizetype blankStart = caption.indexOf(QStringLiteral("  "));
    qsizetype blankEnd = blankStart;
    while (blankEnd < caption.size() && caption[blankEnd] == QLatin1Char(' '))
        ++blankEnd;
    QLabel *before = ui::placeCaption(row, caption.left(blankStart),
                                      QRect(kCaptionX, kTextTop, kCount.left() - kGap - kCaptionX, kTextHeight), name);
    ui::narrowToFit(before);
    placeRowCaption(row, caption.mid(blankEnd), (QByteArray(name) + "End").constData(),
                    kCount.x() + kCount.width() + kGap);
    return before;
}

QRadioButton *placeChoice(QWidget *row, const char *name, const char *caption, int x, int width)
{
    QRadioButton *button = ui::placeRadioButton(row, name, ui::text(caption), QRect(x, kChoiceTop, width, kChoiceHeight));
    ui::narrowToFit(button);
    return button;
}

} // namespace

TaxComputationPage::TaxComputationPage(const ui::PageContext &context)
    : m_context(context)
{
    setObjectName("TabSheet5");

    Panel44 = ui::placePanel(this, "Panel44", kPage, Bevel::raised, Bevel::none);
    Panel45 = ui::placePanel(Panel44, "Panel45", kHeading, Bevel::raised, Bevel::none);
    ui::placeCaption(Panel45, ui::text("การคำนวณภาษี"), Panel45->rect().adjusted(2, 1, -2, -1), "", true)
        ->setAlignment(Qt::AlignCenter);

    const std::array<ui::BevelPanel **, 2> headings{&Panel47, &Panel49};
    const std::array<ui::BevelPanel **, 2> columns{&Panel46, &Panel48};
    const std::array<const char *, 2> headingNames{"Panel47", "Panel49"};
    const std::array<const char *, 2> columnNames{"Panel46", "Panel48"};
    for (std::size_t person = 0; person < 2; ++person) {
        *headings[person] = ui::placePanel(Panel44, headingNames[person], kColumnHeadings[person], Bevel::raised, Bevel::none);
        (*headings[person])->setCaption(ui::text(kColumnTitles[person]));
        *columns[person] = ui::placePanel(Panel44, columnNames[person], kColumns[person], Bevel::raised, Bevel::none);
        buildColumn(person, *columns[person]);
    }

    lastbit = ui::placeNextButton(Panel44, "lastbit", kNextButton);

    ui::chainTabOrder({Edit1, ch16m, ch17m, choice1m, choice2m, choice3m, choice4m, Edit2, ch16f, ch17f, choice1f,
                       choice2f, choice3f, choice4f, lastbit});
    bindHandlers();
    m_context.setDefaultButton(this, lastbit);
}

QWidget *TaxComputationPage::firstControl() const
{
    return Edit1;
}

void TaxComputationPage::buildColumn(std::size_t person, ui::BevelPanel *column)
{
    const char *suffix = person == 0 ? "m" : "f";
    int top = kRowTop;
    for (const LineRow &line : kLines) {
        auto *row = ui::placePanel(column, "", QRect(QPoint(kRowX, top), kRowSize), Bevel::lowered, Bevel::none);
        top += kRowStep;
        const QString caption = ui::text(person == 1 && line.spouseCaption ? line.spouseCaption : line.caption);
        const QByteArray lineName = caption.left(2).toLatin1() + suffix;
        const PageMember<QLabel> &captionLabel = line.captionLabel[person];
        const QByteArray captionName = captionLabel.member ? QByteArray(captionLabel.name) : "caption" + lineName;

        QLabel *shownCaption = nullptr;
        if (line.count[person].member) {
            shownCaption = placeSplitCaption(row, caption, captionName.constData());
            line.count[person].in(*this) = ui::placeField(row, line.count[person].name, kCount, QString(), Qt::AlignCenter);
        } else {
            shownCaption = placeRowCaption(row, caption, captionName.constData());
        }
        if (captionLabel.member)
            captionLabel.in(*this) = shownCaption;
        // Where the caption, or a control after it, ends: the value label
        // takes the room from there to its right edge.
        int taken = shownCaption->x() + shownCaption->width();
        if (line.pay[person].member) {
            line.pay[person].in(*this) = placeChoice(row, line.pay[person].name, QT_TRANSLATE_NOOP("ui", "ชำระเพิ่มเติม"), kPayX, kChoiceWidth);
            QRadioButton *overpaid = placeChoice(row, line.overpaid[person].name, QT_TRANSLATE_NOOP("ui", "ชำระไว้เกิน"),
                                                 line.overpaidX[person], line.overpaidWidth);
            line.overpaid[person].in(*this) = overpaid;
            auto *group = new QButtonGroup(row);
            group->addButton(line.pay[person].in(*this));
            group->addButton(overpaid);
            taken = overpaid->x() + overpaid->width();
        }
        if (line.amount[person].member)
            line.amount[person].in(*this) = ui::placeField(row, line.amount[person].name, kAmount, QStringLiteral("0"));
        if (line.value[person].member) {
            const int left = taken + kGap;
            line.value[person].in(*this) = ui::placeResult(row, line.value[person].name,
                                                           QRect(left, kTextTop, kValueRight - left, kTextHeight),
                                                           QStringLiteral("0.00"));
        }
        const PageMember<QLabel> &baht = line.baht[person];
        QLabel *shownBaht = ui::placeCaption(row, ui::text("บาท"),
                                             QRect(kBahtX, kTextTop, kRowSize.width() - 1 - kBahtX, kTextHeight),
                                             (baht.member ? QByteArray(baht.name) : "baht" + lineName).constData());
        if (baht.member)
            baht.in(*this) = shownBaht;
    }
}

void TaxComputationPage::bindHandlers()
{
    m_context.onExit(ch16m, [this](QWidget *) { ch16mLeft(); });
    m_context.onExit(ch16f, [this](QWidget *) { ch16fLeft(); });
    m_context.onExit(ch17m, [this](QWidget *) { ch16mExit(); });
    m_context.onExit(ch17f, [this](QWidget *) { ch16fExit(); });
    m_context.onClick(lastbit, [this] { lastbitClick(); });
    // The radio buttons show what the computation gives; a click on one shows
    // that again, so the return never says "to pay" for an overpayment.
    for (tax::Person who : {tax::Person::taxpayer, tax::Person::spouse}) {
        for (QRadioButton *button : choices(who))
            connect(button, &QAbstractButton::clicked, this, [this] { m_context.showReturn(); });
    }
    m_context.view().onShow([this](const model::ReturnDisplay &display) { showChoices(display); });
    // Qt makes a radio button that takes the focus a Tab stop again; once the
    // computation has set them, they stay out of the Tab order.
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { keepChoicesOutOfTabOrder(now); });
}

std::array<QRadioButton *, 4> TaxComputationPage::choices(tax::Person who) const
{
    if (who == tax::Person::taxpayer)
        return {choice1m, choice2m, choice3m, choice4m};
    return {choice1f, choice2f, choice3f, choice4f};
}

void TaxComputationPage::showChoices(const model::ReturnDisplay &display)
{
    for (tax::Person who : {tax::Person::taxpayer, tax::Person::spouse}) {
        const tax::Choices &chosen = display.choices[model::sideOf(who)];
        const std::array<bool, 4> checked{chosen.pay26, chosen.overpaid26, chosen.pay28, chosen.overpaid28};
        const std::array<QRadioButton *, 4> buttons = choices(who);
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            if (buttons[i]->isChecked() == checked[i])
                continue;
            // A checked button of an exclusive group can only be cleared
            // with the group's exclusivity switched off.
            QButtonGroup *group = buttons[i]->group();
            group->setExclusive(false);
            buttons[i]->setChecked(checked[i]);
            group->setExclusive(true);
        }
    }
}

void TaxComputationPage::takeChoicesOutOfTabOrder(tax::Person who)
{
    m_choicesComputed[indexOf(who)] = true;
    for (QRadioButton *button : choices(who))
        button->setFocusPolicy(Qt::ClickFocus);
}

void TaxComputationPage::keepChoicesOutOfTabOrder(QWidget *focused)
{
    for (tax::Person who : {tax::Person::taxpayer, tax::Person::spouse}) {
        const std::array<QRadioButton *, 4> buttons = choices(who);
        if (m_choicesComputed[indexOf(who)] && std::find(buttons.begin(), buttons.end(), focused) != buttons.end())
            takeChoicesOutOfTabOrder(who);
    }
}

void TaxComputationPage::enter()
{
    m_context.openPage(this);
    Edit1->setFocus(Qt::OtherFocusReason);
}

void TaxComputationPage::ch16mLeft() { m_context.apply(m_context.model().ch16mLeft(ui::textOf(ch16m), ui::textOf(ch17m))); }
void TaxComputationPage::ch16fLeft() { m_context.apply(m_context.model().ch16fLeft(ui::textOf(ch16f), ui::textOf(ch17f))); }

void TaxComputationPage::ch16mExit()
{
    m_context.apply(m_context.model().ch16mExit(ui::textOf(ch16m), ui::textOf(ch17m)));
    // Under separate computation the set-off waits for the spouse's line 22.
    if (m_context.maritalStatus() == tax::MaritalStatus::married4 && ui::canTakeFocus(Edit2))
        Edit2->setFocus(Qt::OtherFocusReason);
    takeChoicesOutOfTabOrder(tax::Person::taxpayer);
}

void TaxComputationPage::ch16fExit()
{
    m_context.apply(m_context.model().ch16fExit(ui::textOf(ch16f), ui::textOf(ch17f)));
    takeChoicesOutOfTabOrder(tax::Person::spouse);
}

void TaxComputationPage::lastbitClick()
{
    if (m_context.apply(m_context.model().lastbitClick()))
        emit nextRequested();
}
