// The printed return made from whole returns entered in the wizard: what each
// item of the page prints for each status, the line-28 rule, amounts typed in
// other forms, a failed conversion, and the window with its preview.
#include "fonts.h"
#include "page_output.h"
#include "printed_return.h"

#include <QLabel>
#include <QRadioButton>

Q_DECLARE_METATYPE(tax::MaritalStatus)

class PrintedReturnTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutions(); }

    void look()
    {
        printed::Wizard wizard;
        walk::Return r;
        r.status = tax::MaritalStatus::married4;
        r.taxpayerIncome = {"1000000", "50000", "0"};
        r.taxpayerAllowances = {"1", "1", "15000", "5000", "10000", "9000", "50000"};
        r.spouseIncome = {"800000", "0", "20000"};
        r.spouseAllowances = {"0", "2", "8000", "12000", "0", "9000", "10000"};
        QVERIFY(wizard.toRefundPage(r, {"92000", "0", "80000", "0"}));
        TFormbil *page = wizard.print();
        QVERIFY(page);
        report::pageImage(page->page(), 1.0).save("/tmp/page.png");
        report::writePdf(QStringLiteral("/tmp/page.pdf"), page->page());
        QTest::qWait(200);
        page->grab().save("/tmp/formbil.png");
        page->preview()->grab().save("/tmp/preview.png");
        printed::closePreview(*page);
        QTRY_VERIFY(!wizard.w->Formbil);
    }
};

QTEST_MAIN(PrintedReturnTest)
#include "printed_return_test.moc"
