// The printed page's table and its drawing: where the frame and rules stand,
// the rows and their exceptions, and that every text, the longest amounts
// included, stays inside its box and off the rules. It links the report
// alone and never runs the program's start-up: the page maps its own font.
#include "page_layout.h"
#include "page_output.h"
#include "pdf_words.h"
#include "printed_page.h"

#include <QBuffer>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using report::ItemKind;
using report::PageItemRow;

namespace {

const PageItemRow &row(const char *name)
{
    const PageItemRow *found = report::findPageItem(name);
    if (!found)
        qFatal("no page item %s", name);
    return *found;
}

double millimetres(int pixels)
{
    return std::round(pixels * report::kMillimetresPerPixel * 10) / 10;
}

// The smallest rectangle holding every pixel that is not white.
QRect inkOf(const QImage &image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(line[x]) < 160)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

// The page's rows: the top of each amount row, line 1 to line 28.
QList<int> rowTops()
{
    QList<int> tops;
    for (int top = 150; top <= 990; top += 30)
        tops << top;
    return tops;
}

} // namespace

class PageLayoutTest : public QObject {
    Q_OBJECT

private slots:
    // The page's font, EucrosiaUPC, prints in Kinnari with no wizard ever made.
    void itemsPrintInKinnariWithoutTheProgramsStartUp()
    {
        QObject owner;
        report::PrintedPage page(owner);
        for (const char *name : {"ch1m", "QRLabel1"}) // a plain and a bold item
            QCOMPARE(QFontInfo(page.item(name).font()).family(), QString("Kinnari"));
    }

    void frameSpansTheSheetAsOnTheForm()
    {
        const PageItemRow &frame = row("QRShape1");
        QCOMPARE(frame.kind, ItemKind::frame);
        QCOMPARE(millimetres(frame.left), 10.6);
        QCOMPARE(millimetres(frame.left + frame.width), 191.8);
        QCOMPARE(millimetres(frame.top), 12.7);
        QCOMPARE(millimetres(frame.top + frame.height), 271.5);
        QCOMPARE(frame.pen, 4);
    }

    void everyItemHasItsOwnNameAndLiesOnTheSheet()
    {
        QSet<QString> names;
        const QRect sheet(QPoint(0, 0), report::kPageSize);
        for (const PageItemRow &item : report::pageLayout()) {
            QVERIFY2(!names.contains(item.name), item.name);
            names.insert(item.name);
            QVERIFY2(sheet.contains(item.rect()), item.name);
        }
        QCOMPARE(names.size(), 132);
    }

    void thinRulesRunBelowEachRowEveryThirtyPixels()
    {
        const char *const order[] = {"QRShape2",  "QRShape3",  "QRShape4",  "QRShape5",  "QRShape6",  "QRShape11",
                                     "QRShape10", "QRShape9",  "QRShape8",  "QRShape7",  "QRShape12", "QRShape13",
                                     "QRShape14", "QRShape15", "QRShape16", "QRShape17", "QRShape18", "QRShape19",
                                     "QRShape20", "QRShape21", "QRShape31", "QRShape30", "QRShape29", "QRShape28",
                                     "QRShape27", "QRShape26", "QRShape25", "QRShape24"};
        int top = 175;
        for (const char *name : order) {
            const PageItemRow &rule = row(name);
            QCOMPARE(rule.kind, ItemKind::horizontalRule);
            QCOMPARE(rule.top, top);
            QCOMPARE(rule.pen, 1);
            QCOMPARE(QRect(rule.left, 0, rule.width, 1), QRect(40, 0, 685, 1));
            top += 30;
        }
        QCOMPARE(row("QRShape32").pen, 2);
        QCOMPARE(row("QRShape32").top, 143);
        QCOMPARE(row("QRShape22").left, 368);
        QCOMPARE(row("QRShape23").left, 544);
    }

    void lastRowEndsInsideTheFrame()
    {
        const PageItemRow &frame = row("QRShape1");
        const int inside = frame.top + frame.height - frame.pen;
        for (const char *name : {"QRLabel31", "qtotalm28", "qtotalf28"})
            QVERIFY2(row(name).top + row(name).height <= inside, name);
    }

    void rowsAndTheirExceptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<int>("fontHeight");
        QTest::addColumn<bool>("transparent");

        QTest::newRow("salary") << "ch1m" << QRect(418, 150, 100, 27) << report::kSmall << false;
        QTest::newRow("spouse salary") << "ch1f" << QRect(602, 150, 100, 27) << report::kSmall << false;
        QTest::newRow("taxpayer's tax in 14 point") << "total19m" << QRect(418, 690, 100, 27) << report::kSmall << false;
        QTest::newRow("spouse's tax in 16 point") << "total19f" << QRect(602, 690, 100, 27) << report::kMedium << false;
        QTest::newRow("spouse's donation two pixels lower") << "qvalf13" << QRect(602, 632, 100, 27) << report::kSmall << false;
        QTest::newRow("line 28 of the taxpayer") << "qtotalm28" << QRect(418, 990, 100, 31) << report::kSmall << true;
        QTest::newRow("line 28 of the spouse") << "qtotalf28" << QRect(602, 990, 100, 31) << report::kSmall << true;
        QTest::newRow("line 28's caption lower") << "QRLabel31" << QRect(62, 992, 203, 27) << report::kSmall << true;
        QTest::newRow("line 18's caption on white") << "QRLabel21" << QRect(62, 690, 203, 31) << report::kSmall << false;
        QTest::newRow("line 19's caption on no white") << "QRLabel22" << QRect(62, 720, 307, 27) << report::kSmall << true;
        QTest::newRow("children in education indented") << "QRLabel16" << QRect(78, 420, 131, 31) << report::kSmall << false;
        QTest::newRow("head of the taxpayer") << "QRLabel1" << QRect(409, 14, 76, 31) << report::kLarge << true;
        QTest::newRow("head of the spouse") << "QRLabel2" << QRect(593, 14, 76, 31) << report::kLarge << false;
        QTest::newRow("identity number") << "qid1" << QRect(382, 52, 150, 27) << report::kMedium << false;
        QTest::newRow("spouse's surname") << "qsurname2" << QRect(632, 112, 65, 27) << report::kMedium << false;
    }

    void rowsAndTheirExceptions()
    {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        QFETCH(int, fontHeight);
        QFETCH(bool, transparent);
        const PageItemRow &item = row(qPrintable(name));
        QCOMPARE(item.rect(), rect);
        QCOMPARE(item.fontHeight, fontHeight);
        QCOMPARE(item.transparent, transparent);
    }

    // Every row has its caption and, in both columns, one amount at the
    // row's top (the spouse's donation and line 28's caption two lower).
    void everyRowHasACaptionAndTwoAmounts()
    {
        for (int top : rowTops()) {
            int captions = 0, taxpayer = 0, spouse = 0;
            for (const PageItemRow &item : report::pageLayout()) {
                if (!item.isText() || item.top < top || item.top > top + 2)
                    continue;
                captions += item.kind == ItemKind::caption;
                taxpayer += item.kind == ItemKind::data && item.left == 418;
                spouse += item.kind == ItemKind::data && item.left == 602;
            }
            QVERIFY2(captions == 1 && taxpayer == 1 && spouse == 1, qPrintable(QString::number(top)));
        }
    }

    void dataItemsShowTheirOwnNamesBeforeFilling()
    {
        QObject owner;
        report::PrintedPage page(owner);
        QCOMPARE(page.item("ch1m").text(), QString("ch1m"));
        QCOMPARE(page.item("qtotalf1").text(), QString("qtotalm2"));
        QCOMPARE(page.item("qtotalf28").text(), QString("qtotalm28"));
        QCOMPARE(page.item("QRShape1").text(), QString());
        QCOMPARE(owner.findChild<report::PageItem *>("QRLabel5")->text(),
                 QString("3. เงินที่นายจ้างจ่ายให้ครั้งเดียวเพราะออกจากงาน"));
    }

    // A name longer than its box widens it to the right; the next item stays.
    void longNameGrowsToTheRight()
    {
        QObject owner;
        report::PrintedPage page(owner);
        report::PageItem &name = page.item("qname1");
        name.setText(QStringLiteral("นายสมชายชาญณรงค์ฤทธิ์"));
        QVERIFY(name.rect().width() > 47);
        QCOMPARE(name.rect().left(), 382);
        QVERIFY(name.rect().width() >= report::textWidth(name.font(), name.text()));
        QCOMPARE(page.item("qsurname1").rect().left(), 464);
        name.setText(QStringLiteral("ก"));
        QCOMPARE(name.rect().width(), 47);
    }

    // The longest text each item carries, drawn alone: its ink stays inside
    // the item's box and above the rule below its row.
    void everyTextStaysInsideItsBox()
    {
        QObject owner;
        report::PrintedPage page(owner);
        for (report::PageItem *item : page.items()) {
            const PageItemRow &s = item->row();
            if (!s.isText())
                continue;
            if (s.kind == ItemKind::data) {
                QString longest = QStringLiteral("999,999,999.99");
                if (s.top < 143)
                    longest = QStringLiteral("1101700203450");
                if (s.top == 990)
                    longest = QStringLiteral("( 999,999,999.99)");
                if (s.growsWithText)
                    longest = QStringLiteral("นายสมชายชาญณรงค์ฤทธิ์");
                item->setText(longest);
            }
            QImage image(report::kPageSize, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            report::paintText(painter, *item);
            painter.end();
            const QRect ink = inkOf(image);
            QVERIFY2(!ink.isEmpty(), s.name);
            QVERIFY2(item->rect().contains(ink), qPrintable(QStringLiteral("%1: ink %2,%3 %4x%5").arg(s.name)
                                                                .arg(ink.x()).arg(ink.y()).arg(ink.width())
                                                                .arg(ink.height())));
            // The rule below a row of the table is drawn 27 pixels under the row's top.
            const int rowTop = s.top - (s.top - 150) % 30;
            if (s.top >= 150)
                QVERIFY2(ink.bottom() < rowTop + 27, s.name);
        }
    }

    // The same in the PDF: with every item carrying its longest text, each
    // word the PDF holds lies across within the item it stands in.
    void longestTextsStayInTheirBoxesInThePdf()
    {
        QObject owner;
        report::PrintedPage page(owner);
        for (report::PageItem *item : page.items()) {
            const PageItemRow &s = item->row();
            if (s.kind != ItemKind::data)
                continue;
            item->setText(s.top < 143 ? QStringLiteral("1101700203450")
                          : s.top == 990 ? QStringLiteral("(  999,999,999.99)")
                                         : QStringLiteral("999,999,999.99"));
        }
        QBuffer pdf;
        QVERIFY(report::writePdf(pdf, page));
        QString error;
        const std::vector<PdfWord> words = pdfWords(pdf.data(), &error);
        QVERIFY2(!words.empty(), qPrintable(error));
        for (const report::PageItem *item : page.items()) {
            if (!item->row().isText())
                continue;
            const QRectF box(item->rect());
            int inside = 0;
            for (const PdfWord &word : words) {
                if (!box.contains(word.box.center()))
                    continue;
                ++inside;
                QVERIFY2(word.box.left() >= box.left() - 0.5 && word.box.right() <= box.right() + 0.5,
                         qPrintable(QStringLiteral("%1: %2 from %3 to %4").arg(item->objectName(), word.text)
                                        .arg(word.box.left()).arg(word.box.right())));
            }
            QVERIFY2(inside > 0, item->row().name);
        }
    }

    // Nothing is written as a PDF that was not drawn: a device that takes no
    // data is refused, and no page is drawn on a PDF writer that another
    // painter holds, the one writer on which no painter starts.
    void pdfIsRefusedWhereThePageCannotBeDrawn()
    {
        QObject owner;
        report::PrintedPage page(owner);
        QByteArray kept("kept");
        QBuffer readOnly(&kept);
        QVERIFY(readOnly.open(QIODevice::ReadOnly));
        QVERIFY(!report::writePdf(readOnly, page));
        QCOMPARE(kept, QByteArray("kept"));
        QTemporaryDir dir;
        QFile unopenable(dir.filePath("no such folder/return.pdf"));
        QVERIFY(!report::writePdf(unopenable, page));

        QBuffer pdf;
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        QPdfWriter writer(&pdf);
        QPainter holder(&writer);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^QPainter::begin"));
        QVERIFY(!report::renderPage(writer, page));
        QVERIFY(holder.end());
        QVERIFY(report::renderPage(writer, page));
    }

    // Rules are drawn over the text items, so that no white hides them.
    void rulesAreDrawnOverOpaqueItems()
    {
        QObject owner;
        report::PrintedPage page(owner);
        QImage image(report::kPageSize, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        page.paint(painter);
        painter.end();
        // The taxpayer column's rule where line 3's long caption lies across it,
        // and the rule below line 1 where its caption's box reaches over it.
        QVERIFY(qGray(image.pixel(370, 222)) < 100);
        QVERIFY(qGray(image.pixel(100, 177)) < 100);
        QVERIFY(qGray(image.pixel(41, 500)) < 100); // the frame
    }
};

QTEST_MAIN(PageLayoutTest)
#include "page_layout_test.moc"
