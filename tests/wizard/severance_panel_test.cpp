// The severance panel: its opening for each person, lines 8 to 13, the
// radios, the focus between the halves and the OK button.
#include "attachment_page.h"
#include "fonts.h"
#include "formsolve.h"
#include "message_catcher.h"
#include "screenshot.h"
#include "severance_panel.h"
#include "window_driver.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace {

const QStringList kTaxpayerLineEight{"Label171", "Label173", "Label189", "Label191", "Label192", "Label193",
                                     "computecheck1", "computecheck2", "com1m", "com2m", "com3m"};
const QStringList kSpouseLineEight{"Label172", "Label174", "Label190", "Label194", "Label195", "Label196",
                                   "computecheck5", "computecheck6", "com1f", "com2f", "com3f"};

// The attachment page opened by the answer "ใช่", from which the panel is
// opened as a user does: items typed in, then the compute button.
struct Severance {
    std::unique_ptr<TFormsolve> w = std::make_unique<TFormsolve>(nullptr, nullptr);
    SeverancePanel &panel = *w->compute1;
    MessageCatcher messages;

    bool showPage()
    {
        w->areas().bringToFront(w->solve);
        w->TabSheet4->answerYes();
        return drive::showAndActivate(w.get());
    }

    QWidget *control(const QString &name) const { return w->findChild<QWidget *>(name); }
    QString text(const char *name) const { return w->findChild<QLabel *>(name)->text(); }
    QString field(const char *name) const { return w->findChild<QLineEdit *>(name)->text(); }

    // Types into a field and leaves it with Tab.
    void enter(const char *name, const QString &value)
    {
        drive::typeInto(w->findChild<QLineEdit *>(name), value);
        drive::tab();
    }

    void openPanel() { QTest::mouseClick(w->TabSheet4->computebutton, Qt::LeftButton); }
    bool panelInFront() const { return w->areas().front() == &panel; }
};

} // namespace

class SeverancePanelTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutions(); }

    void panelShowsEveryCaptionInFull()
    {
        Severance s;
        QVERIFY(s.showPage());
        s.enter("ch11m", "200000");
        s.enter("ch14f", "300000");
        s.openPanel();
        s.enter("com1f", "40000");
        s.enter("com2f", "10");
        saveScreenshot(s.w.get(), "severance_panel");
    }
};

QTEST_MAIN(SeverancePanelTest)
#include "severance_panel_test.moc"
