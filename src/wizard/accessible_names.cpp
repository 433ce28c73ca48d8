// The tables of names, a table per page. A name ending in "%" stands for the
// taxpayer's control (m) and the spouse's (f); the others name one person or none.
#include "accessible_names.h"

#include "utf8_text.h"

#include <QLabel>
#include <QWidget>

#include <array>
#include <span>

namespace {

enum class Whose { pair, taxpayer, spouse, nobody };

struct NameRow {
    const char *control;
    const char *name;
    Whose whose = Whose::pair;
};

constexpr NameRow kIncomePage[]{
    {"ch1%", QT_TRANSLATE_NOOP("ui", "1. เงินเดือน ค่าจ้าง บำนาญ")},
    {"ch2%", QT_TRANSLATE_NOOP("ui", "2. เงินสะสมกองทุนสำรองเลี้ยงชีพ")},
    {"ch3%", QT_TRANSLATE_NOOP("ui", "3. เงินที่นายจ้างจ่ายให้ครั้งเดียวเพราะเหตุออกจากงาน")},
    {"total1%", QT_TRANSLATE_NOOP("ui", "4. รวมเงินได้พึงประเมิน")},
};

constexpr NameRow kExpensesPage[]{
    {"p1", QT_TRANSLATE_NOOP("ui", "5. ค่าใช้จ่าย"), Whose::taxpayer},
    {"p2", QT_TRANSLATE_NOOP("ui", "5. ค่าใช้จ่าย"), Whose::spouse},
    {"total2%", QT_TRANSLATE_NOOP("ui", "5. ค่าใช้จ่ายร้อยละ 40")},
    {"copyoftotal3%", QT_TRANSLATE_NOOP("ui", "6. รวมค่าใช้จ่าย")},
    {"total4%", QT_TRANSLATE_NOOP("ui", "7. เงินได้หลังหักค่าใช้จ่าย")},
};

constexpr NameRow kAllowancesPage[]{
    {"p3", QT_TRANSLATE_NOOP("ui", "8. ลดหย่อนผู้มีเงินได้ 30,000 บาท"), Whose::nobody},
    {"p4", QT_TRANSLATE_NOOP("ui", "8. ลดหย่อนคู่สมรส 30,000 บาท"), Whose::nobody},
    {"ch4%", QT_TRANSLATE_NOOP("ui", "9. จำนวนบุตรคนละ 15,000 หรือ 7,500 บาท")},
    {"ch5%", QT_TRANSLATE_NOOP("ui", "9. จำนวนบุตรคนละ 17,000 หรือ 8,500 บาท")},
    {"none1%", QT_TRANSLATE_NOOP("ui", "10. จำนวนใบเสร็จเบี้ยประกันชีวิต")},
    {"ch6%", QT_TRANSLATE_NOOP("ui", "10. เบี้ยประกันชีวิต")},
    {"none2%", QT_TRANSLATE_NOOP("ui", "11. จำนวนหลักฐานเงินสะสมกองทุนสำรองเลี้ยงชีพ")},
    {"ch7%", QT_TRANSLATE_NOOP("ui", "11. เงินสะสมกองทุนสำรองเลี้ยงชีพ")},
    {"none3%", QT_TRANSLATE_NOOP("ui", "12. จำนวนหนังสือรับรองดอกเบี้ยเงินกู้ยืม")},
    {"ch8%", QT_TRANSLATE_NOOP("ui", "12. ดอกเบี้ยเงินกู้ยืมเพื่อที่อยู่อาศัย")},
    {"none4%", QT_TRANSLATE_NOOP("ui", "13. จำนวนหลักฐานเงินสมทบกองทุนประกันสังคม")},
    {"ch9%", QT_TRANSLATE_NOOP("ui", "13. เงินสมทบกองทุนประกันสังคม")},
    {"dis1%", QT_TRANSLATE_NOOP("ui", "14. รวมค่าลดหย่อน")},
    {"total5%", QT_TRANSLATE_NOOP("ui", "15. คงเหลือเงินได้ก่อนหักลดหย่อนเงินบริจาค")},
    {"none5%", QT_TRANSLATE_NOOP("ui", "16. จำนวนใบเสร็จเงินบริจาค")},
    {"ch10%", QT_TRANSLATE_NOOP("ui", "16. เงินบริจาค")},
    {"total6%", QT_TRANSLATE_NOOP("ui", "17. เงินได้สุทธิ")},
};

constexpr NameRow kAttachmentPage[]{
    {"cname1", QT_TRANSLATE_NOOP("ui", "ใบแนบ"), Whose::taxpayer},
    {"csurname1", QT_TRANSLATE_NOOP("ui", "ใบแนบ"), Whose::taxpayer},
    {"cidtax1", QT_TRANSLATE_NOOP("ui", "ใบแนบ"), Whose::taxpayer},
    {"cname2", QT_TRANSLATE_NOOP("ui", "ใบแนบ"), Whose::spouse},
    {"csurname2", QT_TRANSLATE_NOOP("ui", "ใบแนบ"), Whose::spouse},
    {"cidtax2", QT_TRANSLATE_NOOP("ui", "ใบแนบ"), Whose::spouse},
    {"nameboss1", QT_TRANSLATE_NOOP("ui", "ใบแนบ 1. ชื่อนายจ้างรายที่ 1"), Whose::nobody},
    {"nameboss2", QT_TRANSLATE_NOOP("ui", "ใบแนบ 1. ชื่อนายจ้างรายที่ 2"), Whose::nobody},
    {"nameboss3", QT_TRANSLATE_NOOP("ui", "ใบแนบ 1. ชื่อนายจ้างรายที่ 3"), Whose::nobody},
    {"nameboss4", QT_TRANSLATE_NOOP("ui", "ใบแนบ 1. ชื่อนายจ้างรายที่ 4"), Whose::nobody},
    {"year1", QT_TRANSLATE_NOOP("ui", "ใบแนบ 1. จำนวนปีที่ทำงานกับนายจ้างรายที่ 1"), Whose::nobody},
    {"year2", QT_TRANSLATE_NOOP("ui", "ใบแนบ 1. จำนวนปีที่ทำงานกับนายจ้างรายที่ 2"), Whose::nobody},
    {"year3", QT_TRANSLATE_NOOP("ui", "ใบแนบ 1. จำนวนปีที่ทำงานกับนายจ้างรายที่ 3"), Whose::nobody},
    {"year4", QT_TRANSLATE_NOOP("ui", "ใบแนบ 1. จำนวนปีที่ทำงานกับนายจ้างรายที่ 4"), Whose::nobody},
    {"ch11%", QT_TRANSLATE_NOOP("ui", "ใบแนบ เงินได้ 1. เงินบำเหน็จข้าราชการ")},
    {"ch12%", QT_TRANSLATE_NOOP("ui", "ใบแนบ เงินได้ 2. เงินจากกองทุนสำรองเลี้ยงชีพหรือ กบข.")},
    {"ch13%", QT_TRANSLATE_NOOP("ui", "ใบแนบ เงินได้ 3. เงินชดเชยตามกฎหมายแรงงาน")},
    {"total7%", QT_TRANSLATE_NOOP("ui", "ใบแนบ เงินได้ 4. รวม")},
    {"ch14%", QT_TRANSLATE_NOOP("ui", "ใบแนบ เงินได้ 5. เงินได้ที่มีวิธีคำนวณแตกต่างไปจาก 1")},
    {"total8%", QT_TRANSLATE_NOOP("ui", "ใบแนบ เงินได้ 6. รวมทั้งสิ้น")},
    {"total14%", QT_TRANSLATE_NOOP("ui", "ใบแนบ 2. หักค่าใช้จ่าย")},
    {"total15%", QT_TRANSLATE_NOOP("ui", "ใบแนบ 3. คงเหลือเงินได้สุทธิ")},
    {"total16%", QT_TRANSLATE_NOOP("ui", "ใบแนบ 4. ภาษีที่คำนวณได้")},
    {"Edit3", QT_TRANSLATE_NOOP("ui", "ใบแนบ 5. จำนวนหนังสือรับรองการหักภาษี ณ ที่จ่าย"), Whose::nobody},
    {"ch15%", QT_TRANSLATE_NOOP("ui", "ใบแนบ 5. ภาษีเงินได้หัก ณ ที่จ่าย")},
    {"total17%", QT_TRANSLATE_NOOP("ui", "ใบแนบ 6. ภาษีส่วนที่ต้องชำระเพิ่มเติม")},
    {"total18%", QT_TRANSLATE_NOOP("ui", "ใบแนบ 7. ภาษีส่วนที่ชำระไว้เกิน")},
};

constexpr NameRow kSeverancePanel[]{
    {"computecheck1", QT_TRANSLATE_NOOP("ui", "8. เงินเดือนเดือนสุดท้าย"), Whose::taxpayer},
    {"computecheck2", QT_TRANSLATE_NOOP("ui", "8. เงินเดือนเฉลี่ย 12 เดือนสุดท้าย"), Whose::taxpayer},
    {"computecheck5", QT_TRANSLATE_NOOP("ui", "8. เงินเดือนเดือนสุดท้าย"), Whose::spouse},
    {"computecheck6", QT_TRANSLATE_NOOP("ui", "8. เงินเดือนเฉลี่ย 12 เดือนสุดท้าย"), Whose::spouse},
    {"com1%", QT_TRANSLATE_NOOP("ui", "8. เงินเดือนรับจากนายจ้าง")},
    {"com2%", QT_TRANSLATE_NOOP("ui", "8. จำนวนปีที่ทำงาน")},
    {"com3%", QT_TRANSLATE_NOOP("ui", "8. เงินเดือนคูณจำนวนปีที่ทำงาน")},
    {"total9%", QT_TRANSLATE_NOOP("ui", "9. จำนวนเงินที่ถือเป็นฐานเพื่อคำนวณหาค่าใช้จ่าย")},
    {"computecheck3", QT_TRANSLATE_NOOP("ui", "10. ค่าใช้จ่ายส่วนแรกปีละ 7,000 บาท"), Whose::taxpayer},
    {"computecheck4", QT_TRANSLATE_NOOP("ui", "10. ค่าใช้จ่ายส่วนแรกปีละ 3,500 บาท"), Whose::taxpayer},
    {"computecheck7", QT_TRANSLATE_NOOP("ui", "10. ค่าใช้จ่ายส่วนแรกปีละ 7,000 บาท"), Whose::spouse},
    {"computecheck8", QT_TRANSLATE_NOOP("ui", "10. ค่าใช้จ่ายส่วนแรกปีละ 3,500 บาท"), Whose::spouse},
    {"com5%", QT_TRANSLATE_NOOP("ui", "10. จำนวนปีที่ทำงานของค่าใช้จ่ายส่วนแรก")},
    {"total10%", QT_TRANSLATE_NOOP("ui", "10. ค่าใช้จ่ายส่วนแรก")},
    {"total11%", QT_TRANSLATE_NOOP("ui", "11. คงเหลือ")},
    {"total12%", QT_TRANSLATE_NOOP("ui", "12. ค่าใช้จ่ายส่วนที่ 2 ร้อยละ 50 ของ 11.")},
    {"total13%", QT_TRANSLATE_NOOP("ui", "13. รวมค่าใช้จ่ายที่หักได้ทั้งหมด")},
};

constexpr NameRow kTaxComputationPage[]{
    {"total19%", QT_TRANSLATE_NOOP("ui", "18. ภาษีที่คำนวณจากเงินได้สุทธิ")},
    {"total20%", QT_TRANSLATE_NOOP("ui", "19. ภาษีส่วนที่ต้องชำระเพิ่มเติมตาม 6 ในใบแนบ")},
    {"total21%", QT_TRANSLATE_NOOP("ui", "20. ภาษีส่วนที่ชำระไว้เกินตาม 7 ในใบแนบ")},
    {"Edit1", QT_TRANSLATE_NOOP("ui", "21. จำนวนหนังสือรับรองการหักภาษี ณ ที่จ่าย"), Whose::taxpayer},
    {"Edit2", QT_TRANSLATE_NOOP("ui", "21. จำนวนหนังสือรับรองการหักภาษี ณ ที่จ่าย"), Whose::spouse},
    {"ch16%", QT_TRANSLATE_NOOP("ui", "21. ภาษีเงินได้หัก ณ ที่จ่าย")},
    {"ch17%", QT_TRANSLATE_NOOP("ui", "22. ภาษีที่ชำระไว้แล้ว กรณียื่นเพิ่มเติม")},
    {"total22%", QT_TRANSLATE_NOOP("ui", "23. รวมภาษีเงินได้ที่ต้องชำระเพิ่มเติม")},
    {"total23%", QT_TRANSLATE_NOOP("ui", "24. รวมภาษีเงินได้ที่ชำระไว้เกิน")},
    {"total24%", QT_TRANSLATE_NOOP("ui", "25. ภาษีส่วนที่เกินของอีกฝ่ายหนึ่งที่หักกลบ")},
    {"total25%", QT_TRANSLATE_NOOP("ui", "26. คงเหลือภาษี")},
    {"choice1%", QT_TRANSLATE_NOOP("ui", "26. คงเหลือภาษีส่วนที่ชำระเพิ่มเติม")},
    {"choice2%", QT_TRANSLATE_NOOP("ui", "26. คงเหลือภาษีส่วนที่ชำระไว้เกิน")},
    {"total26%", QT_TRANSLATE_NOOP("ui", "27. เงินเพิ่ม")},
    {"total27%", QT_TRANSLATE_NOOP("ui", "28. รวมภาษี")},
    {"choice3%", QT_TRANSLATE_NOOP("ui", "28. รวมภาษีส่วนที่ชำระเพิ่มเติม")},
    {"choice4%", QT_TRANSLATE_NOOP("ui", "28. รวมภาษีส่วนที่ชำระไว้เกิน")},
};

constexpr NameRow kRefundPage[]{
    {"total28%", QT_TRANSLATE_NOOP("ui", "เงินภาษีที่ขอคืน")},
    {"R1", QT_TRANSLATE_NOOP("ui", "ขอคืน (1) เป็นเงินสด"), Whose::taxpayer},
    {"R2", QT_TRANSLATE_NOOP("ui", "ขอคืน (2) นำเข้าบัญชีเงินฝาก"), Whose::taxpayer},
    {"m1", QT_TRANSLATE_NOOP("ui", "รหัสธนาคาร"), Whose::taxpayer},
    {"R3", QT_TRANSLATE_NOOP("ui", "บัญชีประเภทกระแสรายวัน"), Whose::taxpayer},
    {"R4", QT_TRANSLATE_NOOP("ui", "บัญชีประเภทออมทรัพย์"), Whose::taxpayer},
    {"m2", QT_TRANSLATE_NOOP("ui", "เลขที่บัญชี"), Whose::taxpayer},
    {"R5", QT_TRANSLATE_NOOP("ui", "ขอคืน (1) เป็นเงินสด"), Whose::spouse},
    {"R6", QT_TRANSLATE_NOOP("ui", "ขอคืน (2) นำเข้าบัญชีเงินฝาก"), Whose::spouse},
    {"m3", QT_TRANSLATE_NOOP("ui", "รหัสธนาคาร"), Whose::spouse},
    {"R7", QT_TRANSLATE_NOOP("ui", "บัญชีประเภทกระแสรายวัน"), Whose::spouse},
    {"R8", QT_TRANSLATE_NOOP("ui", "บัญชีประเภทออมทรัพย์"), Whose::spouse},
    {"m4", QT_TRANSLATE_NOOP("ui", "เลขที่บัญชี"), Whose::spouse},
};

constexpr std::array<std::span<const NameRow>, 7> kPages{
    kIncomePage, kExpensesPage, kAllowancesPage, kAttachmentPage, kSeverancePanel, kTaxComputationPage, kRefundPage,
};

QString personal(const char *name, Whose whose)
{
    const QString line = ui::text(name);
    switch (whose) {
    case Whose::taxpayer: return line + ui::text(" ผู้มีเงินได้");
    case Whose::spouse: return line + ui::text(" คู่สมรส");
    default: return line;
    }
}

// Calls `each` with every control name of the tables and its name.
template <typename Each>
void forEachName(Each each)
{
    for (std::span<const NameRow> page : kPages) {
        for (const NameRow &row : page) {
            const QString control = QString::fromLatin1(row.control);
            if (row.whose != Whose::pair) {
                if (each(control, personal(row.name, row.whose)))
                    return;
                continue;
            }
            const QString stem = control.chopped(1);
            if (each(stem + QLatin1Char('m'), personal(row.name, Whose::taxpayer)))
                return;
            if (each(stem + QLatin1Char('f'), personal(row.name, Whose::spouse)))
                return;
        }
    }
}

} // namespace

void nameForAssistiveTechnology(QWidget &window)
{
    forEachName([&window](const QString &control, const QString &name) {
        QWidget *widget = window.findChild<QWidget *>(control);
        if (widget && !qobject_cast<QLabel *>(widget))
            widget->setAccessibleName(name);
        return false;
    });
}

QString lineName(QStringView objectName)
{
    QString found;
    forEachName([&](const QString &control, const QString &name) {
        if (control != objectName)
            return false;
        found = name;
        return true;
    });
    return found;
}
