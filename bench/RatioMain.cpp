// Runs the benchmarks of this program, then prints each named pair's time ratio
// (measured side by side in the same run).
#include "RatioMain.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                seconds[run.benchmark_name()] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> seconds;
};

} // namespace

int RunWithRatios(int argc, char** argv, const std::vector<RatioPair>& pairs) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // The console reporter may end on a colour reset: the ratios start on a line of their own.
    std::printf("\n");
    for (const RatioPair& pair : pairs) {
        const auto a = reporter.seconds.find(pair.measured);
        const auto b = reporter.seconds.find(pair.baseline);
        if (a == reporter.seconds.end() || b == reporter.seconds.end() || b->second <= 0) {
            std::printf("ratio %s / %s: not measured\n", pair.measured.c_str(),
                        pair.baseline.c_str());
            continue;
        }
        const double ratio = a->second / b->second;
        if (pair.target > 0) {
            std::printf("ratio %s / %s = %.2f (target <= %.2f)\n", pair.measured.c_str(),
                        pair.baseline.c_str(), ratio, pair.target);
        } else {
            std::printf("ratio %s / %s = %.2f (for comparison)\n", pair.measured.c_str(),
                        pair.baseline.c_str(), ratio);
        }
    }
    std::fflush(stdout);
    benchmark::Shutdown();
    return 0;
}
