// Whole returns, one benchmark per marital status: from the main window's
// start button through every page, the severance panel, the tax and the
// refund page, the print button and the PDF written into memory, to the
// closed preview and the closed wizard. Prints the median time per return of
// each status and whether the slowest is under the target.
#include "main_window.h"
#include "program.h"
#include "return_walk.h"
#include "verdict_reporter.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>

namespace {

constexpr double kTargetMs = 200;

TFmain *g_main = nullptr;

void wholeReturn(benchmark::State &state)
{
    const auto status = static_cast<tax::MaritalStatus>(state.range(0));
    state.SetLabel(walk::statusButton(status));
    bench::MessageAnswerer messages;
    QByteArray pdf;
    for (auto _ : state) {
        if (!bench::wholeReturn(*g_main, status, pdf)) {
            state.SkipWithError("the walk did not go as a user expects");
            return;
        }
    }
    state.counters["pdf_KiB"] = double(pdf.size()) / 1024;
    state.counters["messages"] = benchmark::Counter(messages.answered, benchmark::Counter::kAvgIterations);
}

BENCHMARK(wholeReturn)
    ->DenseRange(0, 6)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(1.0)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Program program(app);
    g_main = &program.mainWindow();
    if (!bench::settle([] { return g_main->isActiveWindow(); }))
        return 1;
    // The first return loads what every later one finds loaded (the wizard's
    // fonts, printing, the PDF writer); it is timed on its own.
    {
        bench::MessageAnswerer messages;
        QByteArray pdf;
        QElapsedTimer first;
        first.start();
        if (!bench::wholeReturn(*g_main, tax::MaritalStatus::married4, pdf))
            return 1;
        std::printf("first whole return after start-up (not counted below): %lld ms\n", first.elapsed());
    }

    benchmark::Initialize(&argc, argv);
    bench::VerdictReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (reporter.failed)
        return 1;
    std::printf("whole return with its PDF: slowest status's median %.1f ms (target under %.0f ms): %s\n",
                reporter.slowestMedianMs, kTargetMs, reporter.slowestMedianMs < kTargetMs ? "met" : "NOT met");
    return 0;
}
