// Finishing a figure on an empty page and on pages of 10 000 and 100 000:
// the line tool's second click, from the mouse message until the canvas
// shows the figure. The click stores the figure and draws it onto the page
// layer (the host callback ObjectFinished), then the paint copies the layer
// to the canvas. The first click and the pointer's way to the second are
// not timed. The page grows by one figure a turn.
//
// The durable write is left out: the store's connection does not wait for
// the disk (synchronous OFF), so what is timed is the program's own work,
// not the disk's.
//
// Counters: the whole in milliseconds, median and 99th percentile, and the
// click (storing, drawing onto the layer) and the paint on their own,
// medians. Each turn must paint the canvas exactly once. The goal: 2 ms or
// less, and within 1.5 times the same on an empty page.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "percentiles.h"
#include "stopwatch.h"
#include "application.h"
#include "program_window.h"
#include "resource_ids.h"
#include "session_figures.h"
#include "test_hooks.h"

namespace {

struct PaintCount {
    HWND canvas;
    int paints = 0;
};

void CountCanvasPaint(HWND window, void* context) {
    auto* count = static_cast<PaintCount*>(context);
    if (window == count->canvas) ++count->paints;
}

void BM_FinishFigure(benchmark::State& state) {
    const int figures = static_cast<int>(state.range(0));
    ProgramWindow window(MakePage(figures));
    if (!window.ok()) return state.SkipWithError("the main window could not be made");
    HWND canvas = window.canvas();
    TheApplication().store->Execute("PRAGMA synchronous=OFF", nullptr, nullptr);
    SendMessageA(GetParent(canvas), WM_COMMAND, MAKEWPARAM(ID_LINE_TOOL, 1), 0);
    PaintCount count{canvas};
    SetPaintObserver(CountCanvasPaint, &count);
    std::vector<double> whole, click, paint;
    int turn = 0;
    for (auto _ : state) {
        const int x = 300 + (turn * 37) % 1200, y = 150 + (turn * 53) % 600;
        ++turn;
        TestSendMouse(canvas, WM_LBUTTONDOWN, x, y);
        TestSendMouse(canvas, WM_MOUSEMOVE, x + 120, y + 60);
        ProgramWindow::ShowChanges();
        count.paints = 0;
        const auto start = Clock::now();
        TestSendMouse(canvas, WM_LBUTTONDOWN, x + 120, y + 60);
        const auto clicked = Clock::now();
        ProgramWindow::ShowChanges();
        const auto painted = Clock::now();
        if (count.paints != 1) {
            SetPaintObserver(nullptr, nullptr);
            return state.SkipWithError("the finished figure was not painted once");
        }
        whole.push_back(MsBetween(start, painted));
        click.push_back(MsBetween(start, clicked));
        paint.push_back(MsBetween(clicked, painted));
        state.SetIterationTime(whole.back() / 1e3);
    }
    SetPaintObserver(nullptr, nullptr);
    state.counters["median_ms"] = Percentile(whole, 0.5);
    state.counters["p99_ms"] = Percentile(whole, 0.99);
    state.counters["click_median_ms"] = Percentile(click, 0.5);
    state.counters["paint_median_ms"] = Percentile(paint, 0.5);
    const std::string name = "finish " + std::to_string(figures);
    Figures()[name + " median ms"] = Percentile(whole, 0.5);
    Figures()[name + " p99 ms"] = Percentile(whole, 0.99);
    Figures()[name + " click median ms"] = Percentile(click, 0.5);
    Figures()[name + " paint median ms"] = Percentile(paint, 0.5);
}
BENCHMARK(BM_FinishFigure)->Arg(0)->Arg(10000)->Arg(100000)->Iterations(200)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
