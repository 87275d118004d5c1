// Memory a loaded figure costs: resident memory before and after turning
// to a page of 100 000 figures (the objects, their list, the page's record
// of identities and boxes, what SQLite reads to load them, the page layer
// already being there), divided by the figures. One cold load.
//
// Counter: bytes per figure. The goal: under 250.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <fstream>

#include "application.h"
#include "program_window.h"
#include "session_figures.h"

namespace {

long ResidentBytes() {
    long pages = 0, resident = 0;
    std::ifstream statm("/proc/self/statm");
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

void BM_PageMemory(benchmark::State& state) {
    const int figures = static_cast<int>(state.range(0));
    ProgramWindow window(std::vector<PageFigure>{});
    if (!window.ok()) return state.SkipWithError("the main window could not be made");
    Application& application = TheApplication();
    application.GoToPage(2);
    StoreFigures(MakePage(figures));
    for (auto _ : state) {
        application.GoToPage(1);
        ProgramWindow::ShowChanges();
        malloc_trim(0);
        const long before = ResidentBytes();
        application.GoToPage(2);
        ProgramWindow::ShowChanges();
        const double perFigure = static_cast<double>(ResidentBytes() - before) / figures;
        state.counters["bytes_per_figure"] = Figures()["memory bytes per figure"] = perFigure;
    }
}
BENCHMARK(BM_PageMemory)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
