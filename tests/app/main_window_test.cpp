// The main window: the usage counter panel, its keys and clicks, the modal
// wizard it opens, the about box and its picture, and that closed wizards are
// released.
#include "about_box.h"
#include "artwork.h"
#include "fonts.h"
#include "formsolve.h"
#include "language.h"
#include "live_windows.h"
#include "main_window.h"
#include "messages.h"
#include "picture_view.h"
#include "program.h"
#include "sheet_controls.h"
#include "shown_texts.h"
#include "window_driver.h"

#include "bevel_panel.h"

#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QUrl>

namespace {

TFormsolve *openWizard(TFmain &main)
{
    QTest::mouseClick(main.BitBtn2, Qt::LeftButton);
    return main.findChild<TFormsolve *>("Formsolve");
}

void closeWizard(TFormsolve *wizard)
{
    wizard->Close1->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void clickThroughWindow(QWidget *button)
{
    const QPoint inWindow = button->mapTo(button->window(), button->rect().center());
    QTest::mouseClick(button->window()->windowHandle(), Qt::LeftButton, {}, inWindow);
}

// Resident memory in kB.
long residentKb()
{
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * 4 : -1;
}

// What a title bar under X11 shows for a window's title: the window systems
// append the application's display name unless it was never set or the title
// already ends with it. An unset display name follows the application name.
QString titleBarText(const QString &title)
{
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(name + QStringLiteral("-probe"));
    const QString display = QGuiApplication::applicationDisplayName();
    const bool displayNameSet = display != QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(name);
    if (!displayNameSet || title.endsWith(display))
        return title;
    return title + QStringLiteral(" \u2014 ") + display;
}

constexpr bool kSanitized =
#if defined(__SANITIZE_ADDRESS__)
    true;
#else
    false;
#endif

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutions(); }

    void f9BeforeAnyUseShowsZero()
    {
        TFmain main;
        QVERIFY(drive::showAndActivate(&main));
        QVERIFY2(!main.Panel1, "the counter panel is built when it is first needed");
        QTest::keyClick(&main, Qt::Key_F9);
        QVERIFY(main.Panel1->isVisible());
        for (const char *name : {"Panel1", "Panel2", "Panel3", "Panel4", "Label1", "Label2", "Label3", "Label4",
                                 "Lcount", "Button1"})
            QVERIFY2(main.findChild<QWidget *>(name), name);
        QCOMPARE(main.Lcount->text(), QString("0"));
        QCOMPARE(drive::focus(), main.Button1);
        QVERIFY2(!main.BitBtn2->isEnabled(), "the covered buttons cannot be reached");
    }

    void eachStartCountsOneUse()
    {
        TFmain main;
        QVERIFY(drive::showAndActivate(&main));
        for (int i = 0; i < 3; ++i) {
            TFormsolve *wizard = openWizard(main);
            QVERIFY(wizard);
            QVERIFY(wizard->isVisible());
            closeWizard(wizard);
            QVERIFY(drive::showAndActivate(&main));
        }
        QTest::keyClick(&main, Qt::Key_F9);
        QCOMPARE(main.Lcount->text(), QString("3"));
    }

    void f10ClosesTheProgramAlsoWhileThePanelIsShown()
    {
        TFmain main;
        QSignalSpy closed(&main, &TFmain::closed);
        QVERIFY(drive::showAndActivate(&main));
        QTest::keyClick(&main, Qt::Key_F9);
        QTest::keyClick(drive::focus(), Qt::Key_F10);
        QCOMPARE(closed.count(), 1);
        QVERIFY(!main.isVisible());
    }

    void thePanelHidesOnAClickOrAKey_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("click on the count") << "Lcount";
        QTest::newRow("click on the title") << "Label1";
        QTest::newRow("click on the inner panel") << "Panel4";
        QTest::newRow("back button") << "Button1";
        QTest::newRow("character key on the back button") << "key";
    }

    void thePanelHidesOnAClickOrAKey()
    {
        QFETCH(QString, how);
        TFmain main;
        QVERIFY(drive::showAndActivate(&main));
        main.N1->trigger();
        if (how == "key")
            QTest::keyClick(main.Button1, Qt::Key_A);
        else
            QTest::mouseClick(main.findChild<QWidget *>(how), Qt::LeftButton);
        QVERIFY(!main.Panel1->isVisible());
        QVERIFY(main.BitBtn2->isEnabled());
        if (how == "key" || how == "Button1")
            QCOMPARE(drive::focus(), main.BitBtn2);
    }

    // F8 speaks English to every window opened after it, the main window and
    // the hidden about box at once; F8 again gives back the Thai, unchanged.
    void f8SwitchesTheLanguageOfTheWindowsOpenedAfterIt()
    {
        Tabout about;
        TFmain main(&about);
        QVERIFY(drive::showAndActivate(&main));
        QCOMPARE(main.N3->text(), QString("English"));
        QCOMPARE(main.N3->shortcut(), QKeySequence(Qt::Key_F8));
        QVERIFY(!main.N3->isChecked());
        const auto wizardTexts = [&main] {
            TFormsolve *wizard = openWizard(main);
            QStringList texts;
            for (const shown::Text &t : shown::texts(*wizard))
                texts << t.where + ": " + t.text;
            closeWizard(wizard);
            drive::showAndActivate(&main);
            return texts;
        };
        const QStringList thai = wizardTexts();

        QTest::keyClick(&main, Qt::Key_F8);
        QCOMPARE(ui::language(), ui::Language::english);
        QTRY_COMPARE(main.N3->text(), QString("ภาษาไทย"));
        QVERIFY(main.N3->isChecked());
        QCOMPARE(main.BitBtn2->text(), QString("Start"));
        QCOMPARE(about.windowTitle(), QString("About the author"));
        QVERIFY(wizardTexts().contains("Formsolve caption: VARO. 91 Tax Calculator"));

        QTest::keyClick(&main, Qt::Key_F8);
        QCOMPARE(ui::language(), ui::Language::thai);
        QTRY_COMPARE(main.N3->text(), QString("English"));
        QCOMPARE(main.BitBtn2->text(), QString("เริ่มโปรแกรม"));
        QCOMPARE(about.windowTitle(), QString("เกี่ยวกับผู้เขียน"));
        QCOMPARE(wizardTexts(), thai);
    }

    void theWizardBlocksTheMainWindowButNotTheAboutBox()
    {
        Tabout about;
        TFmain main(&about);
        QVERIFY(drive::showAndActivate(&main));
        TFormsolve *wizard = openWizard(main);
        QVERIFY(drive::showAndActivate(wizard));
        QCOMPARE(wizard->windowModality(), Qt::WindowModal);
        QCOMPARE(main.Lcount->text(), QString("1"));
        // Clicks through the window system, where modality applies.
        clickThroughWindow(main.BitBtn2);
        QCOMPARE(main.findChildren<TFormsolve *>().size(), 1);
        QCOMPARE(main.Lcount->text(), QString("1"));

        wizard->About1->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QVERIFY(about.isVisible());
        clickThroughWindow(about.BitBtn1);
        QVERIFY(!about.isVisible());
        QVERIFY(wizard->isVisible());
        closeWizard(wizard);
    }

    void theAboutBoxClosesByEveryKeyAUserTries_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier);
        QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier);
        QTest::newRow("Alt+C") << int(Qt::Key_C) << int(Qt::AltModifier);
    }

    void theAboutBoxClosesByEveryKeyAUserTries()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        Tabout about;
        QVERIFY(drive::showAndActivate(&about));
        about.BitBtn1->setFocus();
        QTest::keyClick(drive::focus(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTRY_VERIFY(!about.isVisible());
    }

    // Start-up does not wait for the about box's contents: they are built when
    // the box is first shown, and the box then keeps its picture.
    void theAboutBoxIsBuiltWhenFirstShown()
    {
        Tabout about;
        QVERIFY(!about.Image1);
        QVERIFY(!about.BitBtn1);

        QVERIFY(drive::showAndActivate(&about));
        QCOMPARE(about.findChild<QWidget *>("Image1"), about.Image1);
        QCOMPARE(about.findChild<QWidget *>("BitBtn1"), about.BitBtn1);
        QTRY_VERIFY(!about.Image1->picture().isNull());
        const QPixmap shown = about.Image1->picture();
        QCOMPARE(shown.toImage(), aboutPicture(QSize(327, 140)).toImage());
        const QIcon close = about.style()->standardIcon(QStyle::SP_DialogCloseButton);
        QCOMPARE(about.BitBtn1->icon().pixmap(16).toImage(), close.pixmap(16).toImage());

        about.BitBtn1Click();
        QVERIFY(drive::showAndActivate(&about));
        about.Image1->repaint();
        QCOMPARE(about.Image1->picture().cacheKey(), shown.cacheKey());
    }

    // Both pictures are drawn for the device pixel ratio of the screen their
    // window is on (as many pixels as the widgets around them have), and anew
    // when the window moves to a screen with another ratio. Run on three
    // screens of 100 %, 150 % and 200 % as well (screens.json).
    void thePicturesAreDrawnAtTheScreensRatio()
    {
        const QList<QScreen *> screens = QGuiApplication::screens();
        if (qEnvironmentVariable("QT_QPA_PLATFORM").contains("screens.json"))
            QCOMPARE(screens.size(), 3);
        Tabout about;
        TFmain main(&about);
        main.show();
        about.show();
        for (QScreen *screen : screens) {
            const qreal ratio = screen->devicePixelRatio();
            for (QWidget *window : std::initializer_list<QWidget *>{&main, &about})
                window->move(screen->geometry().topLeft() + QPoint(40, 40));
            QTRY_COMPARE(main.devicePixelRatioF(), ratio);
            QTRY_COMPARE(main.Image1->picture().size(), QSize(400, 400) * ratio);
            QCOMPARE(main.Image1->picture().devicePixelRatio(), ratio);
            QCOMPARE(main.Image1->picture().toImage(), mainWindowPicture(ratio).toImage());
            QTRY_COMPARE(about.Image1->picture().size(), (QSizeF(327, 140) * ratio).toSize());
            QCOMPARE(about.Image1->picture().devicePixelRatio(), ratio);
        }
    }

    // Every window's title bar shows its caption alone, as the program sets
    // itself up at start-up.
    // The buttons' glyphs are read only at the sizes buttons draw them; they
    // are the style's own pictures.
    void theButtonsGlyphsAreTheStylesOwn()
    {
        for (const QStyle::StandardPixmap kind : {QStyle::SP_DialogOkButton, QStyle::SP_DialogCloseButton}) {
            const QIcon styles = QApplication::style()->standardIcon(kind);
            for (const int size : {16, 32})
                QCOMPARE(ui::glyph(kind).pixmap(size).toImage(), styles.pixmap(size).toImage());
        }
    }

    void theTitleBarsShowTheCaptionsExactly()
    {
        const Program program(*qApp);
        TFmain &main = program.mainWindow();
        QWidget *about = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets())
            about = window->objectName() == "about" ? window : about;
        QVERIFY(about);
        TFormsolve *wizard = openWizard(main);
        QVERIFY(wizard);
        QString messageTitle;
        QTimer::singleShot(0, [&messageTitle] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box) {
                messageTitle = box->windowTitle();
                box->accept();
            }
        });
        ui::showMessage(wizard, QStringLiteral("!!!"));

        const QString caption = QStringLiteral("บริการคำนวณ VARO. 91");
        const QList<std::pair<QString, QString>> titles = {
            {main.windowTitle(), caption},
            {about->windowTitle(), QStringLiteral("เกี่ยวกับผู้เขียน")},
            {wizard->windowTitle(), caption},
            {messageTitle, caption},
            {QStringLiteral("ออกใบเสร็จ"), QStringLiteral("ออกใบเสร็จ")}, // the printed return
        };
        for (const auto &[title, shown] : titles)
            QCOMPARE(titleBarText(title), shown);
        closeWizard(wizard);
    }

    void closedWizardsAreReleased()
    {
        TFmain main;
        QVERIFY(drive::showAndActivate(&main));
        closeWizard(openWizard(main));
        const long afterOne = residentKb();
        for (int i = 0; i < 50; ++i) {
            TFormsolve *wizard = openWizard(main);
            QVERIFY(wizard);
            QVERIFY(drive::showAndActivate(wizard));
            closeWizard(wizard);
        }
        QCOMPARE(liveWindows<TFormsolve>(), 0);
        QCOMPARE(main.Lcount->text(), QString("51"));
        const long afterFifty = residentKb();
        qInfo("resident memory after 1 wizard: %ld kB, after 51: %ld kB", afterOne, afterFifty);
        if (!kSanitized) // the address sanitizer keeps freed memory in quarantine
            QVERIFY2(afterFifty - afterOne < 4096, "memory grows with each wizard");
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
