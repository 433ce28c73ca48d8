<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="th">
<context>
    <name>model</name>
    <message>
        <source>จำนวนบุตรรวมกันเกิน 3 คน จะนำมาคิดแค่ 3 คนเท่านั้น</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>จำนวนเงินที่ท่านใส่จะนำมาคำนวณเพียง 10,000 บาท เท่านั้น!!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ชื่อ  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>นามสกุล  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>เลขประจำตัวผู้เสียภาษี  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>กรุณาทำการคำวณให้ครบ!!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>กรุณาใส่ตัวเลขจำนวนเงิน  !!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>กรุณาใส่เฉพาะตัวเลข  !!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ข้อ %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>เงินได้สุทธิ %1 ไม่มีภาษี = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ของ %2 = %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> รวม %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ชำระเพิ่มเติม</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ชำระไว้เกิน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>40 % ของ %1 = %2 สูงสุด %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>40 % ของ %1 = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ค่าใช้จ่าย%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ผู้มีเงินได้ %1 + คู่สมรส %2 = %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ผู้มีเงินได้ %1 - ค่าใช้จ่าย %2 = %3 + คู่สมรส %4 = %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> + คู่สมรส %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (จาก %1 หักได้สูงสุด %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (บริจาค %1 หักได้ไม่เกิน 10 % ของข้อ 15)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>เงินเดือน %1 x %2 ปี = %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>เงินได้%1 (ไม่มีเงินได้ข้อ 5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ค่าที่น้อยกว่าระหว่าง%1 กับ%2 = %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ไม่น้อยกว่า%2: รวมทั้งสิ้น%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ปี x %2 = %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ปี (ทำงานนานที่สุด) x %2 = %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50 % ของ%1 = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ค่าใช้จ่ายรวมข้อ 13 ของวิธีคำนวณค่าใช้จ่าย %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ไม่น้อยกว่า%2: ไม่มีภาษีต้องชำระเพิ่มเติม</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ไม่เกิน%2: ไม่มีภาษีชำระไว้เกิน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ภาษีของเงินได้สุทธิข้อ 17 %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ข้อ 6 ในใบแนบ %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ข้อ 7 ในใบแนบ %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ข้อ 6 ในใบแนบ ผู้มีเงินได้ %1 + คู่สมรส %2 หักกลบกับข้อ 7 ในใบแนบ ผู้มีเงินได้ %3 + คู่สมรส %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: ต้องชำระเพิ่มเติม %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: ชำระไว้เกิน %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 + %2 - %3 = %4, เครดิต%5 + %6 = %7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: ไม่มีภาษีต้องชำระเพิ่มเติม</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: ไม่มีภาษีชำระไว้เกิน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ชำระเพิ่มเติม</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ชำระไว้เกิน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ข้อ 23 และข้อ 24 เป็น 0: ไม่มีภาษีต้องชำระหรือชำระไว้เกิน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ไม่มีการหักกลบ: ไม่มีฝ่ายใดชำระไว้เกินขณะที่อีกฝ่ายต้องชำระเพิ่มเติม</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ภาษีที่คู่สมรสชำระไว้เกิน %1 หักกลบกับภาษีที่ผู้มีเงินได้ต้องชำระเพิ่มเติม %2: หักกลบได้ %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ภาษีที่ผู้มีเงินได้ชำระไว้เกิน %1 หักกลบกับภาษีที่คู่สมรสต้องชำระเพิ่มเติม %2: หักกลบได้ %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ไม่มีภาษีต้องชำระหรือชำระไว้เกิน = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - ข้อ 25 %2 = %3%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ไม่มีการหักกลบ = %2%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 + ข้อ 27 %2 = %3%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>เงินเพิ่มไม่ได้คำนวณในโปรแกรมนี้ = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ใช้เฉพาะเมื่อคู่สมรสมีเงินได้แยกคำนวณภาษีและยื่นแบบฉบับเดียวกัน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>จำนวนเงินที่ขอคืนตามข้อ 28 %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui</name>
    <message>
        <source>17. เงินได้สุทธิ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ผู้มีเงินได้ (30,000 บาท)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>คู่สมรส (30,000 บาท กรณีไม่มีเงินได้หรือรวมคำนวณภาษี)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>คน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14. รวมค่าลดหย่อน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15. คงเหลือเงินได้ก่อนหักลดหย่อนเงินบริจาค</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ฉบับ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>บาท</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ใบแนบแบบแสดงรยการ VARO 91</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>การคำนวณเงินได้ที่นายจ้างจ่ายให้ครั้งเดียวเพราะเหตุออกจากงานเฉพาะที่เลือกเสียภาษีโดยไม่นำมารวมคำนวณกับเงินได้อื่นๆ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>กด Enter เพื่อกรอกหน้าต่อไป</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. ชื่อนายจ้าง</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>จำนวนปี ที่ทำงาน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>นายจ้างรายที่ </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>รายการเงินได้ที่นายจ้างจ่ายให้ครั้งเดียว ฯ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>กรณีได้รับจากนายจ้างต่างรายกัน ให้รวมเงินได้เข้าด้วยกัน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>จำนวนเงินได้</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ผู้มีเงินได้</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>คู่สมรส</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>วิธีการคำนวณค่าใช้จ่าย</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>กรุณาทำการควณภาษีให้เสร็จก่อน  !!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>พิมพ์รายงาน การเสียภาษี</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ปิดโปรแกรม</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>วิธีคำนวณค่าใช้จ่ายของเงินได้พึงประเมินที่นายจ่ายให้ครั้งเดียวเพราะเหตุออกจากงาน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8. เงินเดือนรับจากนายจ้าง</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>เดือนสุดท้าย</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(กรณีมีเงินเดือนเท่ากันตลอดปีภาษี) หรือ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>เฉลี่ย 12 เดือนสุดท้าย</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> + ร้อยละ 10 ของเงินเดือนถัวเฉลี่ย</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ปี</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(จำนวนปีที่ทำงาน)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7,000 หรือ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>การคำนวณภาษี</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>เกี่ยวกับผู้เขียน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>บริการคำนวณ VARO. 91</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>บริการคำนวณภาษี VARO. 91</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>เริ่มโปรแกรม</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>เข้าสู่โปรแกรมบริการคำนวณภาษี</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ออกจากโปรแกรม</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ออกจากโปรแกรมบริการคำนวณภาษี</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>จำนวนคนที่ใช้โปรแกรม</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>จำนวนผู้เข้ารับบริการคำนวณภาษี</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    ปัจจุบัน :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ศูนย์บริการคำนวณภาษี</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>เงินได้บุคคลธรรมดา</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>กลับสู่หน้าจอหลัก</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ออกใบเสร็จ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>พิมพ์</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ปิด</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;พิมพ์</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;ออก</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>บันทึกเป็น PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>บันทึกแฟ้ม %1 ไม่ได้ !!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>หน้าต่อไป</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. เงินเดือน ค่าจ้าง บำนาญ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. เงินสะสมกองทุนสำรองเลี้ยงชีพ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. เงินที่นายจ้างจ่ายให้ครั้งเดียวเพราะเหตุออกจากงาน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4. รวมเงินได้พึงประเมิน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5. ค่าใช้จ่าย</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5. ค่าใช้จ่ายร้อยละ 40</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6. รวมค่าใช้จ่าย</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7. เงินได้หลังหักค่าใช้จ่าย</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8. ลดหย่อนผู้มีเงินได้ 30,000 บาท</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8. ลดหย่อนคู่สมรส 30,000 บาท</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9. จำนวนบุตรคนละ 15,000 หรือ 7,500 บาท</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9. จำนวนบุตรคนละ 17,000 หรือ 8,500 บาท</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10. จำนวนใบเสร็จเบี้ยประกันชีวิต</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10. เบี้ยประกันชีวิต</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11. จำนวนหลักฐานเงินสะสมกองทุนสำรองเลี้ยงชีพ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11. เงินสะสมกองทุนสำรองเลี้ยงชีพ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12. จำนวนหนังสือรับรองดอกเบี้ยเงินกู้ยืม</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12. ดอกเบี้ยเงินกู้ยืมเพื่อที่อยู่อาศัย</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13. จำนวนหลักฐานเงินสมทบกองทุนประกันสังคม</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13. เงินสมทบกองทุนประกันสังคม</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16. จำนวนใบเสร็จเงินบริจาค</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16. เงินบริจาค</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ใบแนบ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ใบแนบ 1. ชื่อนายจ้างรายที่ 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ใบแนบ 1. ชื่อนายจ้างรายที่ 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ใบแนบ 1. ชื่อนายจ้างรายที่ 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ใบแนบ 1. ชื่อนายจ้างรายที่ 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ใบแนบ 1. จำนวนปีที่ทำงานกับนายจ้างรายที่ 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ใบแนบ 1. จำนวนปีที่ทำงานกับนายจ้างรายที่ 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ใบแนบ 1. จำนวนปีที่ทำงานกับนายจ้างรายที่ 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ใบแนบ 1. จำนวนปีที่ทำงานกับนายจ้างรายที่ 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ใบแนบ เงินได้ 1. เงินบำเหน็จข้าราชการ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ใบแนบ เงินได้ 2. เงินจากกองทุนสำรองเลี้ยงชีพหรือ กบข.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ใบแนบ เงินได้ 3. เงินชดเชยตามกฎหมายแรงงาน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ใบแนบ เงินได้ 4. รวม</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ใบแนบ เงินได้ 5. เงินได้ที่มีวิธีคำนวณแตกต่างไปจาก 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ใบแนบ เงินได้ 6. รวมทั้งสิ้น</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ใบแนบ 2. หักค่าใช้จ่าย</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ใบแนบ 3. คงเหลือเงินได้สุทธิ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ใบแนบ 4. ภาษีที่คำนวณได้</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ใบแนบ 5. จำนวนหนังสือรับรองการหักภาษี ณ ที่จ่าย</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ใบแนบ 5. ภาษีเงินได้หัก ณ ที่จ่าย</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ใบแนบ 6. ภาษีส่วนที่ต้องชำระเพิ่มเติม</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ใบแนบ 7. ภาษีส่วนที่ชำระไว้เกิน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8. เงินเดือนเดือนสุดท้าย</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8. เงินเดือนเฉลี่ย 12 เดือนสุดท้าย</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8. จำนวนปีที่ทำงาน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8. เงินเดือนคูณจำนวนปีที่ทำงาน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9. จำนวนเงินที่ถือเป็นฐานเพื่อคำนวณหาค่าใช้จ่าย</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10. ค่าใช้จ่ายส่วนแรกปีละ 7,000 บาท</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10. ค่าใช้จ่ายส่วนแรกปีละ 3,500 บาท</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10. จำนวนปีที่ทำงานของค่าใช้จ่ายส่วนแรก</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10. ค่าใช้จ่ายส่วนแรก</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11. คงเหลือ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12. ค่าใช้จ่ายส่วนที่ 2 ร้อยละ 50 ของ 11.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13. รวมค่าใช้จ่ายที่หักได้ทั้งหมด</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>18. ภาษีที่คำนวณจากเงินได้สุทธิ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>19. ภาษีส่วนที่ต้องชำระเพิ่มเติมตาม 6 ในใบแนบ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20. ภาษีส่วนที่ชำระไว้เกินตาม 7 ในใบแนบ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>21. จำนวนหนังสือรับรองการหักภาษี ณ ที่จ่าย</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>21. ภาษีเงินได้หัก ณ ที่จ่าย</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22. ภาษีที่ชำระไว้แล้ว กรณียื่นเพิ่มเติม</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>23. รวมภาษีเงินได้ที่ต้องชำระเพิ่มเติม</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24. รวมภาษีเงินได้ที่ชำระไว้เกิน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>25. ภาษีส่วนที่เกินของอีกฝ่ายหนึ่งที่หักกลบ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>26. คงเหลือภาษี</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>26. คงเหลือภาษีส่วนที่ชำระเพิ่มเติม</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>26. คงเหลือภาษีส่วนที่ชำระไว้เกิน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>27. เงินเพิ่ม</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>28. รวมภาษี</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>28. รวมภาษีส่วนที่ชำระเพิ่มเติม</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>28. รวมภาษีส่วนที่ชำระไว้เกิน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>เงินภาษีที่ขอคืน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ขอคืน (1) เป็นเงินสด</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ขอคืน (2) นำเข้าบัญชีเงินฝาก</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>รหัสธนาคาร</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>บัญชีประเภทกระแสรายวัน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>บัญชีประเภทออมทรัพย์</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>เลขที่บัญชี</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9. บุตรคนละ 15,000 หรือ 7,500 จำนวน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(กรณีแยกคำนวณภาษีให้หักคนละ 7,500 บาท)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>บุตรคนละ 17,000 หรือ 8,500 จำนวน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(กรณีแยกคำนวณภาษีให้หักคนละ 8,500 บาท)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10. เบี้ยประกันชีวิต (ตามใบเสร็จ/สำเนาใบเสร็จที่แนบ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11. เงินสะสม ที่จ่ายเข้ากองทุนสำรองเลี้ยงชีพ (ตามหลักฐาน/สำเนาหลักฐานที่แนบ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12. ดอกเบี้ยเงินกู้ยืม เพื่อซื้อ เช่าซื้อ หรือสร้างอาคารฯ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(ตามหนังสือรับรองฯ และภาพถ่ายทะเบียนบ้านที่กู้ที่แนบ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13. เงินสมทบ ที่ผู้ประกันตนจ่ายเข้ากองทุนประกันสังคม (ตามหลักฐาน/สำเนาฐานที่แนบ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16. เงินบริจาค (ตามใบเสร็จ/สำเนาใบเสร็จที่แนบ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ค่าลดหย่อน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. เงินบำเหน็จฯ ข้าราชการ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. เงินที่จ่ายจากกองทุนสำรองเลี้ยงชีพ หรือ กองทุนบำเหน็จบำนาญข้าราชการ(กบข.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. เงินชดเชยตามกฏหมายแรงงาน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4. รวม</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5. เงินได้ฯ ที่มีวิธีคำนวณ แตกต่างไปจาก 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6. รวมทั้งสิ้น</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. หักค่าใช้จ่าย</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. คงเหลือเงินได้สุทธิ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4. ภาษีที่คำนวณได้</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5. ภาษีเงินได้หัก ณ. ที่จ่าย (ตามหนังสือรับรองฯ ที่แนบ            ฉบับ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6. ภาษีส่วนที่ต้องชำระเพิ่มเติม</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7. ภาษีส่วนที่ชำระไว้เกิน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ผู้มีเงินได้ : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>คู่สมรส : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ค่าใช้จ่าย</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(ร้อยละ 40 แต่ไม่เกิน 60,000 บาท)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>เงินได้พึงประเมิน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>คำร้องขอคืนเงินภาษี</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>กรณีผู้ใช้เป็นชาวต่างชาติ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. เงินเดือน ค่าจ้าง บำนาญ ภาษีที่นายจ้างออกให้ ฯลฯ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. เงินสะสมที่จ่ายเข้ากองทุนสำรองเลี้ยงชีพ </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(เฉพาะส่วนที่เกิน 10,000 บาท แต่ไม่เกิน 290,000 บาท) หรือ กองทุน กบข.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(เฉพาะที่เลือกนำมารวมคำนวณภาษีกับเงินได้ตาม 1 )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>เงินได้พึงประเมิน : ผู้มีเงินได้</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>เงินได้พึงประเมิน : คู่สมรส</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4. รวมเงินได้พึงประเมิน : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>บัตรประจำตัวประชาชน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>เลขประจำตัวผู้เสียภาษีอากร</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ชื่อ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ชื่อสกุล</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>เลขที่</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ตรอก/ซอย</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>หมู่ที่</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ถนน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ตำบล/แขวง</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>อำเภอ/เขต</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>จังหวัด</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ที่บ้าน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ที่ทำงาน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>รหัสไปรษณีย์</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ที่อยู่ :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>โทรศัพท์ :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>นายสมชาย</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ใจดี</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>นางสมศรี</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>กรุณากรอกข้อมูลให้ครบ !!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>โสด</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>หม้าย</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>คู่สมรสไม่มีเงินได้</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>คู่สมรสมีเงินได้แต่ สมรส หย่า หรือตายระหว่างปีภาษี</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>คู่สมรสมีเงินได้รวมคำนวณภาษี</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>คู่สมรสมีเงินได้แยกคำนวณภาษี ยื่นแบบฉบับเดียวกัน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>คู่สมรสมีเงินได้แยกคำนวณภาษี แยกยื่นแบบ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>กรอกประวัติ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(ให้ระบุให้ชัดเจนว่าเป็น นาย นาง นางสาว หรือยศ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>สถานะ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>กรุณาใส่บัตรประจำตัวประชาชนให้ถูกต้อง !!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>กรุณาใส่เลขประจำตัวผู้เสียภาษีให้ถูกต้อง !!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ต้องการกรอกใบแนบ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ใช่</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ไม่</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>เป็นจำนวนเงิน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(1) เป็นเงินสด</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(2) ให้นำเข้าบัญชีเงินฝากของข้าพเจ้า</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>บัญชีประเภท</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>กระแสรายวัน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ออมทรัพย์</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9. จำนวนเงินที่ถือเป็นฐาน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>เพื่อคำนวณหาค่าใช้จ่าย</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11. คงเหลือ (9. - 10.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12. ค่าใช้จ่าย ส่วนที่ 2 ร้อยละ 50 ของ 11.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13. รวม ค่าใช้จ่ายที่หักได้ทั้งหมด (10.+12.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(ยกไปกรอกใน 2.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>19. ภาษีส่วนที่ต้องชำระเพิ่มเติม ตาม 6 ในใบแนบ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20. ภาษีส่วนที่ชำระไว้เกิน ตาม 7 ในใบแนบ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>21. ภาษีเงินได้หัก ณ ที่จ่าย สำหรับเงินตาม 1 และ 2 (ตามหนังสือรับรองฯ ที่แนบ          ฉบับ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>21. ภาษีเงินได้หัก ณ ที่จ่าย สำหรับเงินตาม 1 และ 2 (ตามหนังสือรับรองฯ ที่แนบ         ฉบับ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22. ภาษีที่ชำระไว้แล้ว ตามแบบ VARO.91 (กรณียื่นเพิ่มเติม)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24. รวมภาษีเงินได้ที่ต้องชำระไว้เกิน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>25. นำภาษีส่วนที่เกินของอีกฝ่ายหนึ่งมาหักกลบลบกัน</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>26. คงเหลือภาษีส่วนที่</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>27. เงินเพิ่ม (ถ้ามี)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>28. รวมภาษีส่วนที่ </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ชำระเพิ่มเติม</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ชำระไว้เกิน</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::ui</name>
    <message>
        <source> ผู้มีเงินได้</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> คู่สมรส</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
