// The GUI monkey: thousands of random steps from a seeded random source
// through whole returns, from the main window's start button to the refund
// page's close button and again. Fails on an exception that reaches the event
// loop, a message box that keeps coming back, the focus left where no user
// can see or use it, a refused field that changed the ledger, or a dialog or
// printed-return window left open; a crash or a sanitizer report ends the
// process after the last steps are written to stderr.
//
// The step count and seed come from VARO_MONKEY_STEPS and VARO_MONKEY_SEED or
// from --steps N and --seed S; VARO_MONKEY_TRACE=1 prints every step,
// VARO_MONKEY_KEEP_GOING=1 reports every fault instead of stopping at the
// first, and VARO_MONKEY_FORWARD sets how many steps in a hundred take the
// return forward (30).
#include "fonts.h"
#include "formsolve.h"
#include "modal_answerer.h"
#include "monkey_walk.h"
#include "personal_data_area.h"
#include "return_ledger.h"
#include "step_log.h"
#include "walk_checks.h"
#include "window_driver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include <cstring>
#include <exception>
#include <stdexcept>
#include <vector>

namespace {

// Short enough for CI under the sanitizers; scripts/monkey runs longer walks.
constexpr int kDefaultSteps = 5000;
constexpr std::uint64_t kDefaultSeed = 91;
// A walk at least this long must have reached every place.
constexpr int kStepsForFullCoverage = 1500;

int g_steps = kDefaultSteps;
std::uint64_t g_seed = kDefaultSeed;

// Records an exception that a handler let through to the event loop instead
// of letting it end the program, so that the step that caused it fails.
class MonkeyApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception &error) {
            monkey::recordEscapedException(QString::fromLocal8Bit(error.what()));
        } catch (...) {
            monkey::recordEscapedException(QStringLiteral("an exception of unknown type"));
        }
        return false;
    }
};

QtMessageHandler g_testHandler = nullptr;

// The offscreen platform says at every window shown that it cannot raise it
// or pass on size hints; thousands of steps would drown the report in that.
void quietPlatformHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1StringView("This plugin does not support")))
        return;
    if (g_testHandler)
        g_testHandler(type, context, message);
}

// An object whose handler lets an exception through, as a faulty handler would.
class Throwing : public QObject {
public:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::User)
            throw std::runtime_error("thrown by a handler");
        return QObject::event(event);
    }
};

bool environmentFlag(const char *name)
{
    return qEnvironmentVariableIntValue(name) != 0;
}

// Takes --steps and --seed out of the arguments, which QtTest would refuse.
std::vector<char *> takeOwnArguments(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet("VARO_MONKEY_STEPS"))
        g_steps = qEnvironmentVariableIntValue("VARO_MONKEY_STEPS");
    if (qEnvironmentVariableIsSet("VARO_MONKEY_SEED"))
        g_seed = qgetenv("VARO_MONKEY_SEED").toULongLong();
    std::vector<char *> rest;
    for (int i = 0; i < argc; ++i) {
        if (i + 1 < argc && std::strcmp(argv[i], "--steps") == 0) {
            g_steps = QByteArray(argv[++i]).toInt();
        } else if (i + 1 < argc && std::strcmp(argv[i], "--seed") == 0) {
            g_seed = QByteArray(argv[++i]).toULongLong();
        } else {
            rest.push_back(argv[i]);
        }
    }
    return rest;
}

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ui::installFontSubstitutions();
        g_testHandler = qInstallMessageHandler(quietPlatformHandler);
        monkey::setTrace(environmentFlag("VARO_MONKEY_TRACE"));
        monkey::startLog(g_seed, g_steps);
    }

    // The checks of the walk, each shown the fault it looks for.
    void aChangedAmountIsADifferenceButTheWorkingValueIsNot()
    {
        tax::ReturnLedger before;
        before.taxpayer.entries[tax::entry::line1] = tax::baht(1000);
        tax::ReturnLedger after = before;
        after.badChar = 1;
        QVERIFY(monkey::ledgerDifference(before, after).isEmpty());
        after.spouse.totals[tax::total::line17] = 1;
        QVERIFY(!monkey::ledgerDifference(before, after).isEmpty());
        after = before;
        after.common[tax::shared::jointLine19] = 1;
        QVERIFY(!monkey::ledgerDifference(before, after).isEmpty());
    }

    void anExceptionThatReachesTheEventLoopIsRecorded()
    {
        Throwing throwing;
        QEvent event(QEvent::User);
        QCoreApplication::sendEvent(&throwing, &event);
        QCOMPARE(monkey::takeEscapedExceptions(), QStringList{"thrown by a handler"});
        QVERIFY(monkey::takeEscapedExceptions().isEmpty());
    }

    void aMessageBoxShownAThirdTimeInOneStepIsALoop()
    {
        monkey::ModalAnswerer answerer(g_seed);
        for (int times : {2, 3}) {
            answerer.beginStep(times);
            for (int i = 0; i < times; ++i)
                QMessageBox(QMessageBox::NoIcon, "monkey", "again", QMessageBox::Ok).exec();
            QCOMPARE(answerer.step().boxTexts.size(), times);
            QCOMPARE(answerer.step().looped, times > 2);
        }
    }

    void theFocusUnderAnotherControlIsAFault()
    {
        TFormsolve wizard(nullptr, nullptr);
        QVERIFY(drive::showAndActivate(&wizard));
        wizard.first->id1->setFocus();
        QCOMPARE(monkey::focusFault(wizard), QString());
        QLabel over(wizard.first->id1->parentWidget());
        over.setObjectName("over");
        over.setGeometry(wizard.first->id1->geometry());
        over.show();
        QVERIFY(monkey::focusFault(wizard).contains("over"));
    }

    void randomStepsThroughWholeReturnsFindNoFault()
    {
        const bool keepGoing = environmentFlag("VARO_MONKEY_KEEP_GOING");
        QElapsedTimer clock;
        clock.start();
        monkey::MonkeyWalk walk(g_seed);
        QStringList allFaults;
        for (int step = 0; step < g_steps; ++step) {
            const QStringList faults = walk.step(step);
            for (const QString &fault : faults) {
                monkey::dumpLog(qPrintable(fault));
                allFaults << QStringLiteral("step %1: %2").arg(step).arg(fault);
            }
            if (!faults.isEmpty() && !keepGoing)
                break;
        }
        qInfo("monkey: %s in %lld ms", qPrintable(walk.summary()), static_cast<long long>(clock.elapsed()));
        QVERIFY2(allFaults.isEmpty(), qPrintable(allFaults.join(QLatin1Char('\n'))));
        if (g_steps >= kStepsForFullCoverage) {
            const QStringList gaps = walk.gaps();
            QVERIFY2(gaps.isEmpty(), qPrintable(gaps.join(QStringLiteral("; "))));
        }
    }
};

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::vector<char *> arguments = takeOwnArguments(argc, argv);
    // QtTest stops a test function after five minutes; a long walk needs longer.
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(300000 + qint64(g_steps) * 100));
    int count = int(arguments.size());
    MonkeyApplication app(count, arguments.data());
    MonkeyTest test;
    return QTest::qExec(&test, count, arguments.data());
}

#include "monkey_test.moc"
