// Building and handlers of the personal data area. Both persons' panels are
// built from one table of fields, the status panel from a table of buttons.
#include "personal_data_area.h"

#include "bevel_panel.h"
#include "identity_number.h"
#include "page_context.h"
#include "return_model.h"
#include "sheet_controls.h"
#include "utf8_text.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <vector>

namespace {

using P = PersonalDataArea;
using Field = QLineEdit *PersonalDataArea::*;
using Handler = void (PersonalDataArea::*)();

// Inside a panel: a column of row heads (the panel's title, "ที่อยู่ :",
// "โทรศัพท์ :") at the left, the rows of fields after it.
constexpr int kPadding = 8;
constexpr int kHeadX = 10;
constexpr int kHeadWidth = 66;
constexpr int kCaptionGap = 4; // between a caption and its field
constexpr int kPersonRows = 5;
constexpr int kPersonRowPitch = 31;
constexpr int kStatusRows = 4;
constexpr int kStatusRowPitch = 27;

constexpr int panelHeight(int rows, int pitch)
{
    return 2 * kPadding + (rows - 1) * pitch + ui::kFieldHeight;
}

// The area (793 x 569): under the group box's title the taxpayer's panel, the
// status panel and the spouse's panel across its width, one under the other,
// then the next button at the bottom right.
constexpr int kPanelX = 8;
constexpr int kPanelWidth = 777;
constexpr int kPanelGap = 10;
constexpr QRect kTaxpayerPanel(kPanelX, 30, kPanelWidth, panelHeight(kPersonRows, kPersonRowPitch));
constexpr QRect kStatusPanel(kPanelX, kTaxpayerPanel.bottom() + 1 + kPanelGap, kPanelWidth,
                             panelHeight(kStatusRows, kStatusRowPitch));
constexpr QRect kSpousePanel(kPanelX, kStatusPanel.bottom() + 1 + kPanelGap, kPanelWidth, kTaxpayerPanel.height());
constexpr QRect kNextButton(kPanelX + kPanelWidth - 120, 532, 120, ui::kButtonHeight);

// Where a field and its caption stand in their row: the caption runs from
// `captionX` up to the field and ends just before it.
struct Slot {
    int captionX;
    int fieldX;
};

// The identity and name rows have two columns of fields, the address and
// telephone rows three, so that the fields line up as on a paper form; the
// village number squeezes in before the road, which keeps the third column.
constexpr Slot kIdentityLeft{82, 222};
constexpr Slot kIdentityRight{436, 600};
constexpr Slot kAddressLeft{82, 156};
constexpr Slot kAddressMiddle{318, 386};
constexpr Slot kAddressRight{548, 628};
constexpr Slot kVillage{504, 538};
constexpr Slot kRoad{590, kAddressRight.fieldX};

// A field of one person in focus order.
struct FieldRow {
    Field taxpayer;
    Field spouse;
    std::array<Handler, 2> exit; // null: any text is taken
    const char *name;            // object name without the person's digit
    const char *caption;
    ui::Named<PersonalDataArea, QLabel> spouseCaption; // where the status shows and hides it
    int maxLength;                                     // 0: no limit
    int row;
    Slot slot;
    int fieldWidth;
};

constexpr FieldRow kFields[]{
    {&P::id1, &P::id2, {&P::id1Exit, &P::id2Exit}, "id", QT_TRANSLATE_NOOP("ui", "บัตรประจำตัวประชาชน"), {}, 13, 0, kIdentityLeft, 120},
    {&P::idtax1, &P::idtax2, {&P::idtax1Exit, &P::idtax2Exit}, "idtax", QT_TRANSLATE_NOOP("ui", "เลขประจำตัวผู้เสียภาษีอากร"),
     {&P::Label102, "Label102"}, 10, 0, kIdentityRight, 100},
    {&P::name1, &P::name2, {&P::name1Exit, &P::name2Exit}, "name", QT_TRANSLATE_NOOP("ui", "ชื่อ"), {}, 0, 1, kIdentityLeft, 200},
    {&P::surname1, &P::surname2, {&P::surname1Exit, &P::surname2Exit}, "surname", QT_TRANSLATE_NOOP("ui", "ชื่อสกุล"), {}, 0, 1, kIdentityRight, 167},
    {&P::number1, &P::number2, {}, "number", QT_TRANSLATE_NOOP("ui", "เลขที่"), {}, 0, 2, kAddressLeft, 150},
    {&P::lane1, &P::lane2, {}, "lane", QT_TRANSLATE_NOOP("ui", "ตรอก/ซอย"), {}, 0, 2, kAddressMiddle, 110},
    {&P::group1, &P::group2, {}, "group", QT_TRANSLATE_NOOP("ui", "หมู่ที่"), {}, 0, 2, kVillage, 44},
    {&P::road1, &P::road2, {}, "road", QT_TRANSLATE_NOOP("ui", "ถนน"), {}, 0, 2, kRoad, 139},
    {&P::ad1, &P::ad2, {}, "ad", QT_TRANSLATE_NOOP("ui", "ตำบล/แขวง"), {}, 0, 3, kAddressLeft, 150},
    {&P::area1, &P::area2, {}, "area", QT_TRANSLATE_NOOP("ui", "อำเภอ/เขต"), {}, 0, 3, kAddressMiddle, 150},
    {&P::province1, &P::province2, {}, "province", QT_TRANSLATE_NOOP("ui", "จังหวัด"), {}, 0, 3, kAddressRight, 139},
    {&P::homephone1, &P::homephone2, {}, "homephone", QT_TRANSLATE_NOOP("ui", "ที่บ้าน"), {}, 0, 4, kAddressLeft, 150},
    {&P::workphone1, &P::workphone2, {}, "workphone", QT_TRANSLATE_NOOP("ui", "ที่ทำงาน"), {}, 0, 4, kAddressMiddle, 150},
    {&P::zipcode1, &P::zipcode2, {}, "zipcode", QT_TRANSLATE_NOOP("ui", "รหัสไปรษณีย์"), {}, 0, 4, kAddressRight, 70},
};

// Heads of the rows after the first, which holds the panel's title.
struct RowHead {
    int row;
    const char *caption;
};

constexpr RowHead kRowHeads[]{{2, QT_TRANSLATE_NOOP("ui", "ที่อยู่ :")}, {4, QT_TRANSLATE_NOOP("ui", "โทรศัพท์ :")}};

// Sample texts that the user types over.
constexpr std::array<std::array<const char *, 2>, 2> kSampleNames{{
    {QT_TRANSLATE_NOOP("ui", "นายสมชาย"), QT_TRANSLATE_NOOP("ui", "ใจดี")},
    {QT_TRANSLATE_NOOP("ui", "นางสมศรี"), QT_TRANSLATE_NOOP("ui", "ใจดี")},
}};

constexpr const char *kFillEverything = QT_TRANSLATE_NOOP("ui", "กรุณากรอกข้อมูลให้ครบ !!!");

// The status buttons down the first column, then down the second.
struct StatusButton {
    QRadioButton *PersonalDataArea::*button;
    Handler click;
    const char *name;
    const char *caption;
    tax::MaritalStatus status;
};

constexpr StatusButton kStatusButtons[]{
    {&P::single, &P::singleClick, "single", QT_TRANSLATE_NOOP("ui", "โสด"), tax::MaritalStatus::single},
    {&P::widow, &P::widowClick, "widow", QT_TRANSLATE_NOOP("ui", "หม้าย"), tax::MaritalStatus::widow},
    {&P::married1, &P::married1Click, "married1", QT_TRANSLATE_NOOP("ui", "คู่สมรสไม่มีเงินได้"), tax::MaritalStatus::married1},
    {&P::married2, &P::married2Click, "married2", QT_TRANSLATE_NOOP("ui", "คู่สมรสมีเงินได้แต่ สมรส หย่า หรือตายระหว่างปีภาษี"), tax::MaritalStatus::married2},
    {&P::married3, &P::married3Click, "married3", QT_TRANSLATE_NOOP("ui", "คู่สมรสมีเงินได้รวมคำนวณภาษี"), tax::MaritalStatus::married3},
    {&P::married4, &P::married4Click, "married4", QT_TRANSLATE_NOOP("ui", "คู่สมรสมีเงินได้แยกคำนวณภาษี ยื่นแบบฉบับเดียวกัน"), tax::MaritalStatus::married4},
    {&P::married5, &P::married5Click, "married5", QT_TRANSLATE_NOOP("ui", "คู่สมรสมีเงินได้แยกคำนวณภาษี แยกยื่นแบบ"), tax::MaritalStatus::married5},
};

constexpr std::array<int, 2> kStatusColumnX{82, 430};
constexpr int kStatusWidth = 330;

int personRowY(int row)
{
    return kPadding + row * kPersonRowPitch;
}

} // namespace

PersonalDataArea::PersonalDataArea(const ui::PageContext &context)
    : QGroupBox(ui::text("กรอกประวัติ"))
    , m_context(context)
{
    setObjectName("first");

    Panel70 = buildPerson(1, ui::text("ผู้มีเงินได้"));
    buildStatus();
    // Hidden by the status "โสด" below; its place stays empty meanwhile.
    Panel74 = buildPerson(2, ui::text("คู่สมรส"));
    single->setChecked(true);

    ok1 = ui::placeNextButton(this, "ok1", kNextButton);

    std::vector<QWidget *> order;
    for (const FieldRow &f : kFields)
        order.push_back(this->*f.taxpayer);
    for (const StatusButton &s : kStatusButtons)
        order.push_back(this->*s.button);
    for (const FieldRow &f : kFields)
        order.push_back(this->*f.spouse);
    order.push_back(ok1);
    ui::chainTabOrder(order);

    context.onClick(ok1, [this] { ok1Click(); });
    context.setDefaultButton(this, ok1);
    for (const FieldRow &f : kFields) {
        for (std::size_t person = 0; person < 2; ++person) {
            const Handler exit = f.exit[person];
            if (exit)
                context.onExit(this->*(person == 0 ? f.taxpayer : f.spouse), [this, exit](QWidget *) { (this->*exit)(); });
        }
    }
}

ui::BevelPanel *PersonalDataArea::buildPerson(int person, const QString &title)
{
    const bool taxpayer = person == 1;
    ui::BevelPanel *panel = ui::placePanel(this, taxpayer ? "Panel70" : "Panel74", taxpayer ? kTaxpayerPanel : kSpousePanel);
    const QByteArray digit = QByteArray::number(person);

    ui::placeCaption(panel, title, QRect(kHeadX, personRowY(0), kHeadWidth, ui::kFieldHeight), "", true);
    for (const RowHead &head : kRowHeads)
        ui::placeCaption(panel, ui::text(head.caption), QRect(kHeadX, personRowY(head.row), kHeadWidth, ui::kFieldHeight));

    for (const FieldRow &f : kFields) {
        const int y = personRowY(f.row);
        QLineEdit *field = ui::placeField(panel, (f.name + digit).constData(),
                                          QRect(f.slot.fieldX, y, f.fieldWidth, ui::kFieldHeight), QString(), Qt::AlignLeft);
        if (f.maxLength > 0)
            field->setMaxLength(f.maxLength);
        this->*(taxpayer ? f.taxpayer : f.spouse) = field;
        const QRect captionRect(f.slot.captionX, y, f.slot.fieldX - kCaptionGap - f.slot.captionX, ui::kFieldHeight);
        QLabel *caption = ui::placeCaption(panel, ui::text(f.caption), captionRect,
                                           taxpayer || !f.spouseCaption.name ? "" : f.spouseCaption.name);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        caption->setBuddy(field);
        if (!taxpayer && f.spouseCaption.member)
            f.spouseCaption.in(*this) = caption;
    }

    QLineEdit *name = taxpayer ? name1 : name2;
    QLineEdit *surname = taxpayer ? surname1 : surname2;
    name->setText(ui::text(kSampleNames[std::size_t(person - 1)][0]));
    surname->setText(ui::text(kSampleNames[std::size_t(person - 1)][1]));
    name->setToolTip(ui::text("(ให้ระบุให้ชัดเจนว่าเป็น นาย นาง นางสาว หรือยศ)"));
    return panel;
}

void PersonalDataArea::buildStatus()
{
    Panel72 = ui::placePanel(this, "Panel72", kStatusPanel);
    ui::placeCaption(Panel72, ui::text("สถานะ"), QRect(kHeadX, kPadding, kHeadWidth, ui::kFieldHeight), "", true);
    int index = 0;
    for (const StatusButton &s : kStatusButtons) {
        const QRect where(kStatusColumnX[std::size_t(index / kStatusRows)],
                          kPadding + index % kStatusRows * kStatusRowPitch, kStatusWidth, ui::kFieldHeight);
        QRadioButton *button = ui::placeRadioButton(Panel72, s.name, ui::text(s.caption), where);
        this->*s.button = button;
        const Handler click = s.click;
        connect(button, &QRadioButton::toggled, this, [this, click](bool checked) {
            if (checked)
                (this->*click)();
        });
        ++index;
    }
}

tax::MaritalStatus PersonalDataArea::maritalStatus() const
{
    for (const StatusButton &s : kStatusButtons) {
        if ((this->*s.button)->isChecked())
            return s.status;
    }
    return tax::MaritalStatus::single;
}

void PersonalDataArea::showSpouse(bool withTaxNumber)
{
    Panel74->show();
    Label102->setVisible(withTaxNumber);
    idtax2->setVisible(withTaxNumber);
}

void PersonalDataArea::singleClick() { Panel74->hide(); }
void PersonalDataArea::widowClick() { Panel74->hide(); }
void PersonalDataArea::married1Click() { showSpouse(false); }
void PersonalDataArea::married2Click() { showSpouse(true); }
void PersonalDataArea::married3Click() { showSpouse(true); }
void PersonalDataArea::married4Click() { showSpouse(true); }
void PersonalDataArea::married5Click() { showSpouse(true); }

void PersonalDataArea::checkNumber(QLineEdit *field, tax::IdCheck result, const QString &wrongMessage)
{
    if (result == tax::IdCheck::accepted)
        return;
    m_context.showMessage(result == tax::IdCheck::empty ? ui::text(kFillEverything) : wrongMessage);
    m_context.refuse(field);
}

void PersonalDataArea::checkCitizenId(QLineEdit *field)
{
    checkNumber(field, tax::checkCitizenId(field->text().toStdString()),
                ui::text("กรุณาใส่บัตรประจำตัวประชาชนให้ถูกต้อง !!!"));
}

void PersonalDataArea::checkTaxpayerId(QLineEdit *field)
{
    checkNumber(field, tax::checkTaxpayerId(field->text().toStdString()),
                ui::text("กรุณาใส่เลขประจำตัวผู้เสียภาษีให้ถูกต้อง !!!"));
}

void PersonalDataArea::checkFilled(QLineEdit *field)
{
    // A text of blanks counts as filled in.
    if (!field->text().isEmpty())
        return;
    m_context.showMessage(ui::text(kFillEverything));
    m_context.refuse(field);
}

void PersonalDataArea::id1Exit() { checkCitizenId(id1); }
void PersonalDataArea::id2Exit() { checkCitizenId(id2); }
void PersonalDataArea::idtax1Exit() { checkTaxpayerId(idtax1); }
void PersonalDataArea::idtax2Exit() { checkTaxpayerId(idtax2); }
void PersonalDataArea::name1Exit() { checkFilled(name1); }
void PersonalDataArea::surname1Exit() { checkFilled(surname1); }
void PersonalDataArea::name2Exit() { checkFilled(name2); }
void PersonalDataArea::surname2Exit() { checkFilled(surname2); }

void PersonalDataArea::ok1Click()
{
    // The status and the names the attachment repeats hold from now on.
    using ui::textOf;
    m_context.model().ok1Click(maritalStatus(), {textOf(name1), textOf(surname1), textOf(idtax1),
                                                 textOf(name2), textOf(surname2), textOf(idtax2)});
    m_context.showReturn();
    emit nextRequested();
}

void PersonalDataArea::N1Click()
{
    const QString citizen = QString::fromLatin1(tax::kForeignCitizenId.data(), qsizetype(tax::kForeignCitizenId.size()));
    const QString taxpayer = QString::fromLatin1(tax::kForeignTaxpayerId.data(), qsizetype(tax::kForeignTaxpayerId.size()));
    id1->setText(citizen);
    idtax1->setText(taxpayer);
    id2->setText(citizen);
    idtax2->setText(taxpayer);
}
