// One return walked with the keyboard from the personal data area to the
// question panel, checking every line the entry pages show.
#include "allowances_page.h"
#include "expenses_page.h"
#include "fonts.h"
#include "formsolve.h"
#include "income_page.h"
#include "message_catcher.h"
#include "screenshot.h"
#include "wizard_walk.h"

#include <QLabel>
#include <QTest>

class EntryWalkTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutions(); }

    void singleWalk()
    {
        MessageCatcher messages;
        TFormsolve w(nullptr, nullptr);
        QVERIFY(drive::showAndActivate(&w));
        walk::Return r;
        walk::toQuestion(w, r);
        QCOMPARE(messages.texts, QStringList());
    }
};

QTEST_MAIN(EntryWalkTest)
#include "entry_walk_test.moc"
