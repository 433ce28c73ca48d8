// What a screen reader finds in the wizard: every field and value label named
// by its line and person, every computed line described by why it shows its
// figure, covered areas hidden from it until they come to the front, and the
// window a frame.
#include "accessibility.h"
#include "attachment_wizard.h"
#include "fonts.h"
#include "formsolve.h"
#include "income_page.h"
#include "return_display.h"
#include "wizard_walk.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

#include <memory>

namespace {

QAccessibleInterface *accessible(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

// A name that says more than a figure or "บาท".
bool meaningful(const QString &name)
{
    static const QRegularExpression figure(QStringLiteral("^\\s*[-(]?\\s*[\\d,]+(\\.\\d+)?\\)?\\s*$"));
    return !name.trimmed().isEmpty() && name.trimmed() != QStringLiteral("บาท") && !figure.match(name).hasMatch();
}

bool hidden(QWidget *widget)
{
    return accessible(widget)->state().invisible;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ui::installFontSubstitutions();
        ui::installAccessibility();
    }

    void everyFieldAndLineIsNamed_data()
    {
        QTest::addColumn<QString>("area");
        for (const char *area : {"first", "TabSheet1", "TabSheet2", "TabSheet3", "TabSheet4", "TabSheet5", "TabSheet6", "compute1"})
            QTest::newRow(area) << area;
    }

    void everyFieldAndLineIsNamed()
    {
        QFETCH(QString, area);
        TFormsolve w(nullptr, nullptr);
        QWidget *shown = w.findChild<QWidget *>(area);
        QVERIFY(shown);
        int fields = 0;
        for (QLineEdit *field : shown->findChildren<QLineEdit *>()) {
            ++fields;
            const QString name = accessible(field)->text(QAccessible::Name);
            QVERIFY2(meaningful(name), qPrintable(field->objectName() + ": '" + name + "'"));
        }
        QVERIFY(fields > 0 || area == "TabSheet2");
        // Every line of the return names its line and person, and says
        // what it is even before it is computed.
        for (std::size_t i = 0; i < model::kShownCount; ++i) {
            const std::string_view name = model::nameOf(model::Shown(i));
            auto *label = shown->findChild<QLabel *>(QString::fromLatin1(name.data(), qsizetype(name.size())));
            if (!label)
                continue;
            const QString accessibleName = accessible(label)->text(QAccessible::Name);
            QVERIFY2(meaningful(accessibleName), qPrintable(label->objectName() + ": '" + accessibleName + "'"));
            const bool spouse = label->objectName().endsWith(QLatin1Char('f')) || label->objectName().endsWith(QLatin1Char('2'));
            QVERIFY2(accessibleName.contains(spouse ? QStringLiteral("คู่สมรส") : QStringLiteral("ผู้มีเงินได้")),
                     qPrintable(label->objectName() + ": '" + accessibleName + "'"));
            QVERIFY2(!accessible(label)->text(QAccessible::Description).isEmpty(), qPrintable(label->objectName()));
        }
    }

    void theWindowIsAFrameNamedByItsCaption()
    {
        TFormsolve w(nullptr, nullptr);
        QCOMPARE(accessible(&w)->role(), QAccessible::Window);
        QCOMPARE(accessible(&w)->text(QAccessible::Name), QStringLiteral("บริการคำนวณ VARO. 91"));
    }

    // While an area is in front, what lies under it is hidden from a screen
    // reader as it is from Tab and clicks, and comes back with it.
    void coveredAreasAreHiddenUntilInFront()
    {
        TFormsolve w(nullptr, nullptr);
        QVERIFY(drive::showAndActivate(&w));
        QVERIFY(!hidden(w.first->id1));
        QVERIFY(hidden(w.TabSheet1->ch1m));
        QVERIFY(hidden(w.compute1->com1m));
        w.first->ok1->click();
        QVERIFY(hidden(w.first->id1));
        QVERIFY(!hidden(w.TabSheet1->ch1m));
        QVERIFY(hidden(w.compute1->com1m));

        // The severance panel hides the attachment's fields beneath it, not
        // its heading above it.
        w.TabSheet3->Panel82->ask();
        QVERIFY(hidden(w.TabSheet3->ch6m));
        w.openPage(w.TabSheet3);
        w.TabSheet3->Panel82->ok2->click();
        w.openPage(w.TabSheet3);
        QVERIFY(!hidden(w.TabSheet3->ch6m));
        w.openPage(w.TabSheet4);
        QTest::mouseClick(w.TabSheet4->computebutton, Qt::LeftButton);
        QVERIFY(!hidden(w.compute1->com1m));
        QVERIFY(hidden(w.TabSheet4->ch11m));
        QVERIFY(!hidden(w.TabSheet4->heading));
        QTest::mouseClick(w.compute1->BitBtn5, Qt::LeftButton);
        QVERIFY(!hidden(w.TabSheet4->ch11m));
        QVERIFY(hidden(w.compute1->com1m));
    }

    // Each computed line's tooltip and description say why, from the same
    // computation that fills the label.
    void aLineSaysWhyItShowsItsFigure()
    {
        AttachmentWizard a;
        QVERIFY(a.open());
        a.enter("ch11m", "100000");
        a.enter("ch14m", "300000");
        QLabel *item6 = a.w->TabSheet4->total8m;
        QCOMPARE(item6->text(), QStringLiteral("  400,000.00"));
        const QString why = QStringLiteral("ข้อ 4 100,000.00 + ข้อ 5 300,000.00 = 400,000.00");
        QCOMPARE(item6->toolTip(), why);
        QCOMPARE(accessible(item6)->text(QAccessible::Description), why);
        QCOMPARE(accessible(item6)->text(QAccessible::Name), QStringLiteral("ใบแนบ เงินได้ 6. รวมทั้งสิ้น ผู้มีเงินได้ 400,000.00"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
