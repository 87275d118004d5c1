// Home and End on a page of 10 000 figures: each key scrolls the canvas by
// 16 mm, until the canvas is on screen. The keys go down to the page's foot
// and back up, round and round. Two ways:
//  - paused (argument 1): the program's loop found nothing to do between
//    keys, as when a user looks at the page before the next key, so the
//    page layer had the next position ready (prepared outside the timing);
//  - at once (argument 0): keys back to back, as a held key repeats them;
//    each builds the page layer anew at the new position (only the figures
//    that can show on the canvas are drawn).
//
// Counters, milliseconds: median and 99th percentile of one key. The goal:
// one frame at 60 Hz, 16 ms.
#include <benchmark/benchmark.h>

#include <vector>

#include "application.h"
#include "page_layer.h"
#include "percentiles.h"
#include "stopwatch.h"
#include "program_window.h"
#include "resource_ids.h"
#include "session_figures.h"

namespace {

void BM_ScrollPage(benchmark::State& state) {
    ProgramWindow window(MakePage(static_cast<int>(state.range(0))));
    if (!window.ok()) return state.SkipWithError("the main window could not be made");
    HWND mainWindow = GetParent(window.canvas());
    const bool paused = state.range(1) != 0;
    state.SetLabel(paused ? "paused" : "at once");
    std::vector<double> keys;
    bool down = true;
    for (auto _ : state) {
        if (paused) CanvasLayer().PrepareAhead(window.canvas());
        const int before = TheApplication().originY;
        const auto start = Clock::now();
        SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(down ? ID_SCROLL_DOWN : ID_SCROLL_UP, 1), 0);
        ProgramWindow::ShowChanges();
        keys.push_back(MsSince(start));
        state.SetIterationTime(keys.back() / 1e3);
        // At either end the key changes nothing: turn round.
        if (TheApplication().originY == before) {
            keys.pop_back();
            down = !down;
        }
    }
    const std::string way = paused ? "scroll paused " : "scroll at once ";
    state.counters["median_ms"] = Figures()[way + "median ms"] = Percentile(keys, 0.5);
    state.counters["p99_ms"] = Figures()[way + "p99 ms"] = Percentile(keys, 0.99);
}
BENCHMARK(BM_ScrollPage)->Args({10000, 1})->Args({10000, 0})->Iterations(60)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
