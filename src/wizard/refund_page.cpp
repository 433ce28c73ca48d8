// Building and handlers of the refund request page. The taxpayer's and the
// spouse's blocks have the same rows; a table of members per person builds
// them.
#include "refund_page.h"

#include "bevel_panel.h"
#include "narrow_text.h"
#include "page_context.h"
#include "return_view.h"
#include "sheet_controls.h"
#include "utf8_text.h"

#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <array>

namespace {

template <typename Control>
using PageMember = ui::Named<RefundPage, Control>;

// One person's block: its heading, its panel and the controls in it.
struct RefundBlock {
    const char *title;
    PageMember<ui::BevelPanel> heading, block;
    int top;
    int height;
    PageMember<QLabel> amount;
    PageMember<QRadioButton> cash, deposit, current, savings;
    PageMember<QLineEdit> bank, account;
};

using P = RefundPage;
using Bevel = ui::BevelPanel::Bevel;

const RefundBlock kTaxpayer{
    QT_TRANSLATE_NOOP("ui", "ผู้มีเงินได้"), {&P::Panel83, "Panel83"}, {&P::Panel84, "Panel84"}, 8, 225, {&P::total28m, "total28m"},
    {&P::R1, "R1"}, {&P::R2, "R2"}, {&P::R3, "R3"}, {&P::R4, "R4"}, {&P::m1, "m1"}, {&P::m2, "m2"},
};

const RefundBlock kSpouse{
    QT_TRANSLATE_NOOP("ui", "คู่สมรส"), {&P::Panel86, "Panel86"}, {&P::panel85, "panel85"}, 248, 224, {&P::total28f, "total28f"},
    {&P::R5, "R5"}, {&P::R6, "R6"}, {&P::R7, "R7"}, {&P::R8, "R8"}, {&P::m3, "m3"}, {&P::m4, "m4"},
};

// The page panel within the page (about 789 x 542 inside the page control);
// within it the headings and the blocks at the left 16 and 144.
constexpr QRect kPage(2, 0, 785, 545);
constexpr int kHeadingX = 16;
constexpr QSize kHeadingSize(121, 25);
constexpr int kBlockX = 144;
constexpr int kBlockWidth = 628;

// Within a block. The amount ends where "บาท" begins, as on every other page,
// with room for the longest amount a return can be owed back.
constexpr int kCaptionX = 24;
constexpr int kGap = 4;
constexpr int kAmountY = 16;
constexpr int kBahtX = 212;
constexpr int kCashY = 48;
constexpr int kDepositY = 72;
// The captions of the two fields share the field's box, which centres the
// Thai font's taller line on the field as the form centres its own.
constexpr QRect kBankField(88, 101, 49, 22);
constexpr int kTypeY = 136;
constexpr int kCurrentX = 96;
constexpr int kSavingsX = 192;
constexpr QRect kNumberField(88, 165, 89, 22);
constexpr int kBankLength = 3;
constexpr int kNumberLength = 10;

// The two buttons below the blocks, or below nothing.
constexpr QSize kButtonSize(137, 25);
constexpr int kPrintX = 216;
constexpr int kCloseX = 512;
constexpr int kButtonsBelowBlocks = 503;
constexpr int kButtonsWithoutBlocks = 230;
// Room kept between a narrowed caption and the button's bevel.
constexpr int kButtonPadding = 8;

// A caption as wide as its text, or narrowed to end a little before `limit`.
QLabel *placeBlockCaption(QWidget *block, const char *caption, int y, int limit = kBlockWidth)
{
    QLabel *label = ui::placeCaption(block, ui::text(caption), QRect(kCaptionX, y, 0, ui::kLabelHeight));
    label->resize(std::min(label->sizeHint().width(), limit - kGap - kCaptionX), ui::kLabelHeight);
    ui::narrowToFit(label);
    return label;
}

// A radio button as wide as its text, or narrowed to end a little before `limit`.
QRadioButton *placeChoice(QWidget *block, const char *name, const char *caption, int x, int y, int limit = kBlockWidth)
{
    QRadioButton *button = ui::placeRadioButton(block, name, ui::text(caption), QRect(x, y, 0, ui::kLabelHeight));
    button->resize(std::min(button->sizeHint().width(), limit - kGap - x), ui::kLabelHeight);
    ui::narrowToFit(button);
    return button;
}

void buildBlock(RefundPage &page, QWidget *sheet, const RefundBlock &b)
{
    b.heading.in(page) = ui::placePanel(sheet, b.heading.name, QRect(QPoint(kHeadingX, b.top), kHeadingSize),
                                        Bevel::raised, Bevel::none);
    b.heading.in(page)->setCaption(ui::text(b.title));
    ui::BevelPanel *block = ui::placePanel(sheet, b.block.name, QRect(kBlockX, b.top, kBlockWidth, b.height),
                                           Bevel::raised, Bevel::none);
    b.block.in(page) = block;

    const QLabel *amountCaption = placeBlockCaption(block, QT_TRANSLATE_NOOP("ui", "เป็นจำนวนเงิน"), kAmountY);
    const int amountLeft = amountCaption->x() + amountCaption->width() + kGap;
    // The design-time text is the label's own name; opening the page replaces it.
    b.amount.in(page) = ui::placeResult(block, b.amount.name,
                                        QRect(amountLeft, kAmountY, kBahtX - kGap - amountLeft, ui::kLabelHeight),
                                        ui::text(b.amount.name));
    ui::placeCaption(block, ui::text("บาท"), QRect(kBahtX, kAmountY, ui::kBahtWidth, ui::kLabelHeight));

    b.cash.in(page) = placeChoice(block, b.cash.name, QT_TRANSLATE_NOOP("ui", "(1) เป็นเงินสด"), kCaptionX, kCashY);
    b.deposit.in(page) = placeChoice(block, b.deposit.name, QT_TRANSLATE_NOOP("ui", "(2) ให้นำเข้าบัญชีเงินฝากของข้าพเจ้า"), kCaptionX, kDepositY);
    auto *method = new QButtonGroup(block);
    method->addButton(b.cash.in(page));
    method->addButton(b.deposit.in(page));

    placeBlockCaption(block, QT_TRANSLATE_NOOP("ui", "รหัสธนาคาร"), kBankField.top(), kBankField.left());
    b.bank.in(page) = ui::placeField(block, b.bank.name, kBankField, QString(), Qt::AlignLeft);
    b.bank.in(page)->setMaxLength(kBankLength);

    placeBlockCaption(block, QT_TRANSLATE_NOOP("ui", "บัญชีประเภท"), kTypeY, kCurrentX);
    b.current.in(page) = placeChoice(block, b.current.name, QT_TRANSLATE_NOOP("ui", "กระแสรายวัน"), kCurrentX, kTypeY, kSavingsX);
    b.savings.in(page) = placeChoice(block, b.savings.name, QT_TRANSLATE_NOOP("ui", "ออมทรัพย์"), kSavingsX, kTypeY);
    auto *type = new QButtonGroup(block);
    type->addButton(b.current.in(page));
    type->addButton(b.savings.in(page));

    placeBlockCaption(block, QT_TRANSLATE_NOOP("ui", "เลขที่"), kNumberField.top(), kNumberField.left());
    b.account.in(page) = ui::placeField(block, b.account.name, kNumberField, QString(), Qt::AlignLeft);
    b.account.in(page)->setMaxLength(kNumberLength);
}

} // namespace

RefundPage::RefundPage(const ui::PageContext &context)
    : m_context(context)
{
    setObjectName("TabSheet6");

    Panel80 = ui::placePanel(this, "Panel80", kPage, Bevel::lowered, Bevel::none);
    buildBlock(*this, Panel80, kTaxpayer);
    buildBlock(*this, Panel80, kSpouse);

    Button1 = ui::placeButton(Panel80, "Button1", ui::text("พิมพ์รายงาน การเสียภาษี"), QRect());
    Button2 = ui::placeButton(Panel80, "Button2", ui::text("ปิดโปรแกรม"), QRect());
    placeButtons(kButtonsBelowBlocks);
    // The print button's caption is wider than the button the form gives it.
    ui::narrowToFit(Button1, kButtonPadding);
    ui::narrowToFit(Button2, kButtonPadding);

    ui::chainTabOrder({R1, R2, m1, R3, R4, m2, R5, R6, m3, R7, R8, m4, Button1, Button2});
    m_context.onClick(Button1, [this] { Button1Click(); });
    m_context.onClick(Button2, [this] { Button2Click(); });
    m_context.onExit(Button2, [this](QWidget *) { Button2Exit(); });
    // Qt keeps one Tab stop per group of radio buttons once one of them has
    // had the focus; here every radio button is a Tab stop.
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { keepChoicesInTabOrder(now); });
    m_context.view().onShow([this](const model::ReturnDisplay &display) { showBlocks(display); });
}

QWidget *RefundPage::firstControl() const
{
    return nullptr;
}

void RefundPage::keepChoicesInTabOrder(QWidget *focused)
{
    const std::array<QRadioButton *, 8> buttons{R1, R2, R3, R4, R5, R6, R7, R8};
    if (std::find(buttons.begin(), buttons.end(), focused) == buttons.end())
        return;
    for (QRadioButton *button : buttons)
        button->setFocusPolicy(Qt::StrongFocus);
}

void RefundPage::placeButtons(int top)
{
    Button1->setGeometry(QRect(QPoint(kPrintX, top), kButtonSize));
    Button2->setGeometry(QRect(QPoint(kCloseX, top), kButtonSize));
}

void RefundPage::enter()
{
    m_context.openPage(this);
    // The focus goes to the first block's cash button, or to the print button.
    QWidget *first = !Panel84->isHidden() ? static_cast<QWidget *>(R1) : !panel85->isHidden() ? static_cast<QWidget *>(R5) : Button1;
    first->setFocus(Qt::OtherFocusReason);
}

void RefundPage::showBlocks(const model::ReturnDisplay &display)
{
    // A block asks for the refund of an overpaid line 28.
    const bool taxpayerRefund = display.refundBlocks[0];
    const bool spouseRefund = display.refundBlocks[1];
    for (QWidget *panel : {Panel83, Panel84})
        panel->setVisible(taxpayerRefund);
    for (QWidget *panel : {Panel86, panel85})
        panel->setVisible(spouseRefund);
    placeButtons(taxpayerRefund || spouseRefund ? kButtonsBelowBlocks : kButtonsWithoutBlocks);
}

void RefundPage::Button1Click()
{
    emit printRequested();
}

void RefundPage::Button2Click()
{
    emit closeRequested();
}

void RefundPage::Button2Exit()
{
    emit closeButtonLeft();
}
