// LoadPage of a page of 10 000 figures: in a file that holds only that page
// (its rows side by side), and in files of 1 000 000 rows where it is one
// of 100 such pages drawn over months, its rows scattered through the file:
// in runs of up to 20 figures (a user drawing a while on one page before
// turning to another), and one figure at a time (each figure on a page
// picked afresh: far more scattered than any user's drawing).
//
// The program's own record loads the page again and again, as turning back
// to a page does; the first load after opening is reported on its own
// (first_ms: the store's cache still empty, the system's cache warm).
// Counters: median_ms, first_ms, and the file's size in MB. The goal: the
// large files within 2 times the small one.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <string>

#include "application.h"
#include "drawing_file.h"
#include "percentiles.h"
#include "stopwatch.h"
#include "scratch_folder.h"
#include "session_figures.h"

namespace {

constexpr int kPageFigures = 10000;

int FiguresLoaded(Application& app) {
    int count = 0;
    for (auto* item = app.pageObjects->First(); item != nullptr; item = app.pageObjects->Next()) ++count;
    return count;
}

void BM_LoadPage10000(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const int longestRun = static_cast<int>(state.range(1));
    ScratchFolder folder;
    if (!BuildDrawingFile(folder.Path(), {rows, kPageFigures, kPageFigures, longestRun}))
        return state.SkipWithError("the file could not be built");
    char previous[4096];
    if (getcwd(previous, sizeof(previous)) == nullptr || chdir(folder.Path().c_str()) != 0)
        return state.SkipWithError("no scratch folder");
    {
        Application app;
        if (app.Initialize() == 0) return state.SkipWithError("the program did not start");
        auto start = Clock::now();
        app.LoadPage(1);
        const double first = MsSince(start);
        std::vector<double> loads;
        for (auto _ : state) {
            start = Clock::now();
            app.LoadPage(1);
            loads.push_back(MsSince(start));
            state.SetIterationTime(loads.back() / 1e3);
        }
        if (FiguresLoaded(app) != kPageFigures) return state.SkipWithError("the page did not hold its figures");
        const std::string name = std::to_string(rows) + "/" + std::to_string(longestRun);
        state.counters["median_ms"] = Percentile(loads, 0.5);
        state.counters["first_ms"] = first;
        state.counters["file_MB"] = FileBytes(folder.File(kDatabaseFile)) / 1048576.0;
        Figures()["load " + name + " ms"] = Percentile(loads, 0.5);
        Figures()["load " + name + " first ms"] = first;
    }
    if (chdir(previous) != 0) state.SkipWithError("cannot leave the scratch folder");
}
// rows in the file, longest run of figures on one page
BENCHMARK(BM_LoadPage10000)
    ->Args({10000, 1})
    ->Args({1000000, 20})
    ->Args({1000000, 1})
    ->Iterations(30)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
