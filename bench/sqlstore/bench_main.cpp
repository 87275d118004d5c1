// Runs the store benchmarks, then prints the ratios the store is held to:
// SaveObject against a raw INSERT (at most 1.2), and LoadPage in a
// 1 000 000-row file against a 10 000-row one (at most 2, under 10 ms).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "bench_support.h"

namespace {

// Passes everything to the console and keeps LoadPage's times.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            std::string name = run.benchmark_name();
            if (name.rfind("BM_LoadPage/", 0) == 0 && run.iterations > 0 && !run.error_occurred) {
                double ms = run.GetAdjustedRealTime();  // in the run's unit, milliseconds
                Figures()["load " + name.substr(12) + " ms"] = ms;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

void PrintSummary() {
    auto& figures = Figures();
    std::printf("\nSummary\n");
    if (figures.count("save median us") && figures["raw median us"] > 0) {
        std::printf("  SaveObject median %.1f us, p99 %.1f us; raw INSERT median %.1f us, p99 %.1f us\n",
                    figures["save median us"], figures["save p99 us"], figures["raw median us"],
                    figures["raw p99 us"]);
        std::printf("  SaveObject / raw INSERT: median %.2f, p99 %.2f (target <= 1.2)\n",
                    figures["save median us"] / figures["raw median us"],
                    figures["save p99 us"] / figures["raw p99 us"]);
    }
    if (figures.count("load 10000 ms") && figures.count("load 1000000 ms")) {
        std::printf("  LoadPage of 1000 figures: %.2f ms in 10 000 rows, %.2f ms in 1 000 000 rows;"
                    " ratio %.2f (target <= 2, large under 10 ms)\n",
                    figures["load 10000 ms"], figures["load 1000000 ms"],
                    figures["load 1000000 ms"] / figures["load 10000 ms"]);
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    PrintSummary();
    return 0;
}
