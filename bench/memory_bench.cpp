// Memory across many windows: 1,000 wizards opened by the start button,
// filled up to the question panel and closed; 1,000 more the same way with
// Qt's pixmap cache emptied before each sample; then 100 printed returns
// made by the print button and closed (other counts may be given as
// arguments). Resident memory is sampled after giving freed memory back to
// the system; prints the samples, the growth and whether the windows are
// released.
#include "live_windows.h"
#include "main_window.h"
#include "program.h"
#include "return_walk.h"

#include <QApplication>
#include <QPixmapCache>

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kWizardSample = 100;
constexpr int kPrintSample = 10;
// Growth from the first sample to the last that is taken for noise (heap
// fragments, caches filled once): less than 1 KiB a window.
constexpr double kNoiseKibPerWindow = 1.0;

// The bytes malloc has handed out and not had back, in KiB.
long heapInUseKib()
{
    return long(mallinfo2().uordblks / 1024);
}

long residentKib()
{
    malloc_trim(0);
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

struct Sample {
    long residentKib = 0;
    long heapKib = 0;
};

struct Series {
    const char *what;
    int every;
    bool emptyPixmapCache = false;
    std::vector<Sample> samples;

    void take()
    {
        if (emptyPixmapCache)
            QPixmapCache::clear();
        const long resident = residentKib();
        samples.push_back({resident, heapInUseKib()});
    }

    double growthPerWindow() const
    {
        const double windows = every * double(samples.size() - 1);
        return double(samples.back().residentKib - samples.front().residentKib) / windows;
    }

    // Prints the samples and the growth of resident memory from the first to the last.
    void report() const
    {
        std::printf("%s, sampled every %d (MiB)\n  resident:   ", what, every);
        for (const Sample &s : samples)
            std::printf(" %.1f", double(s.residentKib) / 1024);
        std::printf("\n  heap in use:");
        for (const Sample &s : samples)
            std::printf(" %.1f", double(s.heapKib) / 1024);
        const Sample &first = samples.front(), &last = samples.back();
        const double windows = every * double(samples.size() - 1);
        std::printf("\n  resident first %.1f MiB, last %.1f MiB: growth %+ld KiB = %+.2f KiB a window "
                    "(heap %+.2f KiB a window)\n",
                    double(first.residentKib) / 1024, double(last.residentKib) / 1024,
                    last.residentKib - first.residentKib, growthPerWindow(),
                    double(last.heapKib - first.heapKib) / windows);
    }

    bool flat() const { return growthPerWindow() < kNoiseKibPerWindow; }
};

// Opens, fills and closes `count` wizards, with a sample every `series.every`.
bool runWizards(TFmain &main, int count, Series &series)
{
    for (int i = 1; i <= count; ++i) {
        TFormsolve *wizard = bench::openWizard(main);
        if (!wizard)
            return bench::stopped(nullptr);
        walk::toQuestion(*wizard, walk::sampleReturn(static_cast<tax::MaritalStatus>(i % 7)));
        if (QTest::currentTestFailed() || !bench::closeWizard(*wizard))
            return bench::stopped(wizard);
        if (i % series.every == 0)
            series.take();
    }
    return series.samples.size() >= 2;
}

// Makes and closes `count` printed returns of one wizard on its refund page.
bool runPrints(TFmain &main, int count, Series &series)
{
    TFormsolve *wizard = bench::openWizard(main);
    if (!wizard)
        return bench::stopped(nullptr);
    bench::toRefundPage(*wizard, tax::MaritalStatus::married4);
    QByteArray pdf;
    for (int i = 1; i <= count && !QTest::currentTestFailed(); ++i) {
        bench::printToPdf(*wizard, pdf);
        if (i % series.every == 0)
            series.take();
    }
    if (QTest::currentTestFailed() || !bench::closeWizard(*wizard))
        return bench::stopped(wizard);
    return series.samples.size() >= 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int wizardCount = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int printCount = argc > 2 ? std::atoi(argv[2]) : 100;
    const Program program(app);
    TFmain &main = program.mainWindow();
    bench::MessageAnswerer messages;
    if (!bench::settle([&main] { return main.isActiveWindow(); }))
        return 1;
    std::printf("after start-up: %.1f MiB resident\n", double(residentKib()) / 1024);

    Series wizards{"wizards opened, filled and closed", kWizardSample, false, {}};
    Series wizardsNoCache{"the same with Qt's pixmap cache emptied before each sample", kWizardSample, true, {}};
    Series prints{"printed returns made and closed", kPrintSample, false, {}};
    if (!runWizards(main, wizardCount, wizards) || !runWizards(main, wizardCount, wizardsNoCache)
        || !runPrints(main, printCount, prints)) {
        std::fprintf(stderr, "no figures: a walk stopped, or the counts give too few samples\n");
        return 1;
    }
    for (const Series *series : {&wizards, &wizardsNoCache, &prints})
        series->report();

    const bool released = liveWindows<TFormsolve>() == 0 && liveWindows<TFormbil>() == 0;
    const bool flat = wizardsNoCache.flat() && prints.flat();
    std::printf("windows still alive: %d wizards, %d printed returns; %d messages answered\n",
                liveWindows<TFormsolve>(), liveWindows<TFormbil>(), messages.answered);
    std::printf("growth that Qt's pixmap cache holds (bounded by its limit of %d KiB of pixmaps): %+.2f KiB a wizard\n",
                QPixmapCache::cacheLimit(), wizards.growthPerWindow() - wizardsNoCache.growthPerWindow());
    std::printf("beyond that cache, growth under %.0f KiB a window: %s\n", kNoiseKibPerWindow,
                flat && released ? "met (no leak)" : "NOT met");
    return flat && released ? 0 : 1;
}
