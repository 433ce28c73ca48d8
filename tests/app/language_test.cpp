// The English interface: with English chosen, no window of a whole return
// (the main window, the about box, every page and panel of the wizard, the
// printed return's window and its preview) shows or names anything in Thai
// but the printed form itself, and neither do the return's messages and
// reasons; the runtime's conversion errors keep their wording. In Thai, Qt's
// own preview speaks Thai.
#include "about_box.h"
#include "fonts.h"
#include "language.h"
#include "main_window.h"
#include "model_walk.h"
#include "page_surface.h"
#include "printed_return.h"
#include "shown_texts.h"

#include <QPrintPreviewWidget>
#include <QTest>
#include <QToolBar>

namespace {

// Names a person types are theirs; these are in Latin letters.
walk::Return latinReturn(tax::MaritalStatus status)
{
    walk::Return r = walk::sampleReturn(status);
    r.taxpayer.name = QStringLiteral("Mr. John");
    r.taxpayer.surname = QStringLiteral("Smith");
    r.spouse.name = QStringLiteral("Mrs. Jane");
    r.spouse.surname = QStringLiteral("Smith");
    return r;
}

// The printed page and its preview show the Thai form: left out.
bool theForm(const QObject &o)
{
    return qobject_cast<const report::PageSurface *>(&o) || qobject_cast<const QPrintPreviewWidget *>(&o);
}

void addStatuses()
{
    QTest::addColumn<tax::MaritalStatus>("status");
    QTest::newRow("single") << tax::MaritalStatus::single;
    QTest::newRow("married1") << tax::MaritalStatus::married1;
    QTest::newRow("married3") << tax::MaritalStatus::married3;
    QTest::newRow("married4") << tax::MaritalStatus::married4;
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutions(); }
    void cleanup() { ui::setLanguage(ui::Language::thai); }

    void inEnglishNoWindowOfAReturnSpeaksThai_data() { addStatuses(); }

    void inEnglishNoWindowOfAReturnSpeaksThai()
    {
        QFETCH(tax::MaritalStatus, status);
        ui::setLanguage(ui::Language::english);
        QList<shown::Text> texts;

        Tabout about;
        TFmain main(&about);
        about.show();
        // The language item names Thai in Thai, for the way back.
        texts << shown::texts(main, [&main](const QObject &o) { return &o == main.N3; }) << shown::texts(about);

        printed::Wizard wizard;
        QVERIFY(wizard.toRefundPage(latinReturn(status), {"30000", "0", "1000", "0"}));
        texts << shown::texts(*wizard.w);
        QVERIFY2(!wizard.messages.texts.isEmpty(), "the return's capped allowance says so");
        for (const QString &message : std::as_const(wizard.messages.texts))
            texts.append({QStringLiteral("message"), message});

        TFormbil *page = wizard.print();
        QVERIFY(page && page->preview());
        texts << shown::texts(*page, theForm) << shown::texts(*page->preview(), theForm);
        printed::closePreview(*page);

        QVERIFY2(shown::matching(texts, shown::hasThai).isEmpty(), qPrintable(shown::matching(texts, shown::hasThai)));
    }

    // What the return model writes: the attachment's headings and every
    // line's reason, the severance panel's included; the conversion error as
    // the runtime words it.
    void inEnglishTheReturnsReasonsAndMessagesAreEnglish_data() { addStatuses(); }

    void inEnglishTheReturnsReasonsAndMessagesAreEnglish()
    {
        QFETCH(tax::MaritalStatus, status);
        ui::setLanguage(ui::Language::english);
        model::ReturnModel m;
        QVERIFY(modelwalk::forward(m, modelwalk::sampleReturn(status)).empty());
        QList<shown::Text> texts;
        // The attachment's headings repeat the names as typed, after their captions.
        QVERIFY(m.display().text(model::Shown::csurname1).starts_with("Surname  "));
        for (std::size_t i = 0; i < model::kShownCount; ++i) {
            const QString name = QString::fromLatin1(model::nameOf(model::Shown(i)));
            if (!name.startsWith('c') || name.startsWith(QStringLiteral("com")))
                texts.append({name, QString::fromStdString(m.display().texts[i])});
            texts.append({name + QStringLiteral(" reason"), QString::fromStdString(m.display().why[i])});
        }
        QVERIFY(!m.display().reason(model::Shown::total19m).empty());
        QVERIFY2(shown::matching(texts, shown::hasThai).isEmpty(), qPrintable(shown::matching(texts, shown::hasThai)));

        QCOMPARE(m.ch2mExit("abc").messages, std::vector<std::string>{"Please enter digits only  !!!"});
        QCOMPARE(m.ch6mExit("1,000").error, std::optional<std::string>("'1,000' is not a valid floating point value"));
    }

    void inThaiQtsPreviewToolbarSpeaksThai()
    {
        ui::setLanguage(ui::Language::thai);
        printed::Wizard wizard;
        QVERIFY(wizard.toRefundPage(walk::sampleReturn(tax::MaritalStatus::married4), {}));
        TFormbil *page = wizard.print();
        QVERIFY(page && page->preview());
        auto *toolBar = page->preview()->findChild<QToolBar *>();
        QVERIFY(toolBar);
        const QList<shown::Text> texts = shown::texts(*toolBar);
        QVERIFY(texts.size() > 20);
        QVERIFY2(shown::matching(texts, shown::hasEnglishWord).isEmpty(),
                 qPrintable(shown::matching(texts, shown::hasEnglishWord)));
        QCOMPARE(page->preview()->windowTitle(), QString("แบบแสดงรายการภาษีเงินได้บุคคลธรรมดา ภ.ง.ด. 91"));
        printed::closePreview(*page);
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
