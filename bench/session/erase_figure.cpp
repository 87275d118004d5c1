// Erasing one figure on a page of 10 000, against one full repaint of the
// same page in the same turn. A turn, at a point that moves over the whole
// canvas: the plain repaint; the hit test alone at that point (which figure
// a click there hits, decided by drawing the figures whose boxes come near
// it); then the erasing click, from the mouse message until the figure's row
// is out of the file and the page on screen changed, and with the paint
// that shows it. An erase is undone afterwards (not timed), so the page
// stays at 10 000.
//
// Counters, milliseconds: the hit test, median and 99th percentile; the
// erasing click, median and 99th percentile, and with its paint; the
// repaint. The page is dense enough that every point of it hits a figure.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "application.h"
#include "canvas_screen.h"
#include "canvas_hit_test.h"
#include "percentiles.h"
#include "stopwatch.h"
#include "program_window.h"
#include "resource_ids.h"
#include "session_figures.h"
#include "test_hooks.h"

namespace {

// How many figures the page on screen has.
std::size_t ShownCount() {
    const ShownFigures* shown = TheApplication().ShownFigureRecord();
    return shown != nullptr ? shown->Count() : 0;
}

void BM_EraseFigure(benchmark::State& state) {
    const int figures = static_cast<int>(state.range(0));
    ProgramWindow window(MakePage(figures));
    if (!window.ok()) return state.SkipWithError("the main window could not be made");
    HWND canvas = window.canvas(), mainWindow = GetParent(canvas);
    SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(ID_ERASE, 1), 0);
    std::vector<double> hitTest, click, withPaint, repaint;
    int turn = 0;
    for (auto _ : state) {
        const int x = 40 + (turn * 97) % 1840, y = 60 + (turn * 61) % 900;
        ++turn;
        auto start = Clock::now();
        CanvasScreen().PageChanged();  // a whole repaint: the page layer built anew
        ProgramWindow::ShowChanges();
        repaint.push_back(MsSince(start));

        double testMs = 0;
        const bool hits = TimedHitTest(canvas, x, y, testMs) >= 0;
        hitTest.push_back(testMs);
        const std::size_t before = ShownCount();
        start = Clock::now();
        TestSendMouse(canvas, WM_LBUTTONDOWN, x, y);
        const double command = MsSince(start);
        ProgramWindow::ShowChanges();
        const double whole = MsSince(start);
        state.SetIterationTime(whole / 1e3);
        if (ShownCount() != (hits ? before - 1 : before)) return state.SkipWithError("the click did not do as its hit test said");
        if (!hits) continue;
        click.push_back(command);
        withPaint.push_back(whole);
        SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(ID_UNDO, 1), 0);
        ProgramWindow::ShowChanges();
    }
    const std::string name = "erase " + std::to_string(figures);
    state.counters["hit_test_median_ms"] = Figures()[name + " hit test ms"] = Percentile(hitTest, 0.5);
    state.counters["hit_test_p99_ms"] = Figures()[name + " hit test p99 ms"] = Percentile(hitTest, 0.99);
    state.counters["click_median_ms"] = Figures()[name + " click ms"] = Percentile(click, 0.5);
    state.counters["click_p99_ms"] = Figures()[name + " click p99 ms"] = Percentile(click, 0.99);
    state.counters["with_paint_median_ms"] = Figures()[name + " with paint ms"] = Percentile(withPaint, 0.5);
    state.counters["repaint_median_ms"] = Figures()[name + " repaint ms"] = Percentile(repaint, 0.5);
    state.counters["erased"] = Figures()[name + " erased"] = static_cast<double>(click.size());
}
BENCHMARK(BM_EraseFigure)->Arg(10000)->Iterations(100)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
