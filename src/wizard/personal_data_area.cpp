// Building and handlers of the personal data area.
#include "personal_data_area.h"

#include "bevel_panel.h"
#include "fonts.h"
#include "identity_number.h"
#include "page_context.h"
#include "page_rows.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

namespace {

using Field = QLineEdit *PersonalDataArea::*;

// The fields of one person in focus order, row by row as a paper form reads,
// each with the width its content needs.
struct FieldRow {
    Field taxpayer;
    Field spouse;
    const char *name; // object name without the person's digit
    const char *caption;
    int maxLength;    // 0: no limit
    int row;
    int width;
};

using P = PersonalDataArea;

constexpr std::array kFields{
    FieldRow{&P::id1, &P::id2, "id", "บัตรประจำตัวประชาชน", 13, 0, 130},
    FieldRow{&P::idtax1, &P::idtax2, "idtax", "เลขประจำตัวผู้เสียภาษีอากร", 10, 0, 110},
    FieldRow{&P::name1, &P::name2, "name", "ชื่อ", 0, 1, 230},
    FieldRow{&P::surname1, &P::surname2, "surname", "ชื่อสกุล", 0, 1, 230},
    FieldRow{&P::number1, &P::number2, "number", "เลขที่", 0, 2, 70},
    FieldRow{&P::lane1, &P::lane2, "lane", "ตรอก/ซอย", 0, 2, 150},
    FieldRow{&P::group1, &P::group2, "group", "หมู่ที่", 0, 2, 50},
    FieldRow{&P::road1, &P::road2, "road", "ถนน", 0, 2, 170},
    FieldRow{&P::ad1, &P::ad2, "ad", "ตำบล/แขวง", 0, 3, 140},
    FieldRow{&P::area1, &P::area2, "area", "อำเภอ/เขต", 0, 3, 140},
    FieldRow{&P::province1, &P::province2, "province", "จังหวัด", 0, 3, 140},
    FieldRow{&P::homephone1, &P::homephone2, "homephone", "ที่บ้าน", 0, 4, 120},
    FieldRow{&P::workphone1, &P::workphone2, "workphone", "ที่ทำงาน", 0, 4, 120},
    FieldRow{&P::zipcode1, &P::zipcode2, "zipcode", "รหัสไปรษณีย์", 0, 4, 70},
};

// Captions that head a row of the person's panel.
constexpr std::array<const char *, 5> kRowHeads{"", "", "ที่อยู่ :", "", "โทรศัพท์ :"};

// Sample texts that the user types over.
constexpr std::array<std::array<const char *, 2>, 2> kSampleNames{{
    {"นายสมชาย", "ใจดี"},
    {"นางสมศรี", "ใจดี"},
}};

const QString kFillEverything = QStringLiteral("กรุณากรอกข้อมูลให้ครบ !!!");

struct StatusButton {
    QRadioButton *PersonalDataArea::*button;
    void (PersonalDataArea::*click)();
    const char *name;
    const char *caption;
    tax::MaritalStatus status;
};

constexpr std::array kStatusButtons{
    StatusButton{&P::single, &P::singleClick, "single", "โสด", tax::MaritalStatus::single},
    StatusButton{&P::widow, &P::widowClick, "widow", "หม้าย", tax::MaritalStatus::widow},
    StatusButton{&P::married1, &P::married1Click, "married1", "คู่สมรสไม่มีเงินได้", tax::MaritalStatus::married1},
    StatusButton{&P::married2, &P::married2Click, "married2", "คู่สมรสมีเงินได้แต่ สมรส หย่า หรือตายระหว่างปีภาษี", tax::MaritalStatus::married2},
    StatusButton{&P::married3, &P::married3Click, "married3", "คู่สมรสมีเงินได้รวมคำนวณภาษี", tax::MaritalStatus::married3},
    StatusButton{&P::married4, &P::married4Click, "married4", "คู่สมรสมีเงินได้แยกคำนวณภาษี ยื่นแบบฉบับเดียวกัน", tax::MaritalStatus::married4},
    StatusButton{&P::married5, &P::married5Click, "married5", "คู่สมรสมีเงินได้แยกคำนวณภาษี แยกยื่นแบบ", tax::MaritalStatus::married5},
};

ui::BevelPanel *titledPanel(QWidget *parent, const char *name, const QString &title, QVBoxLayout *&rows)
{
    ui::BevelPanel *panel = ui::blockPanel(parent, name);
    auto *outer = new QVBoxLayout(panel);
    outer->setContentsMargins(10, 4, 10, 8);
    outer->setSpacing(4);
    auto *heading = new QLabel(title, panel);
    heading->setFont(ui::dialogFont(11, true));
    outer->addWidget(heading);
    rows = new QVBoxLayout;
    rows->setSpacing(4);
    outer->addLayout(rows);
    return panel;
}

} // namespace

PersonalDataArea::PersonalDataArea(const ui::PageContext &context)
    : QGroupBox(QStringLiteral("กรอกประวัติ"))
    , m_context(context)
{
    setObjectName("first");

    Panel70 = buildPerson(1, QStringLiteral("ผู้มีเงินได้"));
    buildStatus();
    Panel74 = buildPerson(2, QStringLiteral("คู่สมรส"));
    // The spouse's panel keeps its place while hidden, so nothing below moves.
    QSizePolicy keepPlace = Panel74->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    Panel74->setSizePolicy(keepPlace);
    single->setChecked(true);

    ok1 = ui::nextButton(this, "ok1");

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(Panel70);
    layout->addWidget(Panel72);
    layout->addWidget(Panel74);
    ui::addBottomButton(layout, ok1);

    context.onClick(ok1, [this] { ok1Click(); });
    context.setDefaultButton(this, ok1);
    context.onExit(id1, [this](QWidget *) { id1Exit(); });
    context.onExit(id2, [this](QWidget *) { id2Exit(); });
    context.onExit(idtax1, [this](QWidget *) { idtax1Exit(); });
    context.onExit(idtax2, [this](QWidget *) { idtax2Exit(); });
    context.onExit(name1, [this](QWidget *) { name1Exit(); });
    context.onExit(surname1, [this](QWidget *) { surname1Exit(); });
    context.onExit(name2, [this](QWidget *) { name2Exit(); });
    context.onExit(surname2, [this](QWidget *) { surname2Exit(); });
}

ui::BevelPanel *PersonalDataArea::buildPerson(int person, const QString &title)
{
    const bool taxpayer = person == 1;
    QVBoxLayout *rows = nullptr;
    ui::BevelPanel *panel = titledPanel(this, taxpayer ? "Panel70" : "Panel74", title, rows);
    const QString digit = QString::number(person);

    // The row heads share one column, so that the fields after them line up.
    constexpr int kHeadWidth = 70;
    std::array<QHBoxLayout *, kRowHeads.size()> lines{};
    for (std::size_t row = 0; row < kRowHeads.size(); ++row) {
        lines[row] = new QHBoxLayout;
        lines[row]->setSpacing(6);
        auto *head = new QLabel(QString::fromUtf8(kRowHeads[row]), panel);
        head->setFixedWidth(kHeadWidth);
        lines[row]->addWidget(head);
        rows->addLayout(lines[row]);
    }
    for (const FieldRow &f : kFields) {
        auto *field = new QLineEdit(panel);
        field->setObjectName(QLatin1StringView(f.name) + digit);
        field->setFixedWidth(f.width);
        if (f.maxLength > 0)
            field->setMaxLength(f.maxLength);
        this->*(taxpayer ? f.taxpayer : f.spouse) = field;
        auto *caption = new QLabel(QString::fromUtf8(f.caption), panel);
        caption->setBuddy(field);
        QHBoxLayout *line = lines[std::size_t(f.row)];
        if (line->count() > 1)
            line->addSpacing(14);
        line->addWidget(caption);
        line->addWidget(field);
        if (!taxpayer && f.spouse == &P::idtax2) {
            caption->setObjectName("Label102");
            Label102 = caption;
        }
    }
    for (QHBoxLayout *line : lines)
        line->addStretch(1);

    QLineEdit *name = taxpayer ? name1 : name2;
    QLineEdit *surname = taxpayer ? surname1 : surname2;
    name->setText(QString::fromUtf8(kSampleNames[std::size_t(person - 1)][0]));
    surname->setText(QString::fromUtf8(kSampleNames[std::size_t(person - 1)][1]));
    name->setToolTip(QStringLiteral("(ให้ระบุให้ชัดเจนว่าเป็น นาย นาง นางสาว หรือยศ)"));
    return panel;
}

void PersonalDataArea::buildStatus()
{
    QVBoxLayout *rows = nullptr;
    Panel72 = titledPanel(this, "Panel72", QStringLiteral("สถานะ"), rows);
    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    rows->addLayout(grid);
    constexpr int kRowsPerColumn = 4;
    int index = 0;
    for (const StatusButton &s : kStatusButtons) {
        auto *button = new QRadioButton(QString::fromUtf8(s.caption), Panel72);
        button->setObjectName(QLatin1StringView(s.name));
        this->*s.button = button;
        grid->addWidget(button, index % kRowsPerColumn, index / kRowsPerColumn);
        const auto click = s.click;
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
    m_context.showMessage(result == tax::IdCheck::empty ? kFillEverything : wrongMessage);
    m_context.refuse(field);
}

void PersonalDataArea::checkCitizenId(QLineEdit *field)
{
    checkNumber(field, tax::checkCitizenId(field->text().toStdString()),
                QStringLiteral("กรุณาใส่บัตรประจำตัวประชาชนให้ถูกต้อง !!!"));
}

void PersonalDataArea::checkTaxpayerId(QLineEdit *field)
{
    checkNumber(field, tax::checkTaxpayerId(field->text().toStdString()),
                QStringLiteral("กรุณาใส่เลขประจำตัวผู้เสียภาษีให้ถูกต้อง !!!"));
}

void PersonalDataArea::checkFilled(QLineEdit *field)
{
    // A text of blanks counts as filled in.
    if (!field->text().isEmpty())
        return;
    m_context.showMessage(kFillEverything);
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
