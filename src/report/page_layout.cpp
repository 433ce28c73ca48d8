// The table of the printed return's items.
#include "page_layout.h"

#include <array>
#include <cstring>

namespace report {

namespace {

constexpr int kTaxpayerColumn = 418;
constexpr int kSpouseColumn = 602;

constexpr PageItemRow frame(const char *name, int left, int top, int width, int height, int pen)
{
    return {.name = name, .kind = ItemKind::frame, .left = left, .top = top, .width = width, .height = height, .pen = pen};
}

constexpr PageItemRow across(const char *name, int top, int pen)
{
    return {.name = name, .kind = ItemKind::horizontalRule, .left = 40, .top = top, .width = 685, .height = 4, .pen = pen};
}

constexpr PageItemRow down(const char *name, int left)
{
    return {.name = name, .kind = ItemKind::verticalRule, .left = left, .top = 48, .width = 4, .height = 978, .pen = 2};
}

// A bold caption of the head or the table.
constexpr PageItemRow caption(const char *name, int left, int top, int width, int height, const char *text,
                               bool transparent = false)
{
    return {.name = name, .kind = ItemKind::caption, .left = left, .top = top, .width = width, .height = height,
            .fontHeight = kSmall, .bold = true, .transparent = transparent, .text = text};
}

// A caption of lines 19 to 28, which stand on no white.
constexpr PageItemRow clearCaption(const char *name, int top, int width, int height, const char *text)
{
    return caption(name, 62, top, width, height, text, true);
}

// A figure of the table: right-aligned in 100 x 27, before filling showing its own name.
constexpr PageItemRow amount(const char *name, int left, int top, int fontHeight = kSmall, const char *text = nullptr)
{
    return {.name = name, .kind = ItemKind::data, .left = left, .top = top, .width = 100, .height = 27,
            .align = Align::right, .fontHeight = fontHeight, .text = text ? text : name};
}

constexpr PageItemRow taxpayer(const char *name, int top) { return amount(name, kTaxpayerColumn, top); }
constexpr PageItemRow spouse(const char *name, int top) { return amount(name, kSpouseColumn, top); }

// An entry of the head: an identity number, a tax number or a name.
constexpr PageItemRow head(const char *name, int left, int top, int width, bool grows = false)
{
    return {.name = name, .kind = ItemKind::data, .left = left, .top = top, .width = width, .height = 27,
            .fontHeight = kMedium, .growsWithText = grows, .text = name};
}

// Line 28: the amount to pay, or the overpayment in parentheses, taller and on no white.
constexpr PageItemRow lineTwentyEight(const char *name, int left, const char *text)
{
    return {.name = name, .kind = ItemKind::data, .left = left, .top = 990, .width = 100, .height = 31,
            .align = Align::right, .transparent = true, .text = text};
}

constexpr std::array kItems{
    frame("QRShape1", 40, 48, 685, 978, 4),

    // Head: who the columns belong to, and their identity.
    PageItemRow{.name = "QRLabel1", .kind = ItemKind::caption, .left = 409, .top = 14, .width = 76, .height = 31,
                 .align = Align::right, .fontHeight = kLarge, .bold = true, .transparent = true,
                 .text = "ผู้มีเงินได้"},
    PageItemRow{.name = "QRLabel2", .kind = ItemKind::caption, .left = 593, .top = 14, .width = 76, .height = 31,
                 .align = Align::right, .fontHeight = kLarge, .bold = true, .text = "คู่สมรส"},
    caption("QRLabel34", 64, 54, 128, 29, "เลขบัตรประชาชน"),
    head("qid1", 382, 52, 150),
    head("qid2", 558, 52, 150),
    caption("QRLabel35", 64, 80, 144, 29, "เลขประจำตัวผู้เสียภาษี"),
    head("qidtax1", 382, 78, 150),
    head("qidtax2", 558, 78, 150),
    caption("QRLabel36", 64, 112, 128, 29, "ชื่อ-นามสกุล"),
    head("qname1", 382, 112, 47, true),
    head("qname2", 558, 112, 47, true),
    head("qsurname1", 464, 112, 65, true),
    head("qsurname2", 632, 112, 65, true),

    // Table: one row per line of the return.
    caption("QRLabel3", 62, 150, 107, 29, "1. เงินเดือน"),
    taxpayer("ch1m", 150), spouse("ch1f", 150),
    caption("QRLabel4", 62, 180, 155, 29, "2. เงินสะสม"),
    taxpayer("ch2m", 180), spouse("ch2f", 180),
    caption("QRLabel5", 62, 210, 337, 27, "3. เงินที่นายจ้างจ่ายให้ครั้งเดียวเพราะออกจากงาน"),
    taxpayer("ch3m", 210), spouse("ch3f", 210),
    caption("QRLabel6", 62, 240, 337, 27, "4. รวมเงินได้พึงประเมิน"),
    taxpayer("qtotalm1", 240), amount("qtotalf1", kSpouseColumn, 240, kSmall, "qtotalm2"),
    caption("QRLabel7", 62, 270, 203, 31, "5. ค่าใช้จ่าย"),
    taxpayer("total2m", 270), spouse("total2f", 270),
    caption("QRLabel8", 62, 300, 203, 31, "6. รวมค่าใช้จ่าย"),
    taxpayer("ctotal3m", 300), spouse("ctotal3f", 300),
    caption("QRLabel9", 62, 330, 203, 31, "7. เงินได้หลังหักค่าใช้จ่าย"),
    taxpayer("total4m", 330), spouse("total4f", 330),
    caption("QRLabel10", 62, 360, 203, 31, "8. ค่าลดหย่อน"),
    taxpayer("qm30000", 360), spouse("qf30000", 360),
    caption("QRLabel11", 62, 390, 203, 31, "9. บุตร (ไม่ศึกษา)"),
    taxpayer("qvalm5", 390), spouse("qvalf5", 390),
    caption("QRLabel16", 78, 420, 131, 31, "บุตร (กำลังศึกษา)"),
    taxpayer("qvalm6", 420), spouse("qvalf6", 420),
    caption("QRLabel15", 62, 450, 203, 31, "10. เบี้ยประกันชีวิต"),
    taxpayer("qvalm7", 450), spouse("qvalf7", 450),
    caption("QRLabel14", 62, 480, 203, 31, "11. เงินสะสม"),
    taxpayer("qvalm8", 480), spouse("qvalf8", 480),
    caption("QRLabel13", 62, 510, 203, 31, "12. ดอกเบี้ยเงินกู้ยืม"),
    taxpayer("qvalm9", 510), spouse("qvalf9", 510),
    caption("QRLabel12", 62, 540, 203, 31, "13. เงินสมทบ"),
    taxpayer("qvalm10", 540), spouse("qvalf10", 540),
    caption("QRLabel19", 62, 570, 203, 31, "14. รวมค่าลดหย่อน"),
    taxpayer("dis1m", 570), spouse("dis1f", 570),
    caption("QRLabel18", 62, 600, 291, 31, "15. คงเหลือเงินได้ก่อนหักลดหย่อนเงินบริจาค"),
    taxpayer("total5m", 600), spouse("total5f", 600),
    caption("QRLabel17", 62, 630, 203, 31, "16. เงินบริจาค"),
    taxpayer("qvalm13", 630), spouse("qvalf13", 632),
    caption("QRLabel20", 62, 660, 203, 31, "17. เงินได้สุทธิ"),
    taxpayer("total6m", 660), spouse("total6f", 660),
    caption("QRLabel21", 62, 690, 203, 31, "18. ภาษีที่คำนวณจากเงินได้สุทธิ"),
    taxpayer("total19m", 690), amount("total19f", kSpouseColumn, 690, kMedium),
    clearCaption("QRLabel22", 720, 307, 27, "19. ภาษีส่วนที่ต้องชำระเพิ่มเติม (ตามใบแนบ)"),
    taxpayer("total20m", 720), spouse("total20f", 720),
    clearCaption("QRLabel23", 750, 307, 27, "20. ภาษีส่วนที่ชำระไว้เกิน (ตามใบแนบ)"),
    taxpayer("total21m", 750), spouse("total21f", 750),
    clearCaption("QRLabel24", 780, 203, 25, "21. ภาษีเงินได้หัก ณ ที่จ่าย"),
    taxpayer("qvalm29", 780), spouse("qvalf29", 780),
    clearCaption("QRLabel25", 810, 203, 25, "22. ภาษีที่ชำระไว้แล้ว"),
    taxpayer("ch17m", 810), spouse("ch17f", 810),
    clearCaption("QRLabel26", 840, 307, 25, "23. รวมภาษีเงินได้ที่ต้องชำระเพิ่มเติม"),
    taxpayer("total22m", 840), spouse("total22f", 840),
    clearCaption("QRLabel27", 870, 299, 25, "24. รวมภาษีเงินได้ที่ชำระไว้เกิน"),
    taxpayer("total23m", 870), spouse("total23f", 870),
    clearCaption("QRLabel28", 900, 307, 25, "25. นำภาษีส่วนที่เกินของอีกฝ่ายหนึ่งมาหักกลบลบกัน"),
    taxpayer("total24m", 900), spouse("total24f", 900),
    clearCaption("QRLabel29", 930, 203, 25, "26. คงเหลือภาษีส่วนที่"),
    taxpayer("total25m", 930), spouse("total25f", 930),
    clearCaption("QRLabel30", 960, 203, 27, "27. เงินเพิ่ม"),
    taxpayer("total26m", 960), spouse("total26f", 960),
    clearCaption("QRLabel31", 992, 203, 27, "28. รวมภาษีส่วนที่"),
    lineTwentyEight("qtotalm28", kTaxpayerColumn, "qtotalm28"),
    lineTwentyEight("qtotalf28", kSpouseColumn, "qtotalm28"),

    // Rules, drawn over the text: below the head, below each row, and the columns.
    across("QRShape32", 143, 2),
    across("QRShape2", 175, 1), across("QRShape3", 205, 1), across("QRShape4", 235, 1),
    across("QRShape5", 265, 1), across("QRShape6", 295, 1), across("QRShape11", 325, 1),
    across("QRShape10", 355, 1), across("QRShape9", 385, 1), across("QRShape8", 415, 1),
    across("QRShape7", 445, 1), across("QRShape12", 475, 1), across("QRShape13", 505, 1),
    across("QRShape14", 535, 1), across("QRShape15", 565, 1), across("QRShape16", 595, 1),
    across("QRShape17", 625, 1), across("QRShape18", 655, 1), across("QRShape19", 685, 1),
    across("QRShape20", 715, 1), across("QRShape21", 745, 1), across("QRShape31", 775, 1),
    across("QRShape30", 805, 1), across("QRShape29", 835, 1), across("QRShape28", 865, 1),
    across("QRShape27", 895, 1), across("QRShape26", 925, 1), across("QRShape25", 955, 1),
    across("QRShape24", 985, 1),
    down("QRShape22", 368),
    down("QRShape23", 544),
};

} // namespace

std::span<const PageItemRow> pageLayout()
{
    return kItems;
}

const PageItemRow *findPageItem(const char *name)
{
    for (const PageItemRow &item : kItems) {
        if (std::strcmp(item.name, name) == 0)
            return &item;
    }
    return nullptr;
}

} // namespace report
