// Runs the benchmarks of this program, then each named pair's time ratio. The two sides
// of a pair run alternately, five times each, and the medians are compared, so that a
// noisy neighbour hits both alike; the machine's load is printed beside every ratio.
#include "RatioMain.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>

namespace {

constexpr int kRounds = 5;

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) {
                std::fprintf(stderr, "error in %s: %s\n", run.benchmark_name().c_str(),
                             run.error_message.c_str());
                ++errors;
            } else if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                seconds[run.benchmark_name()].push_back(
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit));
            }
        }
        if (print) {
            ConsoleReporter::ReportRuns(runs);
        }
    }
    std::map<std::string, std::vector<double>> seconds;
    int errors = 0;
    bool print = true;
};

// A filter matching exactly this benchmark name.
std::string Exactly(const std::string& name) {
    std::string filter = "^";
    for (const char c : name) {
        if (std::string("\\^$.|?*+()[]{}").find(c) != std::string::npos) {
            filter += '\\';
        }
        filter += c;
    }
    return filter + "$";
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string Load() {
    std::ifstream file("/proc/loadavg");
    std::string one;
    file >> one;
    return one.empty() ? std::string("?") : one;
}

} // namespace

int RunWithRatios(int argc, char** argv, const std::vector<RatioPair>& pairs) {
    bool filtered = false;
    for (int i = 1; i < argc; ++i) {
        filtered = filtered || std::string(argv[i]).rfind("--benchmark_filter", 0) == 0;
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    // Every selected benchmark once, as the table shows it.
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // A benchmark that reports an error, or a pair not measured, fails the program (and the
    // script that runs it).
    int failed = 0;
    // Then the pairs, side by side: measured, baseline, measured, baseline …
    reporter.print = false;
    for (const RatioPair& pair : pairs) {
        if (reporter.seconds.count(pair.measured) == 0 ||
            reporter.seconds.count(pair.baseline) == 0) {
            continue;
        }
        for (int round = 1; round < kRounds; ++round) {
            benchmark::RunSpecifiedBenchmarks(&reporter, Exactly(pair.measured));
            benchmark::RunSpecifiedBenchmarks(&reporter, Exactly(pair.baseline));
        }
    }
    // The console reporter may end on a colour reset: the ratios start on a line of their own.
    std::printf("\n");
    for (const RatioPair& pair : pairs) {
        const auto a = reporter.seconds.find(pair.measured);
        const auto b = reporter.seconds.find(pair.baseline);
        if (a == reporter.seconds.end() || b == reporter.seconds.end()) {
            std::printf("ratio %s / %s: not measured\n", pair.measured.c_str(),
                        pair.baseline.c_str());
            // With a filter of the user's own, a pair may be left out on purpose.
            failed += filtered ? 0 : 1;
            continue;
        }
        const double base = Median(b->second);
        if (!(base > 0)) {
            continue;
        }
        const double ratio = Median(a->second) / base;
        if (pair.target > 0) {
            std::printf("ratio %s / %s = %.2f (target <= %.2f; median of %zu and %zu runs, "
                        "load %s)\n",
                        pair.measured.c_str(), pair.baseline.c_str(), ratio, pair.target,
                        a->second.size(), b->second.size(), Load().c_str());
        } else {
            std::printf("ratio %s / %s = %.2f (for comparison; load %s)\n", pair.measured.c_str(),
                        pair.baseline.c_str(), ratio, Load().c_str());
        }
    }
    std::fflush(stdout);
    benchmark::Shutdown();
    if (reporter.errors > 0) {
        std::fprintf(stderr, "%d benchmark run(s) reported an error\n", reporter.errors);
    }
    return failed > 0 || reporter.errors > 0 ? 1 : 0;
}
