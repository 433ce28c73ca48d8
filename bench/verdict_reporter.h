// The console report of a benchmark run, keeping for the verdict whether a run
// failed and the slowest median of the benchmarks whose name starts with a
// prefix, in milliseconds.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

namespace bench {

class VerdictReporter : public benchmark::ConsoleReporter {
public:
    explicit VerdictReporter(std::string prefix = {})
        : ConsoleReporter(OO_Tabular)
        , m_prefix(std::move(prefix))
    {
    }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            failed |= run.error_occurred;
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median"
                && run.benchmark_name().rfind(m_prefix, 0) == 0) {
                const double ms = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1000;
                slowestMedianMs = std::max(slowestMedianMs, ms);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    bool failed = false;
    double slowestMedianMs = 0;

private:
    std::string m_prefix;
};

} // namespace bench
