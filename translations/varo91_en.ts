<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="th">
<context>
    <name>model</name>
    <message>
        <source>จำนวนบุตรรวมกันเกิน 3 คน จะนำมาคิดแค่ 3 คนเท่านั้น</source>
        <translation>More than 3 children in all: only 3 are counted</translation>
    </message>
    <message>
        <source>จำนวนเงินที่ท่านใส่จะนำมาคำนวณเพียง 10,000 บาท เท่านั้น!!!</source>
        <translation>Only 10,000 baht of the amount you entered is counted!!!</translation>
    </message>
    <message>
        <source>ชื่อ  </source>
        <translation>Name  </translation>
    </message>
    <message>
        <source>นามสกุล  </source>
        <translation>Surname  </translation>
    </message>
    <message>
        <source>เลขประจำตัวผู้เสียภาษี  </source>
        <translation>Taxpayer number  </translation>
    </message>
    <message>
        <source>กรุณาทำการคำวณให้ครบ!!!</source>
        <translation>Please complete the computation!!!</translation>
    </message>
    <message>
        <source>กรุณาใส่ตัวเลขจำนวนเงิน  !!!</source>
        <translation>Please enter an amount  !!!</translation>
    </message>
    <message>
        <source>กรุณาใส่เฉพาะตัวเลข  !!!</source>
        <translation>Please enter digits only  !!!</translation>
    </message>
    <message>
        <source>ข้อ %1 %2</source>
        <translation>line %1 %2</translation>
    </message>
    <message>
        <source>เงินได้สุทธิ %1 ไม่มีภาษี = %2</source>
        <translation>net income %1 bears no tax = %2</translation>
    </message>
    <message>
        <source>%1 ของ %2 = %3</source>
        <translation>%1 of %2 = %3</translation>
    </message>
    <message>
        <source> รวม %1</source>
        <translation> total %1</translation>
    </message>
    <message>
        <source> ชำระเพิ่มเติม</source>
        <translation> to pay</translation>
    </message>
    <message>
        <source> ชำระไว้เกิน</source>
        <translation> overpaid</translation>
    </message>
    <message>
        <source>40 % ของ %1 = %2 สูงสุด %3</source>
        <translation>40 % of %1 = %2 at most %3</translation>
    </message>
    <message>
        <source>40 % ของ %1 = %2</source>
        <translation>40 % of %1 = %2</translation>
    </message>
    <message>
        <source>ค่าใช้จ่าย%1</source>
        <translation>expenses %1</translation>
    </message>
    <message>
        <source>ผู้มีเงินได้ %1 + คู่สมรส %2 = %3</source>
        <translation>taxpayer %1 + spouse %2 = %3</translation>
    </message>
    <message>
        <source>ผู้มีเงินได้ %1 - ค่าใช้จ่าย %2 = %3 + คู่สมรส %4 = %5</source>
        <translation>taxpayer %1 - expenses %2 = %3 + spouse %4 = %5</translation>
    </message>
    <message>
        <source> + คู่สมรส %1</source>
        <translation> + spouse %1</translation>
    </message>
    <message>
        <source> (จาก %1 หักได้สูงสุด %2)</source>
        <translation> (of %1, at most %2 deductible)</translation>
    </message>
    <message>
        <source> (บริจาค %1 หักได้ไม่เกิน 10 % ของข้อ 15)</source>
        <translation> (donations %1, deductible up to 10 % of line 15)</translation>
    </message>
    <message>
        <source>เงินเดือน %1 x %2 ปี = %3</source>
        <translation>salary %1 x %2 years = %3</translation>
    </message>
    <message>
        <source>เงินได้%1 (ไม่มีเงินได้ข้อ 5)</source>
        <translation>income %1 (no income on item 5)</translation>
    </message>
    <message>
        <source>ค่าที่น้อยกว่าระหว่าง%1 กับ%2 = %3</source>
        <translation>the lesser of %1 and %2 = %3</translation>
    </message>
    <message>
        <source>%1 ไม่น้อยกว่า%2: รวมทั้งสิ้น%3</source>
        <translation>%1 not less than %2: grand total %3</translation>
    </message>
    <message>
        <source>%1 ปี x %2 = %3</source>
        <translation>%1 years x %2 = %3</translation>
    </message>
    <message>
        <source>%1 ปี (ทำงานนานที่สุด) x %2 = %3</source>
        <translation>%1 years (longest service) x %2 = %3</translation>
    </message>
    <message>
        <source>50 % ของ%1 = %2</source>
        <translation>50 % of %1 = %2</translation>
    </message>
    <message>
        <source>ค่าใช้จ่ายรวมข้อ 13 ของวิธีคำนวณค่าใช้จ่าย %1</source>
        <translation>total expenses, line 13 of the expense computation %1</translation>
    </message>
    <message>
        <source>%1 ไม่น้อยกว่า%2: ไม่มีภาษีต้องชำระเพิ่มเติม</source>
        <translation>%1 not less than %2: no tax to pay</translation>
    </message>
    <message>
        <source>%1 ไม่เกิน%2: ไม่มีภาษีชำระไว้เกิน</source>
        <translation>%1 not more than %2: no tax overpaid</translation>
    </message>
    <message>
        <source>ภาษีของเงินได้สุทธิข้อ 17 %1: %2</source>
        <translation>tax on the net income of line 17 %1: %2</translation>
    </message>
    <message>
        <source>ข้อ 6 ในใบแนบ %1</source>
        <translation>line 6 of the attachment %1</translation>
    </message>
    <message>
        <source>ข้อ 7 ในใบแนบ %1</source>
        <translation>line 7 of the attachment %1</translation>
    </message>
    <message>
        <source>ข้อ 6 ในใบแนบ ผู้มีเงินได้ %1 + คู่สมรส %2 หักกลบกับข้อ 7 ในใบแนบ ผู้มีเงินได้ %3 + คู่สมรส %4</source>
        <translation>line 6 of the attachment, taxpayer %1 + spouse %2, set off against line 7 of the attachment, taxpayer %3 + spouse %4</translation>
    </message>
    <message>
        <source>%1: ต้องชำระเพิ่มเติม %2</source>
        <translation>%1: to pay %2</translation>
    </message>
    <message>
        <source>%1: ชำระไว้เกิน %2</source>
        <translation>%1: overpaid %2</translation>
    </message>
    <message>
        <source>%1 + %2 - %3 = %4, เครดิต%5 + %6 = %7</source>
        <translation>%1 + %2 - %3 = %4, credits %5 + %6 = %7</translation>
    </message>
    <message>
        <source>%1: ไม่มีภาษีต้องชำระเพิ่มเติม</source>
        <translation>%1: no tax to pay</translation>
    </message>
    <message>
        <source>%1: ไม่มีภาษีชำระไว้เกิน</source>
        <translation>%1: no tax overpaid</translation>
    </message>
    <message>
        <source>%1 ชำระเพิ่มเติม</source>
        <translation>%1 to pay</translation>
    </message>
    <message>
        <source>%1 ชำระไว้เกิน</source>
        <translation>%1 overpaid</translation>
    </message>
    <message>
        <source>ข้อ 23 และข้อ 24 เป็น 0: ไม่มีภาษีต้องชำระหรือชำระไว้เกิน</source>
        <translation>lines 23 and 24 are 0: no tax to pay or overpaid</translation>
    </message>
    <message>
        <source>ไม่มีการหักกลบ: ไม่มีฝ่ายใดชำระไว้เกินขณะที่อีกฝ่ายต้องชำระเพิ่มเติม</source>
        <translation>no set-off: neither person overpaid while the other has tax to pay</translation>
    </message>
    <message>
        <source>ภาษีที่คู่สมรสชำระไว้เกิน %1 หักกลบกับภาษีที่ผู้มีเงินได้ต้องชำระเพิ่มเติม %2: หักกลบได้ %3</source>
        <translation>tax overpaid by the spouse %1 set off against the taxpayer&apos;s tax to pay %2: set off %3</translation>
    </message>
    <message>
        <source>ภาษีที่ผู้มีเงินได้ชำระไว้เกิน %1 หักกลบกับภาษีที่คู่สมรสต้องชำระเพิ่มเติม %2: หักกลบได้ %3</source>
        <translation>tax overpaid by the taxpayer %1 set off against the spouse&apos;s tax to pay %2: set off %3</translation>
    </message>
    <message>
        <source>ไม่มีภาษีต้องชำระหรือชำระไว้เกิน = %1</source>
        <translation>no tax to pay or overpaid = %1</translation>
    </message>
    <message>
        <source>%1 - ข้อ 25 %2 = %3%4</source>
        <translation>%1 - line 25 %2 = %3%4</translation>
    </message>
    <message>
        <source>%1 ไม่มีการหักกลบ = %2%3</source>
        <translation>%1 no set-off = %2%3</translation>
    </message>
    <message>
        <source>%1 + ข้อ 27 %2 = %3%4</source>
        <translation>%1 + line 27 %2 = %3%4</translation>
    </message>
    <message>
        <source>เงินเพิ่มไม่ได้คำนวณในโปรแกรมนี้ = %1</source>
        <translation>surcharge is not computed by this program = %1</translation>
    </message>
    <message>
        <source>ใช้เฉพาะเมื่อคู่สมรสมีเงินได้แยกคำนวณภาษีและยื่นแบบฉบับเดียวกัน</source>
        <translation>used only when the spouse has income taxed separately on the same return</translation>
    </message>
    <message>
        <source>จำนวนเงินที่ขอคืนตามข้อ 28 %1</source>
        <translation>refund requested, line 28 %1</translation>
    </message>
</context>
<context>
    <name>ui</name>
    <message>
        <source>17. เงินได้สุทธิ</source>
        <translation>17. Net income</translation>
    </message>
    <message>
        <source>ผู้มีเงินได้ (30,000 บาท)</source>
        <translation>Taxpayer (30,000 baht)</translation>
    </message>
    <message>
        <source>คู่สมรส (30,000 บาท กรณีไม่มีเงินได้หรือรวมคำนวณภาษี)</source>
        <translation>Spouse (30,000 baht, without income or taxed jointly)</translation>
    </message>
    <message>
        <source>คน</source>
        <translation>ppl</translation>
    </message>
    <message>
        <source>14. รวมค่าลดหย่อน</source>
        <translation>14. Total allowances</translation>
    </message>
    <message>
        <source>15. คงเหลือเงินได้ก่อนหักลดหย่อนเงินบริจาค</source>
        <translation>15. Income left before the donation allowance</translation>
    </message>
    <message>
        <source>ฉบับ)</source>
        <translation>pcs)</translation>
    </message>
    <message>
        <source>บาท</source>
        <translation>baht</translation>
    </message>
    <message>
        <source>ใบแนบแบบแสดงรยการ VARO 91</source>
        <translation>Attachment to return VARO 91</translation>
    </message>
    <message>
        <source>การคำนวณเงินได้ที่นายจ้างจ่ายให้ครั้งเดียวเพราะเหตุออกจากงานเฉพาะที่เลือกเสียภาษีโดยไม่นำมารวมคำนวณกับเงินได้อื่นๆ</source>
        <translation>Computation of one-time payments on leaving employment, taxed separately from other income</translation>
    </message>
    <message>
        <source>กด Enter เพื่อกรอกหน้าต่อไป</source>
        <translation>Press Enter to go on to the next page</translation>
    </message>
    <message>
        <source>1. ชื่อนายจ้าง</source>
        <translation>1. Employer&apos;s name</translation>
    </message>
    <message>
        <source>จำนวนปี ที่ทำงาน</source>
        <translation>Years of work</translation>
    </message>
    <message>
        <source>นายจ้างรายที่ </source>
        <translation>Employer </translation>
    </message>
    <message>
        <source>รายการเงินได้ที่นายจ้างจ่ายให้ครั้งเดียว ฯ</source>
        <translation>One-time payments from the employer</translation>
    </message>
    <message>
        <source>กรณีได้รับจากนายจ้างต่างรายกัน ให้รวมเงินได้เข้าด้วยกัน</source>
        <translation>Payments from several employers are added together</translation>
    </message>
    <message>
        <source>จำนวนเงินได้</source>
        <translation>Income</translation>
    </message>
    <message>
        <source>ผู้มีเงินได้</source>
        <translation>Taxpayer</translation>
    </message>
    <message>
        <source>คู่สมรส</source>
        <translation>Spouse</translation>
    </message>
    <message>
        <source>วิธีการคำนวณค่าใช้จ่าย</source>
        <translation>Expense computation</translation>
    </message>
    <message>
        <source>กรุณาทำการควณภาษีให้เสร็จก่อน  !!!</source>
        <translation>Please finish the tax computation first  !!!</translation>
    </message>
    <message>
        <source>พิมพ์รายงาน การเสียภาษี</source>
        <translation>Print the tax return</translation>
    </message>
    <message>
        <source>ปิดโปรแกรม</source>
        <translation>Close the program</translation>
    </message>
    <message>
        <source>วิธีคำนวณค่าใช้จ่ายของเงินได้พึงประเมินที่นายจ่ายให้ครั้งเดียวเพราะเหตุออกจากงาน</source>
        <translation>Expenses of a one-time payment from the employer on leaving employment</translation>
    </message>
    <message>
        <source>8. เงินเดือนรับจากนายจ้าง</source>
        <translation>8. Salary from the employer</translation>
    </message>
    <message>
        <source>เดือนสุดท้าย</source>
        <translation>Last month</translation>
    </message>
    <message>
        <source>(กรณีมีเงินเดือนเท่ากันตลอดปีภาษี) หรือ</source>
        <translation>(same salary all tax year) or</translation>
    </message>
    <message>
        <source>เฉลี่ย 12 เดือนสุดท้าย</source>
        <translation>12-month average</translation>
    </message>
    <message>
        <source> + ร้อยละ 10 ของเงินเดือนถัวเฉลี่ย</source>
        <translation> + 10 % of the average salary</translation>
    </message>
    <message>
        <source>ปี</source>
        <translation>yrs</translation>
    </message>
    <message>
        <source>(จำนวนปีที่ทำงาน)</source>
        <translation>(years of work)</translation>
    </message>
    <message>
        <source>7,000 หรือ</source>
        <translation>7,000 or</translation>
    </message>
    <message>
        <source>การคำนวณภาษี</source>
        <translation>Tax computation</translation>
    </message>
    <message>
        <source>เกี่ยวกับผู้เขียน</source>
        <translation>About the author</translation>
    </message>
    <message>
        <source>บริการคำนวณ VARO. 91</source>
        <translation>VARO. 91 Tax Calculator</translation>
    </message>
    <message>
        <source>บริการคำนวณภาษี VARO. 91</source>
        <translation>VARO. 91 tax calculation service</translation>
    </message>
    <message>
        <source>เริ่มโปรแกรม</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>เข้าสู่โปรแกรมบริการคำนวณภาษี</source>
        <translation>Start the tax calculation service</translation>
    </message>
    <message>
        <source>ออกจากโปรแกรม</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>ออกจากโปรแกรมบริการคำนวณภาษี</source>
        <translation>Leave the tax calculation service</translation>
    </message>
    <message>
        <source>จำนวนคนที่ใช้โปรแกรม</source>
        <translation>Number of users</translation>
    </message>
    <message>
        <source>จำนวนผู้เข้ารับบริการคำนวณภาษี</source>
        <translation>People served</translation>
    </message>
    <message>
        <source>    ปัจจุบัน :</source>
        <translation>    So far :</translation>
    </message>
    <message>
        <source>ศูนย์บริการคำนวณภาษี</source>
        <translation>Tax Calculation Centre</translation>
    </message>
    <message>
        <source>เงินได้บุคคลธรรมดา</source>
        <translation>Personal Income</translation>
    </message>
    <message>
        <source>กลับสู่หน้าจอหลัก</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>ออกใบเสร็จ</source>
        <translation>Printed return</translation>
    </message>
    <message>
        <source>พิมพ์</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>ปิด</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&amp;พิมพ์</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;ออก</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>บันทึกเป็น PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>บันทึกแฟ้ม %1 ไม่ได้ !!!</source>
        <translation>Cannot save the file %1 !!!</translation>
    </message>
    <message>
        <source>หน้าต่อไป</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>1. เงินเดือน ค่าจ้าง บำนาญ</source>
        <translation>1. Salary, wages, pension</translation>
    </message>
    <message>
        <source>2. เงินสะสมกองทุนสำรองเลี้ยงชีพ</source>
        <translation>2. Provident fund contributions</translation>
    </message>
    <message>
        <source>3. เงินที่นายจ้างจ่ายให้ครั้งเดียวเพราะเหตุออกจากงาน</source>
        <translation>3. One-time payment on leaving employment</translation>
    </message>
    <message>
        <source>4. รวมเงินได้พึงประเมิน</source>
        <translation>4. Total assessable income</translation>
    </message>
    <message>
        <source>5. ค่าใช้จ่าย</source>
        <translation>5. Expenses</translation>
    </message>
    <message>
        <source>5. ค่าใช้จ่ายร้อยละ 40</source>
        <translation>5. Expenses of 40 %</translation>
    </message>
    <message>
        <source>6. รวมค่าใช้จ่าย</source>
        <translation>6. Total expenses</translation>
    </message>
    <message>
        <source>7. เงินได้หลังหักค่าใช้จ่าย</source>
        <translation>7. Income after expenses</translation>
    </message>
    <message>
        <source>8. ลดหย่อนผู้มีเงินได้ 30,000 บาท</source>
        <translation>8. Taxpayer&apos;s allowance 30,000 baht</translation>
    </message>
    <message>
        <source>8. ลดหย่อนคู่สมรส 30,000 บาท</source>
        <translation>8. Spouse&apos;s allowance 30,000 baht</translation>
    </message>
    <message>
        <source>9. จำนวนบุตรคนละ 15,000 หรือ 7,500 บาท</source>
        <translation>9. Children at 15,000 or 7,500 baht each</translation>
    </message>
    <message>
        <source>9. จำนวนบุตรคนละ 17,000 หรือ 8,500 บาท</source>
        <translation>9. Children at 17,000 or 8,500 baht each</translation>
    </message>
    <message>
        <source>10. จำนวนใบเสร็จเบี้ยประกันชีวิต</source>
        <translation>10. Number of life insurance receipts</translation>
    </message>
    <message>
        <source>10. เบี้ยประกันชีวิต</source>
        <translation>10. Life insurance premiums</translation>
    </message>
    <message>
        <source>11. จำนวนหลักฐานเงินสะสมกองทุนสำรองเลี้ยงชีพ</source>
        <translation>11. Number of provident fund statements</translation>
    </message>
    <message>
        <source>11. เงินสะสมกองทุนสำรองเลี้ยงชีพ</source>
        <translation>11. Provident fund contributions</translation>
    </message>
    <message>
        <source>12. จำนวนหนังสือรับรองดอกเบี้ยเงินกู้ยืม</source>
        <translation>12. Number of loan interest certificates</translation>
    </message>
    <message>
        <source>12. ดอกเบี้ยเงินกู้ยืมเพื่อที่อยู่อาศัย</source>
        <translation>12. Housing loan interest</translation>
    </message>
    <message>
        <source>13. จำนวนหลักฐานเงินสมทบกองทุนประกันสังคม</source>
        <translation>13. Number of social security statements</translation>
    </message>
    <message>
        <source>13. เงินสมทบกองทุนประกันสังคม</source>
        <translation>13. Social security contributions</translation>
    </message>
    <message>
        <source>16. จำนวนใบเสร็จเงินบริจาค</source>
        <translation>16. Number of donation receipts</translation>
    </message>
    <message>
        <source>16. เงินบริจาค</source>
        <translation>16. Donations</translation>
    </message>
    <message>
        <source>ใบแนบ</source>
        <translation>Attachment</translation>
    </message>
    <message>
        <source>ใบแนบ 1. ชื่อนายจ้างรายที่ 1</source>
        <translation>Attachment 1. Name of employer 1</translation>
    </message>
    <message>
        <source>ใบแนบ 1. ชื่อนายจ้างรายที่ 2</source>
        <translation>Attachment 1. Name of employer 2</translation>
    </message>
    <message>
        <source>ใบแนบ 1. ชื่อนายจ้างรายที่ 3</source>
        <translation>Attachment 1. Name of employer 3</translation>
    </message>
    <message>
        <source>ใบแนบ 1. ชื่อนายจ้างรายที่ 4</source>
        <translation>Attachment 1. Name of employer 4</translation>
    </message>
    <message>
        <source>ใบแนบ 1. จำนวนปีที่ทำงานกับนายจ้างรายที่ 1</source>
        <translation>Attachment 1. Years of work with employer 1</translation>
    </message>
    <message>
        <source>ใบแนบ 1. จำนวนปีที่ทำงานกับนายจ้างรายที่ 2</source>
        <translation>Attachment 1. Years of work with employer 2</translation>
    </message>
    <message>
        <source>ใบแนบ 1. จำนวนปีที่ทำงานกับนายจ้างรายที่ 3</source>
        <translation>Attachment 1. Years of work with employer 3</translation>
    </message>
    <message>
        <source>ใบแนบ 1. จำนวนปีที่ทำงานกับนายจ้างรายที่ 4</source>
        <translation>Attachment 1. Years of work with employer 4</translation>
    </message>
    <message>
        <source>ใบแนบ เงินได้ 1. เงินบำเหน็จข้าราชการ</source>
        <translation>Attachment income 1. Civil servant&apos;s gratuity</translation>
    </message>
    <message>
        <source>ใบแนบ เงินได้ 2. เงินจากกองทุนสำรองเลี้ยงชีพหรือ กบข.</source>
        <translation>Attachment income 2. Provident fund or GPF payment</translation>
    </message>
    <message>
        <source>ใบแนบ เงินได้ 3. เงินชดเชยตามกฎหมายแรงงาน</source>
        <translation>Attachment income 3. Statutory severance pay</translation>
    </message>
    <message>
        <source>ใบแนบ เงินได้ 4. รวม</source>
        <translation>Attachment income 4. Total</translation>
    </message>
    <message>
        <source>ใบแนบ เงินได้ 5. เงินได้ที่มีวิธีคำนวณแตกต่างไปจาก 1</source>
        <translation>Attachment income 5. Income computed otherwise than item 1</translation>
    </message>
    <message>
        <source>ใบแนบ เงินได้ 6. รวมทั้งสิ้น</source>
        <translation>Attachment income 6. Grand total</translation>
    </message>
    <message>
        <source>ใบแนบ 2. หักค่าใช้จ่าย</source>
        <translation>Attachment 2. Less expenses</translation>
    </message>
    <message>
        <source>ใบแนบ 3. คงเหลือเงินได้สุทธิ</source>
        <translation>Attachment 3. Net income</translation>
    </message>
    <message>
        <source>ใบแนบ 4. ภาษีที่คำนวณได้</source>
        <translation>Attachment 4. Tax computed</translation>
    </message>
    <message>
        <source>ใบแนบ 5. จำนวนหนังสือรับรองการหักภาษี ณ ที่จ่าย</source>
        <translation>Attachment 5. Number of withholding tax certificates</translation>
    </message>
    <message>
        <source>ใบแนบ 5. ภาษีเงินได้หัก ณ ที่จ่าย</source>
        <translation>Attachment 5. Tax withheld</translation>
    </message>
    <message>
        <source>ใบแนบ 6. ภาษีส่วนที่ต้องชำระเพิ่มเติม</source>
        <translation>Attachment 6. Tax to pay</translation>
    </message>
    <message>
        <source>ใบแนบ 7. ภาษีส่วนที่ชำระไว้เกิน</source>
        <translation>Attachment 7. Tax overpaid</translation>
    </message>
    <message>
        <source>8. เงินเดือนเดือนสุดท้าย</source>
        <translation>8. Salary of the last month</translation>
    </message>
    <message>
        <source>8. เงินเดือนเฉลี่ย 12 เดือนสุดท้าย</source>
        <translation>8. Average salary of the last 12 months</translation>
    </message>
    <message>
        <source>8. จำนวนปีที่ทำงาน</source>
        <translation>8. Years of work</translation>
    </message>
    <message>
        <source>8. เงินเดือนคูณจำนวนปีที่ทำงาน</source>
        <translation>8. Salary times years of work</translation>
    </message>
    <message>
        <source>9. จำนวนเงินที่ถือเป็นฐานเพื่อคำนวณหาค่าใช้จ่าย</source>
        <translation>9. Base for computing the expenses</translation>
    </message>
    <message>
        <source>10. ค่าใช้จ่ายส่วนแรกปีละ 7,000 บาท</source>
        <translation>10. First expenses, 7,000 baht a year</translation>
    </message>
    <message>
        <source>10. ค่าใช้จ่ายส่วนแรกปีละ 3,500 บาท</source>
        <translation>10. First expenses, 3,500 baht a year</translation>
    </message>
    <message>
        <source>10. จำนวนปีที่ทำงานของค่าใช้จ่ายส่วนแรก</source>
        <translation>10. Years of work for the first expenses</translation>
    </message>
    <message>
        <source>10. ค่าใช้จ่ายส่วนแรก</source>
        <translation>10. First expenses</translation>
    </message>
    <message>
        <source>11. คงเหลือ</source>
        <translation>11. Remainder</translation>
    </message>
    <message>
        <source>12. ค่าใช้จ่ายส่วนที่ 2 ร้อยละ 50 ของ 11.</source>
        <translation>12. Second expenses, 50 % of 11.</translation>
    </message>
    <message>
        <source>13. รวมค่าใช้จ่ายที่หักได้ทั้งหมด</source>
        <translation>13. Total deductible expenses</translation>
    </message>
    <message>
        <source>18. ภาษีที่คำนวณจากเงินได้สุทธิ</source>
        <translation>18. Tax on net income</translation>
    </message>
    <message>
        <source>19. ภาษีส่วนที่ต้องชำระเพิ่มเติมตาม 6 ในใบแนบ</source>
        <translation>19. Tax to pay, line 6 of the attachment</translation>
    </message>
    <message>
        <source>20. ภาษีส่วนที่ชำระไว้เกินตาม 7 ในใบแนบ</source>
        <translation>20. Tax overpaid, line 7 of the attachment</translation>
    </message>
    <message>
        <source>21. จำนวนหนังสือรับรองการหักภาษี ณ ที่จ่าย</source>
        <translation>21. Number of withholding tax certificates</translation>
    </message>
    <message>
        <source>21. ภาษีเงินได้หัก ณ ที่จ่าย</source>
        <translation>21. Tax withheld</translation>
    </message>
    <message>
        <source>22. ภาษีที่ชำระไว้แล้ว กรณียื่นเพิ่มเติม</source>
        <translation>22. Tax already paid, supplementary return</translation>
    </message>
    <message>
        <source>23. รวมภาษีเงินได้ที่ต้องชำระเพิ่มเติม</source>
        <translation>23. Total tax to pay</translation>
    </message>
    <message>
        <source>24. รวมภาษีเงินได้ที่ชำระไว้เกิน</source>
        <translation>24. Total tax overpaid</translation>
    </message>
    <message>
        <source>25. ภาษีส่วนที่เกินของอีกฝ่ายหนึ่งที่หักกลบ</source>
        <translation>25. The other person&apos;s overpayment set off</translation>
    </message>
    <message>
        <source>26. คงเหลือภาษี</source>
        <translation>26. Tax remaining</translation>
    </message>
    <message>
        <source>26. คงเหลือภาษีส่วนที่ชำระเพิ่มเติม</source>
        <translation>26. Tax remaining to pay</translation>
    </message>
    <message>
        <source>26. คงเหลือภาษีส่วนที่ชำระไว้เกิน</source>
        <translation>26. Tax remaining overpaid</translation>
    </message>
    <message>
        <source>27. เงินเพิ่ม</source>
        <translation>27. Surcharge</translation>
    </message>
    <message>
        <source>28. รวมภาษี</source>
        <translation>28. Total tax</translation>
    </message>
    <message>
        <source>28. รวมภาษีส่วนที่ชำระเพิ่มเติม</source>
        <translation>28. Total tax to pay</translation>
    </message>
    <message>
        <source>28. รวมภาษีส่วนที่ชำระไว้เกิน</source>
        <translation>28. Total tax overpaid</translation>
    </message>
    <message>
        <source>เงินภาษีที่ขอคืน</source>
        <translation>Tax refund requested</translation>
    </message>
    <message>
        <source>ขอคืน (1) เป็นเงินสด</source>
        <translation>Refund (1) in cash</translation>
    </message>
    <message>
        <source>ขอคืน (2) นำเข้าบัญชีเงินฝาก</source>
        <translation>Refund (2) into a bank account</translation>
    </message>
    <message>
        <source>รหัสธนาคาร</source>
        <translation>Bank code</translation>
    </message>
    <message>
        <source>บัญชีประเภทกระแสรายวัน</source>
        <translation>Current account</translation>
    </message>
    <message>
        <source>บัญชีประเภทออมทรัพย์</source>
        <translation>Savings account</translation>
    </message>
    <message>
        <source>เลขที่บัญชี</source>
        <translation>Account number</translation>
    </message>
    <message>
        <source>9. บุตรคนละ 15,000 หรือ 7,500 จำนวน</source>
        <translation>9. Children, 15,000 or 7,500 each:</translation>
    </message>
    <message>
        <source>(กรณีแยกคำนวณภาษีให้หักคนละ 7,500 บาท)</source>
        <translation>(taxed separately: 7,500 baht each)</translation>
    </message>
    <message>
        <source>บุตรคนละ 17,000 หรือ 8,500 จำนวน</source>
        <translation>Children, 17,000 or 8,500 each:</translation>
    </message>
    <message>
        <source>(กรณีแยกคำนวณภาษีให้หักคนละ 8,500 บาท)</source>
        <translation>(taxed separately: 8,500 baht each)</translation>
    </message>
    <message>
        <source>10. เบี้ยประกันชีวิต (ตามใบเสร็จ/สำเนาใบเสร็จที่แนบ</source>
        <translation>10. Life insurance premiums (receipts or copies attached:</translation>
    </message>
    <message>
        <source>11. เงินสะสม ที่จ่ายเข้ากองทุนสำรองเลี้ยงชีพ (ตามหลักฐาน/สำเนาหลักฐานที่แนบ</source>
        <translation>11. Provident fund contributions (statements or copies attached:</translation>
    </message>
    <message>
        <source>12. ดอกเบี้ยเงินกู้ยืม เพื่อซื้อ เช่าซื้อ หรือสร้างอาคารฯ</source>
        <translation>12. Interest on a loan to buy, hire-purchase or build a home</translation>
    </message>
    <message>
        <source>(ตามหนังสือรับรองฯ และภาพถ่ายทะเบียนบ้านที่กู้ที่แนบ</source>
        <translation>(certificates and house registration copies attached:</translation>
    </message>
    <message>
        <source>13. เงินสมทบ ที่ผู้ประกันตนจ่ายเข้ากองทุนประกันสังคม (ตามหลักฐาน/สำเนาฐานที่แนบ</source>
        <translation>13. Social security contributions (statements or copies attached:</translation>
    </message>
    <message>
        <source>16. เงินบริจาค (ตามใบเสร็จ/สำเนาใบเสร็จที่แนบ</source>
        <translation>16. Donations (receipts or copies attached:</translation>
    </message>
    <message>
        <source>ค่าลดหย่อน</source>
        <translation>Allowances</translation>
    </message>
    <message>
        <source>1. เงินบำเหน็จฯ ข้าราชการ</source>
        <translation>1. Civil servant&apos;s gratuity</translation>
    </message>
    <message>
        <source>2. เงินที่จ่ายจากกองทุนสำรองเลี้ยงชีพ หรือ กองทุนบำเหน็จบำนาญข้าราชการ(กบข.)</source>
        <translation>2. Payment from a provident fund or the Government Pension Fund (GPF)</translation>
    </message>
    <message>
        <source>3. เงินชดเชยตามกฏหมายแรงงาน</source>
        <translation>3. Statutory severance pay</translation>
    </message>
    <message>
        <source>4. รวม</source>
        <translation>4. Total</translation>
    </message>
    <message>
        <source>5. เงินได้ฯ ที่มีวิธีคำนวณ แตกต่างไปจาก 1</source>
        <translation>5. Income computed otherwise than item 1</translation>
    </message>
    <message>
        <source>6. รวมทั้งสิ้น</source>
        <translation>6. Grand total</translation>
    </message>
    <message>
        <source>2. หักค่าใช้จ่าย</source>
        <translation>2. Less expenses</translation>
    </message>
    <message>
        <source>3. คงเหลือเงินได้สุทธิ</source>
        <translation>3. Net income</translation>
    </message>
    <message>
        <source>4. ภาษีที่คำนวณได้</source>
        <translation>4. Tax computed</translation>
    </message>
    <message>
        <source>5. ภาษีเงินได้หัก ณ. ที่จ่าย (ตามหนังสือรับรองฯ ที่แนบ            ฉบับ)</source>
        <translation>5. Tax withheld (certificates attached:            copies)</translation>
    </message>
    <message>
        <source>6. ภาษีส่วนที่ต้องชำระเพิ่มเติม</source>
        <translation>6. Tax to pay</translation>
    </message>
    <message>
        <source>7. ภาษีส่วนที่ชำระไว้เกิน</source>
        <translation>7. Tax overpaid</translation>
    </message>
    <message>
        <source>ผู้มีเงินได้ : </source>
        <translation>Taxpayer : </translation>
    </message>
    <message>
        <source>คู่สมรส : </source>
        <translation>Spouse : </translation>
    </message>
    <message>
        <source>ค่าใช้จ่าย</source>
        <translation>Expenses</translation>
    </message>
    <message>
        <source>(ร้อยละ 40 แต่ไม่เกิน 60,000 บาท)</source>
        <translation>(40 %, at most 60,000 baht)</translation>
    </message>
    <message>
        <source>เงินได้พึงประเมิน</source>
        <translation>Assessable income</translation>
    </message>
    <message>
        <source>คำร้องขอคืนเงินภาษี</source>
        <translation>Refund request</translation>
    </message>
    <message>
        <source>กรณีผู้ใช้เป็นชาวต่างชาติ</source>
        <translation>Foreign user</translation>
    </message>
    <message>
        <source>1. เงินเดือน ค่าจ้าง บำนาญ ภาษีที่นายจ้างออกให้ ฯลฯ</source>
        <translation>1. Salary, wages, pension, tax paid by the employer etc.</translation>
    </message>
    <message>
        <source>2. เงินสะสมที่จ่ายเข้ากองทุนสำรองเลี้ยงชีพ </source>
        <translation>2. Provident fund contributions </translation>
    </message>
    <message>
        <source>(เฉพาะส่วนที่เกิน 10,000 บาท แต่ไม่เกิน 290,000 บาท) หรือ กองทุน กบข.</source>
        <translation>(only the part above 10,000 baht, at most 290,000 baht) or GPF</translation>
    </message>
    <message>
        <source>(เฉพาะที่เลือกนำมารวมคำนวณภาษีกับเงินได้ตาม 1 )</source>
        <translation>(only where taxed together with the income of 1 )</translation>
    </message>
    <message>
        <source>เงินได้พึงประเมิน : ผู้มีเงินได้</source>
        <translation>Assessable income : Taxpayer</translation>
    </message>
    <message>
        <source>เงินได้พึงประเมิน : คู่สมรส</source>
        <translation>Assessable income : Spouse</translation>
    </message>
    <message>
        <source>4. รวมเงินได้พึงประเมิน : </source>
        <translation>4. Total assessable income : </translation>
    </message>
    <message>
        <source>บัตรประจำตัวประชาชน</source>
        <translation>Citizen ID</translation>
    </message>
    <message>
        <source>เลขประจำตัวผู้เสียภาษีอากร</source>
        <translation>Taxpayer number</translation>
    </message>
    <message>
        <source>ชื่อ</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>ชื่อสกุล</source>
        <translation>Surname</translation>
    </message>
    <message>
        <source>เลขที่</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>ตรอก/ซอย</source>
        <translation>Lane/Soi</translation>
    </message>
    <message>
        <source>หมู่ที่</source>
        <translation>Moo</translation>
    </message>
    <message>
        <source>ถนน</source>
        <translation>Road</translation>
    </message>
    <message>
        <source>ตำบล/แขวง</source>
        <translation>Subdistrict</translation>
    </message>
    <message>
        <source>อำเภอ/เขต</source>
        <translation>District</translation>
    </message>
    <message>
        <source>จังหวัด</source>
        <translation>Province</translation>
    </message>
    <message>
        <source>ที่บ้าน</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>ที่ทำงาน</source>
        <translation>Work</translation>
    </message>
    <message>
        <source>รหัสไปรษณีย์</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>ที่อยู่ :</source>
        <translation>Address :</translation>
    </message>
    <message>
        <source>โทรศัพท์ :</source>
        <translation>Telephone :</translation>
    </message>
    <message>
        <source>นายสมชาย</source>
        <translation>Mr. Somchai</translation>
    </message>
    <message>
        <source>ใจดี</source>
        <translation>Jaidee</translation>
    </message>
    <message>
        <source>นางสมศรี</source>
        <translation>Mrs. Somsri</translation>
    </message>
    <message>
        <source>กรุณากรอกข้อมูลให้ครบ !!!</source>
        <translation>Please fill in every field !!!</translation>
    </message>
    <message>
        <source>โสด</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>หม้าย</source>
        <translation>Widowed</translation>
    </message>
    <message>
        <source>คู่สมรสไม่มีเงินได้</source>
        <translation>Spouse without income</translation>
    </message>
    <message>
        <source>คู่สมรสมีเงินได้แต่ สมรส หย่า หรือตายระหว่างปีภาษี</source>
        <translation>Spouse with income, wed/divorced/died in year</translation>
    </message>
    <message>
        <source>คู่สมรสมีเงินได้รวมคำนวณภาษี</source>
        <translation>Spouse with income, taxed jointly</translation>
    </message>
    <message>
        <source>คู่สมรสมีเงินได้แยกคำนวณภาษี ยื่นแบบฉบับเดียวกัน</source>
        <translation>Spouse with income, taxed separately, one return</translation>
    </message>
    <message>
        <source>คู่สมรสมีเงินได้แยกคำนวณภาษี แยกยื่นแบบ</source>
        <translation>Spouse with income, taxed separately, own returns</translation>
    </message>
    <message>
        <source>กรอกประวัติ</source>
        <translation>Personal data</translation>
    </message>
    <message>
        <source>(ให้ระบุให้ชัดเจนว่าเป็น นาย นาง นางสาว หรือยศ)</source>
        <translation>(state clearly Mr., Mrs., Miss or the rank)</translation>
    </message>
    <message>
        <source>สถานะ</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>กรุณาใส่บัตรประจำตัวประชาชนให้ถูกต้อง !!!</source>
        <translation>Please enter a valid citizen ID !!!</translation>
    </message>
    <message>
        <source>กรุณาใส่เลขประจำตัวผู้เสียภาษีให้ถูกต้อง !!!</source>
        <translation>Please enter a valid taxpayer number !!!</translation>
    </message>
    <message>
        <source>ต้องการกรอกใบแนบ</source>
        <translation>Fill in the attachment?</translation>
    </message>
    <message>
        <source>ใช่</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>ไม่</source>
        <translation>No</translation>
    </message>
    <message>
        <source>เป็นจำนวนเงิน</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>(1) เป็นเงินสด</source>
        <translation>(1) In cash</translation>
    </message>
    <message>
        <source>(2) ให้นำเข้าบัญชีเงินฝากของข้าพเจ้า</source>
        <translation>(2) Into my bank account</translation>
    </message>
    <message>
        <source>บัญชีประเภท</source>
        <translation>Account type</translation>
    </message>
    <message>
        <source>กระแสรายวัน</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>ออมทรัพย์</source>
        <translation>Savings</translation>
    </message>
    <message>
        <source>9. จำนวนเงินที่ถือเป็นฐาน</source>
        <translation>9. Base amount</translation>
    </message>
    <message>
        <source>เพื่อคำนวณหาค่าใช้จ่าย</source>
        <translation>for computing the expenses</translation>
    </message>
    <message>
        <source>11. คงเหลือ (9. - 10.)</source>
        <translation>11. Remainder (9. - 10.)</translation>
    </message>
    <message>
        <source>12. ค่าใช้จ่าย ส่วนที่ 2 ร้อยละ 50 ของ 11.</source>
        <translation>12. Second expenses, 50 % of 11.</translation>
    </message>
    <message>
        <source>13. รวม ค่าใช้จ่ายที่หักได้ทั้งหมด (10.+12.)</source>
        <translation>13. Total deductible expenses (10.+12.)</translation>
    </message>
    <message>
        <source>(ยกไปกรอกใน 2.)</source>
        <translation>(carried to 2.)</translation>
    </message>
    <message>
        <source>19. ภาษีส่วนที่ต้องชำระเพิ่มเติม ตาม 6 ในใบแนบ</source>
        <translation>19. Tax to pay, line 6 of the attachment</translation>
    </message>
    <message>
        <source>20. ภาษีส่วนที่ชำระไว้เกิน ตาม 7 ในใบแนบ</source>
        <translation>20. Tax overpaid, line 7 of the attachment</translation>
    </message>
    <message>
        <source>21. ภาษีเงินได้หัก ณ ที่จ่าย สำหรับเงินตาม 1 และ 2 (ตามหนังสือรับรองฯ ที่แนบ          ฉบับ)</source>
        <translation>21. Tax withheld on 1 and 2 (certificates attached:          copies)</translation>
    </message>
    <message>
        <source>21. ภาษีเงินได้หัก ณ ที่จ่าย สำหรับเงินตาม 1 และ 2 (ตามหนังสือรับรองฯ ที่แนบ         ฉบับ)</source>
        <translation>21. Tax withheld on 1 and 2 (certificates attached:         copies)</translation>
    </message>
    <message>
        <source>22. ภาษีที่ชำระไว้แล้ว ตามแบบ VARO.91 (กรณียื่นเพิ่มเติม)</source>
        <translation>22. Tax already paid on VARO.91 (supplementary return)</translation>
    </message>
    <message>
        <source>24. รวมภาษีเงินได้ที่ต้องชำระไว้เกิน</source>
        <translation>24. Total tax overpaid</translation>
    </message>
    <message>
        <source>25. นำภาษีส่วนที่เกินของอีกฝ่ายหนึ่งมาหักกลบลบกัน</source>
        <translation>25. Set off the other person&apos;s overpayment</translation>
    </message>
    <message>
        <source>26. คงเหลือภาษีส่วนที่</source>
        <translation>26. Tax remaining</translation>
    </message>
    <message>
        <source>27. เงินเพิ่ม (ถ้ามี)</source>
        <translation>27. Surcharge (if any)</translation>
    </message>
    <message>
        <source>28. รวมภาษีส่วนที่ </source>
        <translation>28. Total tax </translation>
    </message>
    <message>
        <source>ชำระเพิ่มเติม</source>
        <translation>to pay</translation>
    </message>
    <message>
        <source>ชำระไว้เกิน</source>
        <translation>overpaid</translation>
    </message>
    <message>
        <source> ผู้มีเงินได้</source>
        <translation> taxpayer</translation>
    </message>
    <message>
        <source> คู่สมรส</source>
        <translation> spouse</translation>
    </message>
    <message>
        <source>แบบแสดงรายการภาษีเงินได้บุคคลธรรมดา ภ.ง.ด. 91</source>
        <translation>Personal Income Tax Return VARO. 91</translation>
    </message>
</context>
</TS>
