// The wizard frame: creation, stacking of the areas, hidden tabs, the page
// change by the user and the popup menu.
#include "bevel_panel.h"
#include "allowances_page.h"
#include "attachment_page.h"
#include "expenses_page.h"
#include "formsolve.h"
#include "question_panel.h"
#include "income_page.h"
#include "severance_panel.h"
#include "personal_data_area.h"
#include "return_view.h"
#include "sheet_layout.h"
#include "window_driver.h"

#include "fonts.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace {

std::unique_ptr<TFormsolve> openWizard(QLabel *counter = nullptr, QWidget *about = nullptr)
{
    auto wizard = std::make_unique<TFormsolve>(counter, about);
    return wizard;
}

QStringList visibleTabs(const TFormsolve &w)
{
    QStringList captions;
    for (int i = 0; i < w.solve->count(); ++i) {
        if (w.solve->isTabVisible(i))
            captions << w.solve->tabText(i);
    }
    return captions;
}

// Fills the identity numbers that the personal data area checks, so that the
// field holding the focus lets it go, and presses the area's next button.
void leavePersonalData(TFormsolve &w)
{
    w.N1Click();
    w.first->ok1->click();
}

bool insideCoveredArea(TFormsolve &w, QWidget *control)
{
    for (QWidget *area : std::initializer_list<QWidget *>{w.first, w.solve, w.compute1}) {
        if (area != w.areas().front() && area->isAncestorOf(control))
            return true;
    }
    return false;
}

} // namespace

class FormsolveTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutions(); }

    // Every wizard's buttons share the same glyphs, so that opening wizard
    // after wizard adds nothing to Qt's pixmap cache.
    void wizardsShareTheirButtonGlyphs()
    {
        TFormsolve first(nullptr, nullptr), second(nullptr, nullptr);
        for (const char *name : {"Okbut1", "Okbut2", "BitBtn6", "BitBtn5", "ok2", "can2"}) {
            const auto *a = first.findChild<QPushButton *>(name);
            const auto *b = second.findChild<QPushButton *>(name);
            QVERIFY2(a && b && !a->icon().isNull(), name);
            QCOMPARE(a->icon().cacheKey(), b->icon().cacheKey());
        }
    }

    void newWizardStartsOnThePersonalDataAreaWithAClearLedger()
    {
        // A return entered in an earlier wizard is that wizard's alone.
        auto earlier = openWizard();
        earlier->returnModel().ok1Click(tax::MaritalStatus::married4, {});
        QVERIFY(earlier->returnModel().ch1fExit("456").taken());
        earlier->close();
        QLabel counter("41");
        auto w = openWizard(&counter);
        QCOMPARE(counter.text(), QString("42"));
        QCOMPARE(w->areas().front(), static_cast<QWidget *>(w->first));
        QVERIFY(w->first->isEnabled());
        QVERIFY(!w->solve->isEnabled());
        QVERIFY(!w->compute1->isEnabled());
        QVERIFY(w->ledger() == tax::ReturnLedger());
        QCOMPARE(w->solve->currentWidget(), w->TabSheet1);
        QCOMPARE(visibleTabs(*w), QStringList{"เงินได้พึงประเมิน"});
        QCOMPARE(w->windowTitle(), QString("บริการคำนวณ VARO. 91"));
        QVERIFY(w->windowState() & Qt::WindowMaximized);
    }

    void tabCaptionsAreSetAtCreation()
    {
        auto w = openWizard();
        const QStringList expected{"เงินได้พึงประเมิน", "ค่าใช้จ่าย", "ค่าลดหย่อน", "ใบแนบ",
                                   "การคำนวณภาษี", "คำร้องขอคืนเงินภาษี"};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(w->solve->tabText(i), expected[i]);
            QCOMPARE(w->solve->widget(i)->objectName(), QString("TabSheet%1").arg(i + 1));
        }
    }

    void ok1LeavesThePersonalDataAreaForTheIncomePage()
    {
        auto w = openWizard();
        QVERIFY(drive::showAndActivate(w.get()));
        leavePersonalData(*w);
        QCOMPARE(w->areas().front(), static_cast<QWidget *>(w->solve));
        QVERIFY(!w->first->isEnabled());
        QVERIFY(!w->compute1->isEnabled());
        QCOMPARE(visibleTabs(*w), QStringList{"เงินได้พึงประเมิน"});
        QCOMPARE(drive::focus(), w->TabSheet1);
        for (int i = 1; i < 6; ++i)
            QVERIFY2(!w->solve->isTabEnabled(i), "a hidden tab cannot be turned to");
    }

    void tabNeverReachesACoveredArea_data()
    {
        QTest::addColumn<bool>("leavePersonalData");
        QTest::newRow("personal data in front") << false;
        QTest::newRow("pages in front") << true;
    }

    void tabNeverReachesACoveredArea()
    {
        QFETCH(bool, leavePersonalData);
        auto w = openWizard();
        QVERIFY(drive::showAndActivate(w.get()));
        if (leavePersonalData)
            ::leavePersonalData(*w);
        else
            w->N1Click();
        for (int i = 0; i < 40; ++i) {
            QVERIFY(drive::focus());
            QVERIFY2(!insideCoveredArea(*w, drive::focus()), qPrintable(drive::focusName()));
            drive::tab();
        }
    }

    void enterInThePersonalDataAreaPressesOk1()
    {
        auto w = openWizard();
        QVERIFY(drive::showAndActivate(w.get()));
        w->N1Click();
        w->first->surname1->setFocus();
        drive::enter();
        QCOMPARE(w->areas().front(), static_cast<QWidget *>(w->solve));
    }

    void clickingAVisibleTabFocusesThePagesFirstControl()
    {
        auto w = openWizard();
        QVERIFY(drive::showAndActivate(w.get()));
        leavePersonalData(*w);
        w->openPage(w->TabSheet2);
        w->TabSheet2->p1->setFocus();
        QCOMPARE(visibleTabs(*w).size(), 2);
        QTabBar *bar = w->solve->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
        QCOMPARE(w->solve->currentWidget(), w->TabSheet1);
        QCOMPARE(drive::focus(), w->TabSheet1->ch1m);
    }

    // Each page names the control that takes the focus when the user turns
    // to it; the refund page leaves the focus where the page control puts it.
    void turningToAPageFocusesTheControlItNames_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("covered");
        QTest::addColumn<QString>("first");
        QTest::newRow("income") << 0 << false << "ch1m";
        QTest::newRow("expenses") << 1 << false << "p1";
        QTest::newRow("allowances") << 2 << false << "p3";
        QTest::newRow("attachment") << 3 << false << "nameboss1";
        QTest::newRow("attachment under its cover") << 3 << true << "BitBtn6";
        QTest::newRow("tax computation") << 4 << false << "Edit1";
        QTest::newRow("refund") << 5 << false << "<none>";
    }

    void turningToAPageFocusesTheControlItNames()
    {
        QFETCH(int, page);
        QFETCH(bool, covered);
        QFETCH(QString, first);
        auto w = openWizard();
        QVERIFY(drive::showAndActivate(w.get()));
        leavePersonalData(*w);
        w->openPage(w->TabSheet3);
        w->TabSheet3->Panel82->ask();
        (covered ? w->TabSheet3->Panel82->can2 : w->TabSheet3->Panel82->ok2)->click();
        drive::focus()->clearFocus();
        w->openPage(w->solve->widget(page));
        w->solveChange();
        QCOMPARE(drive::focusName(), first);
    }

    void aFieldThatRefusesKeepsThePage()
    {
        auto w = openWizard();
        auto *field = new QLineEdit(w->TabSheet2);
        int runs = 0;
        w->context().onExit(field, [&](QWidget *) {
            ++runs;
            w->exits().refuse(field);
        });
        QVERIFY(drive::showAndActivate(w.get()));
        leavePersonalData(*w);
        w->openPage(w->TabSheet2);
        field->setFocus();
        QTabBar *bar = w->solve->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
        QCOMPARE(runs, 1);
        QCOMPARE(w->solve->currentWidget(), w->TabSheet2);
        QCOMPARE(drive::focus(), field);
    }

    void openingAPageByCodeRunsNoPageChangeHandler()
    {
        auto w = openWizard();
        QVERIFY(drive::showAndActivate(w.get()));
        leavePersonalData(*w);
        w->TabSheet1->ch2m->setFocus();
        w->openPage(w->TabSheet2);
        QVERIFY(drive::focus() != w->TabSheet2->p1);
    }

    // Every label that shows an amount, on every page and panel, shows the
    // longest amount whole: those its line is laid out for in its own font
    // size, narrowed sideways at most to where Thai stays legible; the
    // largest amount there is in smaller figures.
    void everyAmountLabelShowsItsLongestAmountWhole_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<bool>("ownSize");
        QTest::newRow("999,999,999.99") << "999,999,999.99" << true;
        QTest::newRow("signed") << "-999,999,999.99" << true;
        QTest::newRow("in parentheses") << "(999,999,999.99)" << true;
        QTest::newRow("the largest, signed") << "-922,337,203,685,477.58" << false;
        QTest::newRow("the largest, in parentheses") << "(922,337,203,685,477.58)" << false;
    }

    void everyAmountLabelShowsItsLongestAmountWhole()
    {
        QFETCH(QString, amount);
        QFETCH(bool, ownSize);
        TFormsolve w(nullptr, nullptr);
        model::ReturnDisplay display = w.returnModel().display();
        std::vector<std::pair<QLabel *, int>> labels;
        for (std::size_t i = 0; i < model::kShownCount; ++i) {
            const auto shown = model::Shown(i);
            if (shown >= model::Shown::cname1 && shown <= model::Shown::cidtax2)
                continue;
            const std::string_view name = model::nameOf(shown);
            auto *label = w.findChild<QLabel *>(QString::fromLatin1(name.data(), qsizetype(name.size())));
            if (!label)
                continue;
            labels.emplace_back(label, label->font().pixelSize());
            display.texts[i] = amount.toStdString();
        }
        QVERIFY2(labels.size() >= 58, qPrintable(QString::number(labels.size())));
        w.returnView().show(display);
        QStringList faults;
        for (const auto &[label, pixels] : labels) {
            QRect ink;
            const int stretch = label->font().stretch();
            if (!sheet::inkOf(label, ink))
                faults << label->objectName() + " cuts it";
            else if (ownSize && (label->font().pixelSize() != pixels || (stretch != QFont::AnyStretch && stretch < 75)))
                faults << label->objectName() + " shrinks it";
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(", ")));
        // A short amount again gets the label's own font.
        display = w.returnModel().display();
        w.returnView().show(display);
        for (const auto &[label, pixels] : labels)
            QVERIFY2(label->font().pixelSize() == pixels && label->font().stretch() == QFont().stretch(),
                     qPrintable(label->objectName()));
        // A text set by other code shows whole once the label is painted.
        for (const auto &[label, pixels] : labels) {
            label->setText(amount);
            label->grab();
            QRect ink;
            QVERIFY2(sheet::inkOf(label, ink), qPrintable(label->objectName() + " cuts " + label->text()));
        }
    }

    // A window as large as the sheet shows it as it is; a smaller one (a small
    // screen, a large scale) scrolls it, and the control with the focus is
    // always in view.
    void theSheetScrollsOnlyInAWindowSmallerThanIt()
    {
        TFormsolve w(nullptr, nullptr);
        QVERIFY(drive::showAndActivate(&w));
        auto *view = w.findChild<QScrollArea *>("sheetView");
        QVERIFY(view);
        QWidget *sheet = w.findChild<QWidget *>("sheet");
        QTRY_VERIFY(w.width() >= sheet->width() && w.height() >= sheet->height());
        QVERIFY(!view->horizontalScrollBar()->isVisible() && !view->verticalScrollBar()->isVisible());
        QCOMPARE(sheet->mapTo(&w, QPoint(0, 0)), QPoint((w.width() - sheet->width()) / 2, (w.height() - sheet->height()) / 2));

        w.setMinimumSize(0, 0);
        w.showNormal();
        w.resize(600, 400);
        QTRY_VERIFY(view->verticalScrollBar()->isVisible());
        leavePersonalData(w);
        QWidget *next = w.TabSheet1->Okbut1;
        next->setFocus(Qt::TabFocusReason);
        const QRect shown(next->mapTo(view->viewport(), QPoint(0, 0)), next->size());
        QVERIFY(view->viewport()->rect().contains(shown));
    }

    void closeItemClosesTheWindowAndAboutShowsTheAboutBox()
    {
        QWidget about;
        auto w = openWizard(nullptr, &about);
        QVERIFY(drive::showAndActivate(w.get()));
        w->About1->trigger();
        QVERIFY(about.isVisible());
        QVERIFY(w->isVisible());
        w->Close1->trigger();
        QVERIFY(!w->isVisible());
        QCOMPARE(w->PopupMenu1->actions().size(), 3);
        QCOMPARE(w->N1->text(), QString("กรณีผู้ใช้เป็นชาวต่างชาติ"));
    }
};

QTEST_MAIN(FormsolveTest)
#include "formsolve_test.moc"
