// Start-up with a large file: from main to the end of the first WM_PAINT
// (each run a fresh process, bench/canvas/start_up.h) with a Veldrin.dat of
// 1 000 000 rows, 1 000 pages of 1 000 figures drawn in runs of up to 20
// (drawing_file.h), against the same start with a file that holds no
// figures, and with one that holds only page 1's 1 000 figures: what the
// large file costs beyond its page 1 is the difference to the latter. The
// three starts take turns within each iteration so all see the same
// machine; the system's file cache is warm for all.
//
// Counters: each file's median in milliseconds, and the large file's
// median over each of the other two. The goal: at most 1.2 times the empty
// file's start, and under 200 ms.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>

#include "application.h"
#include "drawing_file.h"
#include "percentiles.h"
#include "scratch_folder.h"
#include "session_figures.h"
#include "start_up.h"

namespace {

constexpr int kLargeRows = 1000000;
constexpr int kPageFigures = 1000;
// A user's runs of drawing on one page before turning to another.
constexpr int kLongestRun = 20;

struct StartFolder {
    const char* name;
    DrawingLayout layout;
    ScratchFolder folder;
    std::vector<double> fromMain;
};

void BM_StartUpLargeFile(benchmark::State& state) {
    StartFolder starts[] = {
        {"empty", {0, 0, 0, 1}, {}, {}},
        {"page_only", {kPageFigures, kPageFigures, 0, 1}, {}, {}},
        {"large", {kLargeRows, kPageFigures, kPageFigures, kLongestRun}, {}, {}},
    };
    for (StartFolder& start : starts) {
        const auto begun = std::chrono::steady_clock::now();
        if (!BuildDrawingFile(start.folder.Path(), start.layout))
            return state.SkipWithError("a file could not be built");
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begun).count();
        std::printf("start-up file %-9s %8d rows, %6.1f MB, built in %.1f s\n", start.name, start.layout.rows,
                    FileBytes(start.folder.File(kDatabaseFile)) / 1048576.0, seconds);
        // One start first, so every timed one finds the libraries and the
        // file in the system's cache alike.
        if (!TimeStartUp(kProgramChild, start.folder.Path()).ok)
            return state.SkipWithError("the program did not paint");
    }
    for (auto _ : state) {
        for (StartFolder& start : starts) {
            StartUpTimes times = TimeStartUp(kProgramChild, start.folder.Path());
            if (!times.ok) return state.SkipWithError("the program did not paint");
            start.fromMain.push_back(times.toFirstPaintMs);
        }
    }
    const double empty = Percentile(starts[0].fromMain, 0.5);
    const double pageOnly = Percentile(starts[1].fromMain, 0.5);
    const double large = Percentile(starts[2].fromMain, 0.5);
    state.counters["empty_ms"] = empty;
    state.counters["page_only_ms"] = pageOnly;
    state.counters["large_ms"] = large;
    state.counters["large_p90_ms"] = Percentile(starts[2].fromMain, 0.9);
    state.counters["large_over_empty"] = large / empty;
    state.counters["large_over_page_only"] = large / pageOnly;
    Figures()["start empty ms"] = empty;
    Figures()["start page only ms"] = pageOnly;
    Figures()["start large ms"] = large;
}
BENCHMARK(BM_StartUpLargeFile)->Iterations(15)->Unit(benchmark::kMillisecond);

}  // namespace
