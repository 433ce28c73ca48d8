// The printed return made from whole returns entered in the wizard: what the
// spouse column prints for each status, the line-28 rule, amounts typed in
// other forms, a failed conversion, the PDF's figures in their boxes, and
// the window with its preview.
#include "fonts.h"
#include "live_windows.h"
#include "page_output.h"
#include "pdf_text_layer.h"
#include "pdf_words.h"
#include "printed_return.h"
#include "screenshot.h"

#include <QAccessible>
#include <QBuffer>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPdfWriter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTimer>
#include <QRegularExpression>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QTemporaryDir>

Q_DECLARE_METATYPE(tax::MaritalStatus)
Q_DECLARE_METATYPE(printed::Credits)

namespace {

using tax::MaritalStatus;

const QStringList kSpouseIdentity{"qid2", "qidtax2", "qname2", "qsurname2"};
const QStringList kSpouseItems = kSpouseIdentity + QStringList{
    "ch1f", "ch2f", "ch3f", "qtotalf1", "total2f", "ctotal3f", "total4f", "qf30000", "qvalf5", "qvalf6",
    "qvalf7", "qvalf8", "qvalf9", "qvalf10", "dis1f", "total5f", "qvalf13", "total6f", "total19f", "total20f",
    "total21f", "qvalf29", "ch17f", "total22f", "total23f", "total24f", "total25f", "total26f", "qtotalf28"};

// The items of the list that print something.
QStringList printing(const TFormbil &page, const QStringList &items)
{
    QStringList shown;
    for (const QString &name : items) {
        if (!printed::item(page, qPrintable(name)).isEmpty())
            shown << name;
    }
    return shown;
}

// Closes the preview and waits for the window to be released.
bool closeAll(printed::Wizard &wizard)
{
    if (wizard.w->Formbil)
        printed::closePreview(*wizard.w->Formbil);
    return QTest::qWaitFor([&] { return !wizard.w->Formbil && liveWindows<TFormbil>() == 0; });
}

// Runs `act` once a modal window of the kind is shown (from within its own
// event loop).
template <typename Window>
void whenShown(std::function<void(Window *)> act)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto *window = qobject_cast<Window *>(QApplication::activeModalWidget());
        if (!window || !window->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        act(window);
    });
    timer->start(5);
}

bool anyPreviewOpen()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && qobject_cast<QPrintPreviewDialog *>(window))
            return true;
    }
    return false;
}

} // namespace

class PrintedReturnTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutions(); }

    // The page is a picture on screen; a screen reader reads it as a
    // document, row by row with both persons' figures, before it is printed.
    void thePageReadsAsTextRowByRow()
    {
        printed::Wizard wizard;
        QVERIFY(wizard.toRefundPage(walk::sampleReturn(MaritalStatus::married4), {"92000", "0", "80000", "0"}));
        TFormbil *page = wizard.print();
        QVERIFY(page);
        QAccessibleInterface *document = QAccessible::queryAccessibleInterface(page->findChild<QWidget *>("pageSurface"));
        QVERIFY(document);
        QCOMPARE(document->role(), QAccessible::Document);
        QAccessibleTextInterface *text = document->textInterface();
        QVERIFY(text);
        const QStringList rows = text->text(0, text->characterCount()).split(QLatin1Char('\n'));
        const QString line4 = printed::item(*page, "qtotalm1").trimmed() + "  " + printed::item(*page, "qtotalf1").trimmed();
        QVERIFY2(std::any_of(rows.begin(), rows.end(), [&](const QString &row) { return row.contains("4.") && row.endsWith(line4); }),
                 qPrintable(rows.join(" | ")));
        QVERIFY(rows.indexOf(QRegularExpression(QStringLiteral(".*นายสมชาย.*"))) < rows.indexOf(QRegularExpression(QStringLiteral("^1\\..*"))));
        QVERIFY(closeAll(wizard));
    }

    void goingBackByTheTabsPrintsWhatAFreshWizardPrints_data()
    {
        QTest::addColumn<tax::MaritalStatus>("status");
        for (int s = 0; s <= int(tax::MaritalStatus::married5); ++s)
            QTest::newRow(walk::statusButton(tax::MaritalStatus(s))) << tax::MaritalStatus(s);
    }

    // A whole return, then back by the tabs to the income and the allowances
    // pages to change a salary and an allowance, forward by the tabs again
    // and print: every item is what a wizard walked forward with the final
    // entries prints.
    void goingBackByTheTabsPrintsWhatAFreshWizardPrints()
    {
        QFETCH(tax::MaritalStatus, status);
        const printed::Credits credits{"90000", "500", "20000", "0"};
        walk::Return r = walk::sampleReturn(status);
        printed::Wizard changed;
        QVERIFY(changed.toRefundPage(r, credits));
        QTabBar *bar = changed.w->solve->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
        walk::typeAndTab("ch1m", "5000000");
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
        // A widow's first click leads from p3 to line 9; the second reaches the field.
        auto *socialSecurity = drive::control<QLineEdit>(changed.w, "ch9m");
        walk::clickOn(socialSecurity);
        drive::typeInto(socialSecurity, "2500");
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(5).center());
        QCOMPARE(changed.w->solve->currentWidget(), changed.w->TabSheet6);
        TFormbil *after = changed.print();
        QVERIFY(after);

        r.taxpayerIncome.salary = "5000000";
        r.taxpayerAllowances.socialSecurity = "2500";
        printed::Wizard fresh;
        QVERIFY(fresh.toRefundPage(r, credits));
        TFormbil *expected = fresh.print();
        QVERIFY(expected);
        for (const report::PageItem *item : expected->page().items())
            QVERIFY2(printed::item(*after, item->row().name) == item->text(),
                     qPrintable(QStringLiteral("%1: '%2', a fresh wizard prints '%3'")
                                    .arg(item->row().name, printed::item(*after, item->row().name), item->text())));
        QCOMPARE(changed.messages.kinds.indexOf("errorReport"), -1);
        printed::closePreview(*after);
        printed::closePreview(*expected);
    }

    void spouseColumnPrintsOnlyWhatTheWizardShowed_data()
    {
        QTest::addColumn<MaritalStatus>("status");
        QTest::addColumn<QStringList>("spouse");

        QTest::newRow("single") << MaritalStatus::single << QStringList{};
        QTest::newRow("widow") << MaritalStatus::widow << QStringList{};
        QTest::newRow("spouse without income")
            << MaritalStatus::married1 << QStringList{"qid2", "qname2", "qsurname2", "qf30000"};
        QTest::newRow("married within the year") << MaritalStatus::married2 << kSpouseIdentity;
        QTest::newRow("joint computation")
            << MaritalStatus::married3
            << kSpouseIdentity + QStringList{"ch1f", "ch2f", "ch3f", "total2f", "qf30000"};
        QTest::newRow("separate, same return") << MaritalStatus::married4 << kSpouseItems;
        QTest::newRow("separate returns") << MaritalStatus::married5 << kSpouseIdentity;
    }

    void spouseColumnPrintsOnlyWhatTheWizardShowed()
    {
        QFETCH(MaritalStatus, status);
        QFETCH(QStringList, spouse);
        printed::Wizard wizard;
        QVERIFY(wizard.toRefundPage(walk::sampleReturn(status), {}));
        TFormbil *page = wizard.print();
        QVERIFY(page);

        QCOMPARE(printing(*page, kSpouseItems), spouse);
        QCOMPARE(printed::item(*page, "qm30000"), QString("30000.00"));
        for (const char *taxpayer : {"qid1", "qidtax1", "qname1", "qsurname1", "ch1m", "qtotalm1", "total6m",
                                     "total19m", "qvalm29", "total26m", "qtotalm28"})
            QVERIFY2(!printed::item(*page, taxpayer).isEmpty(), taxpayer);
        if (spouse.contains("ch1f"))
            QCOMPARE(printed::item(*page, "ch1f"), QString("  800,000.00"));
        QVERIFY(closeAll(wizard));
    }

    // Lines 18 to 28 of a return computed apart on one form, with the
    // spouse's identity: every item as the wizard shows it, and in the PDF
    // every figure within its own box.
    void marriedFourPrintsEveryFigureInItsBox()
    {
        printed::Wizard wizard;
        QVERIFY(wizard.toRefundPage(walk::sampleReturn(MaritalStatus::married4), {"92000", "0", "80000", "0"}));
        TFormbil *page = wizard.print();
        QVERIFY(page);

        const std::pair<const char *, const char *> copies[] = {
            {"qtotalm1", "total1m"}, {"qtotalf1", "total1f"}, {"ctotal3m", "copyoftotal3m"},
            {"ctotal3f", "copyoftotal3f"}, {"dis1f", "dis1f"}, {"total6m", "total6m"}, {"total19f", "total19f"},
            {"total22f", "total22f"}, {"total24m", "total24m"}, {"total26f", "total26f"}};
        for (const auto &[item, label] : copies)
            QCOMPARE(printed::item(*page, item), drive::control<QLabel>(wizard.w, label)->text());
        const std::pair<const char *, const char *> figures[] = {
            {"ch1m", "1,000,000.00"}, {"ch2m", "   50,000.00"}, {"ch3f", "   20,000.00"},
            {"qvalm29", "   92,000.00"}, {"qvalf29", "   80,000.00"}, {"qvalm5", "1.00"}, {"qvalf6", "2.00"},
            {"qvalm7", "15,000.00"}, {"qvalm13", "100,000.00"}, {"ch17m", "0.00"}, {"qid2", "3100600123450"},
            {"qidtax2", "4209876541"}, {"qname2", "นางสมศรี"}, {"qf30000", "30000.00"}};
        for (const auto &[item, text] : figures)
            QCOMPARE(printed::item(*page, item), QString::fromUtf8(text));

        QBuffer pdf;
        QVERIFY(report::writePdf(pdf, page->page()));
        QString error;
        const std::vector<PdfWord> words = pdfWords(pdf.data(), &error);
        QVERIFY2(!words.empty(), qPrintable(error));
        for (const report::PageItem *item : page->page().items()) {
            const QString text = item->text().trimmed();
            if (item->row().kind != report::ItemKind::data || text.isEmpty() || text.contains(' '))
                continue;
            // The word stands across within its box (half a pixel for the
            // rounding of the PDF's coordinates) and on the box's row; its
            // height is the font's, marks above and below included.
            const QRectF box = QRectF(item->rect()).adjusted(-0.5, 0, 0.5, 0);
            const bool found = std::any_of(words.begin(), words.end(), [&](const PdfWord &word) {
                return word.text == text && word.box.left() >= box.left() && word.box.right() <= box.right() &&
                       box.contains(QPointF(box.center().x(), word.box.center().y()));
            });
            QVERIFY2(found, qPrintable(item->objectName() + ": " + text));
        }
        saveScreenshot(page->preview(), QStringLiteral("printed-return-preview"));
        const QString folder = qEnvironmentVariable("VARO_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            QVERIFY(report::writePdf(QDir(folder).filePath("printed-return.pdf"), page->page()));
        QVERIFY(closeAll(wizard));
    }

    // Copied or searched, the PDF gives every text of the page as printed:
    // tone marks set lower or to the left, sara am and blanks included. The
    // mending changes the text layer only: the page draws the same.
    void thePdfTextIsWhatThePagePrints()
    {
        printed::Wizard wizard;
        QVERIFY(wizard.toRefundPage(walk::sampleReturn(MaritalStatus::married4), {"92000", "0", "80000", "0"}));
        const std::pair<const char *, const char *> names[] = {
            {"name1", "นายน้ำใจ"}, {"surname1", "ผู้ทำดี"}, {"name2", "นางกิ่งก้าน"}, {"surname2", "ปิ่นแก้ว"}};
        for (const auto &[field, name] : names)
            drive::control<QLineEdit>(wizard.w, field)->setText(QString::fromUtf8(name));
        TFormbil *page = wizard.print();
        QVERIFY(page);

        QBuffer written;
        QVERIFY(written.open(QIODevice::WriteOnly));
        QPdfWriter writer(&written);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {}));
        QVERIFY(report::renderPage(writer, page->page()));
        const QByteArray asDrawn = written.data();
        QBuffer saved;
        QVERIFY(report::writePdf(saved, page->page()));
        QString error;
        const QString text = pdfText(saved.data(), &error);
        QVERIFY2(!text.isEmpty(), qPrintable(error));
        int verbatim = 0;
        for (const report::PageItem *item : page->page().items()) {
            // A figure set apart from its parenthesis by blanks reads as two
            // words; the figures are checked word by word above.
            const QString printedText = item->text().trimmed();
            if (printedText.isEmpty() || printedText.contains(QStringLiteral("  ")))
                continue;
            QVERIFY2(text.contains(printedText), qPrintable(item->objectName() + ": " + printedText));
            ++verbatim;
        }
        QVERIFY(verbatim > 90);

        const QImage before = pdfPicture(asDrawn, &error);
        QVERIFY2(!before.isNull(), qPrintable(error));
        QCOMPARE(pdfPicture(report::mendTextLayer(asDrawn), &error), before);
        QCOMPARE(pdfPicture(saved.data(), &error), before);
        QVERIFY(closeAll(wizard));
    }

    void lineTwentyEightShowsWhatIsDueOrRefunded_data()
    {
        QTest::addColumn<MaritalStatus>("status");
        QTest::addColumn<printed::Credits>("credits");
        QTest::addColumn<QString>("taxpayer");
        QTest::addColumn<QString>("spouse");

        QTest::newRow("to pay as shown") << MaritalStatus::single << printed::Credits{"90000", "0"}
                                         << "    3,800.00" << "";
        QTest::newRow("overpaid in parentheses") << MaritalStatus::married3 << printed::Credits{"290000", "10000"}
                                                 << "(    12,800.00)" << "";
        QTest::newRow("set off: nothing due for the spouse")
            << MaritalStatus::married4 << printed::Credits{"92000", "0", "80000", "0"} << "(     1,000.00)"
            << "0.00";
        QTest::newRow("set off: the spouse refunded")
            << MaritalStatus::married4 << printed::Credits{"90000", "0", "83200", "0"} << "0.00"
            << "(     2,200.00)";
    }

    void lineTwentyEightShowsWhatIsDueOrRefunded()
    {
        QFETCH(MaritalStatus, status);
        QFETCH(printed::Credits, credits);
        QFETCH(QString, taxpayer);
        QFETCH(QString, spouse);
        printed::Wizard wizard;
        QVERIFY(wizard.toRefundPage(walk::sampleReturn(status), credits));
        TFormbil *page = wizard.print();
        QVERIFY(page);
        QCOMPARE(printed::item(*page, "qtotalm28"), taxpayer);
        QCOMPARE(printed::item(*page, "qtotalf28"), spouse);
        QVERIFY(closeAll(wizard));
    }

    void lineTwentyOneIsTheTwelveCharacterMoneyText()
    {
        printed::Wizard wizard;
        QVERIFY(wizard.toRefundPage(walk::sampleReturn(MaritalStatus::married4), {"3000", "0", "3000", "0"}));
        TFormbil *page = wizard.print();
        QVERIFY(page);
        QCOMPARE(printed::item(*page, "qvalm29"), QString("    3,000.00"));
        QCOMPARE(printed::item(*page, "qvalf29"), QString("    3,000.00"));
        QVERIFY(closeAll(wizard));
    }

    // Allowances and paid tax print as amounts when they are amounts, and as
    // typed when they are not; each print shows the wizard as it is then.
    void typedAmountsPrintInTheMoneyFormat()
    {
        printed::Wizard wizard;
        QVERIFY(wizard.toRefundPage(walk::sampleReturn(MaritalStatus::single), {}));
        const std::pair<const char *, const char *> cases[] = {
            {"2", "2.00"}, {"10.50", "10.50"}, {"50000", "50,000.00"}, {"0.005", "0.01"}, {"-5", "-5.00"},
            {"abc", "abc"}, {"1,000", "1,000"}, {"", ""}, {"99999999999999999", "99999999999999999"}};
        for (const auto &[typed, shown] : cases) {
            drive::control<QLineEdit>(wizard.w, "ch6m")->setText(QString::fromUtf8(typed));
            drive::control<QLineEdit>(wizard.w, "ch17m")->setText(QString::fromUtf8(typed));
            TFormbil *page = wizard.print();
            QVERIFY2(page, typed);
            QCOMPARE(printed::item(*page, "qvalm7"), QString::fromUtf8(shown));
            QCOMPARE(printed::item(*page, "ch17m"), QString::fromUtf8(shown));
            QVERIFY(closeAll(wizard));
        }
    }

    // An entered amount that is not a number stops the printing before
    // anything is shown: the error is reported and no window stays.
    void failedConversionMakesNoWindow_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::newRow("salary with a separator") << "ch1m" << "1,000";
        QTest::newRow("spouse's withheld tax empty") << "ch16f" << "";
        QTest::newRow("spouse's one-time payment") << "ch3f" << "12a";
    }

    void failedConversionMakesNoWindow()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        printed::Wizard wizard;
        QVERIFY(wizard.toRefundPage(walk::sampleReturn(MaritalStatus::single), {}));
        auto *entry = drive::control<QLineEdit>(wizard.w, qPrintable(field));
        const QString before = entry->text();
        entry->setText(typed);
        wizard.messages.clear();

        QVERIFY(!wizard.print());
        QTRY_COMPARE(wizard.messages.texts, QStringList{QStringLiteral("'%1' is not a valid floating point value").arg(typed)});
        QCOMPARE(wizard.messages.kinds, QStringList{"errorReport"});
        QCOMPARE(liveWindows<TFormbil>(), 0);
        QVERIFY(!anyPreviewOpen());
        QCOMPARE(wizard.w->solve->currentWidget(), static_cast<QWidget *>(wizard.w->TabSheet6));

        entry->setText(before);
        QVERIFY(wizard.print());
        QVERIFY(closeAll(wizard));
    }

    void previewOpensAtOnceAndClosingItClosesTheWindow()
    {
        printed::Wizard wizard;
        QVERIFY(wizard.toRefundPage(walk::sampleReturn(MaritalStatus::married1), {}));
        TFormbil *page = wizard.print();
        QVERIFY(page);
        QCOMPARE(page->objectName(), QString("Formbil"));
        QCOMPARE(page->windowTitle(), QString("ออกใบเสร็จ"));
        QVERIFY(page->isVisible());
        QVERIFY(page->windowState() & Qt::WindowMaximized);
        QVERIFY(page->preview() && page->preview()->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), static_cast<QWidget *>(page->preview()));
        QCOMPARE(page->BitBtn2->text(), QString("พิมพ์"));
        QCOMPARE(page->BitBtn1->text(), QString("ปิด"));
        QCOMPARE(page->N1->text(), QString("&พิมพ์"));
        QCOMPARE(page->N2->text(), QString("&ออก"));
        QCOMPARE(page->popprint->actions().size(), 2);

        // The print button again brings the open preview forward.
        page->BitBtn2Click();
        QCOMPARE(page->findChildren<QPrintPreviewDialog *>().size(), 1);

        QVERIFY(closeAll(wizard));
        QVERIFY(!anyPreviewOpen());
        // The wizard has the keyboard back, on the button that printed.
        QTRY_COMPARE(drive::focusName(), QString("Button1"));

        // A later print shows the wizard as it is then, in a fresh window.
        drive::control<QLineEdit>(wizard.w, "name1")->setText(QStringLiteral("สมหญิง"));
        page = wizard.print();
        QVERIFY(page);
        QCOMPARE(printed::item(*page, "qname1"), QString("สมหญิง"));
        QCOMPARE(liveWindows<TFormbil>(), 1);
        QVERIFY(closeAll(wizard));
    }

    void closeButtonAndExitItemCloseTheWindow_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("BitBtn1") << false;
        QTest::newRow("N2") << true;
    }

    void closeButtonAndExitItemCloseTheWindow()
    {
        QFETCH(bool, byMenu);
        printed::Wizard wizard;
        QVERIFY(wizard.toRefundPage(walk::sampleReturn(MaritalStatus::single), {}));
        TFormbil *page = wizard.print();
        QVERIFY(page);
        if (byMenu)
            page->N2->trigger();
        else
            page->BitBtn1->click();
        QTRY_COMPARE(liveWindows<TFormbil>(), 0);
        QVERIFY(!wizard.w->Formbil);
        QVERIFY(!anyPreviewOpen());
    }

    void previewSavesThePageAsPdf()
    {
        printed::Wizard wizard;
        QVERIFY(wizard.toRefundPage(walk::sampleReturn(MaritalStatus::single), {}));
        TFormbil *page = wizard.print();
        QVERIFY(page);
        wizard.messages.clear();
        report::ReturnPreview &preview = *page->preview();
        QTemporaryDir dir;
        QString suggested;
        preview.chooseFile = [&](QWidget *, const QString &name) {
            suggested = name;
            return dir.filePath("my return");
        };
        preview.savePdf->trigger();
        QVERIFY(suggested.endsWith("VARO91-1101700203450.pdf"));
        // Written under the name the dialog gave, which it has asked about.
        QVERIFY(!QFile::exists(dir.filePath("my return.pdf")));
        QFile saved(dir.filePath("my return"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.read(5) == "%PDF-");
        QVERIFY(wizard.messages.texts.isEmpty());

        preview.chooseFile = [&](QWidget *, const QString &) { return dir.filePath("no such folder/return.pdf"); };
        preview.savePdf->trigger();
        QTRY_COMPARE(wizard.messages.texts.size(), 1);
        QVERIFY(wizard.messages.texts.first().startsWith("บันทึกแฟ้ม "));
        QVERIFY(preview.isVisible());

        // A file that opens but takes no data, as on a full disk.
        if (QFile::exists("/dev/full")) {
            QVERIFY(QFile::link("/dev/full", dir.filePath("full.pdf")));
            preview.chooseFile = [&](QWidget *, const QString &) { return dir.filePath("full.pdf"); };
            preview.savePdf->trigger();
            QTRY_COMPARE(wizard.messages.texts.size(), 2);
            QVERIFY(wizard.messages.texts.last().startsWith("บันทึกแฟ้ม "));
        }
        QVERIFY(closeAll(wizard));
    }

    // The file dialog adds the suffix before it checks for an existing file,
    // so the replace question comes for the file that is then written.
    void savingAsksBeforeReplacingTheFileItWrites_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("written");
        QTest::newRow("new file, no question") << "r02" << false << int(QMessageBox::NoButton) << true;
        QTest::newRow("without the suffix, replaced") << "r02" << true << int(QMessageBox::Yes) << true;
        QTest::newRow("without the suffix, kept") << "r02" << true << int(QMessageBox::No) << false;
        QTest::newRow("with the suffix, kept") << "r02.pdf" << true << int(QMessageBox::No) << false;
    }

    void savingAsksBeforeReplacingTheFileItWrites()
    {
        QFETCH(QString, typed);
        QFETCH(bool, exists);
        QFETCH(int, answer);
        QFETCH(bool, written);
        QTemporaryDir dir;
        QFile target(dir.filePath("r02.pdf"));
        if (exists) {
            QVERIFY(target.open(QIODevice::WriteOnly));
            target.write("kept");
            target.close();
        }
        QObject owner;
        const report::PrintedPage page(owner);
        report::ReturnPreview preview(page, QStringLiteral("VARO91.pdf"), {}, nullptr);
        preview.chooseFile = [&, ask = preview.chooseFile](QWidget *parent, const QString &) {
            return ask(parent, dir.filePath("VARO91.pdf"));
        };
        QString question;
        whenShown<QFileDialog>([&](QFileDialog *dialog) {
            if (exists) {
                whenShown<QMessageBox>([&, dialog](QMessageBox *box) {
                    question = box->text();
                    box->button(QMessageBox::StandardButton(answer))->click();
                    if (answer == QMessageBox::No)
                        QTimer::singleShot(0, dialog, &QDialog::reject);
                });
            }
            auto *name = dialog->findChild<QLineEdit *>("fileNameEdit");
            name->setText(typed);
            QTest::keyClick(name, Qt::Key_Return);
        });
        preview.savePdf->trigger();

        QCOMPARE(question.startsWith("r02.pdf"), exists);
        QVERIFY(target.open(QIODevice::ReadOnly));
        QCOMPARE(target.read(5) == "%PDF-", written);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"r02.pdf"});
    }

    // Printing to a file from the print dialog suggests the PDF save's name.
    void printDialogSuggestsThePdfFileName()
    {
        printed::Wizard wizard;
        QVERIFY(wizard.toRefundPage(walk::sampleReturn(MaritalStatus::single), {}));
        TFormbil *page = wizard.print();
        QVERIFY(page);
        QPrintDialog dialog(page->preview()->printer());
        auto *fileName = dialog.findChild<QLineEdit *>("filename");
        QVERIFY(fileName);
        QCOMPARE(QFileInfo(fileName->text()).fileName(), QString("VARO91-1101700203450.pdf"));
        QCOMPARE(page->preview()->printer()->docName(), report::documentName());

        // Printed into that file, the page's text reads as printed too.
        QTemporaryDir dir;
        page->preview()->printer()->setOutputFileName(dir.filePath("printed.pdf"));
        page->preview()->findChild<QPrintPreviewWidget *>()->print();
        QFile file(dir.filePath("printed.pdf"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QString error;
        const QString text = pdfText(file.readAll(), &error);
        QVERIFY2(text.contains(QStringLiteral("เลขประจำตัวผู้เสียภาษี")), qPrintable(error + text.left(200)));
        QVERIFY(closeAll(wizard));
    }
};

QTEST_MAIN(PrintedReturnTest)
#include "printed_return_test.moc"
