// The attachment page: the question panel's answers, the employer rows, the
// items, the compute button's guard, lines 2 to 7 and the page's focus order.
#include "attachment_page.h"
#include "fonts.h"
#include "formsolve.h"
#include "message_catcher.h"
#include "run_ledger.h"
#include "screenshot.h"
#include "severance_panel.h"
#include "window_driver.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

using tax::baht;

namespace {

// A wizard whose pages are in front, with the attachment page opened by the
// answer "ใช่".
struct Attachment {
    std::unique_ptr<TFormsolve> w = std::make_unique<TFormsolve>(nullptr, nullptr);
    AttachmentPage &page = *w->TabSheet4;
    MessageCatcher messages;

    // The window is shown only once the page is open, so that the focus
    // starts on the page and no field of the personal data area is left.
    bool open()
    {
        w->areas().bringToFront(w->solve);
        page.answerYes();
        return drive::showAndActivate(w.get());
    }

    template <typename T = QWidget>
    T *control(const char *name) const { return drive::control<T>(w.get(), name); }

    QString text(const char *name) const { return control<QLabel>(name)->text(); }

    // Types into a field and leaves it with Tab.
    void enter(const char *name, const QString &value)
    {
        drive::typeInto(control<QLineEdit>(name), value);
        drive::tab();
    }
};

} // namespace

class AttachmentPageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutions(); }

    void pageShowsEveryCaptionInFull()
    {
        Attachment a;
        QVERIFY(a.open());
        a.enter("ch11m", "1234567.89");
        a.enter("ch11f", "1234567.89");
        qDebug() << a.page.entryFields->autoFillBackground() << a.page.children();
        saveScreenshot(a.w.get(), "attachment_page");
        a.page.answerNo();
        saveScreenshot(a.w.get(), "attachment_cover");
    }
};

QTEST_MAIN(AttachmentPageTest)
#include "attachment_page_test.moc"
