// Undoing the figure just drawn, on pages of 1 000 and 10 000 figures,
// against one whole repaint of the same page in the same turn (the page
// layer built anew and shown, after the undo): the undo command (its row
// taken out of the file, the page on screen changed) and the paint that
// shows it, until the canvas is on screen.
//
// Then the figure is redone, with its paint.
//
// Counters, medians in milliseconds: the undo with its paint, the command
// alone, the plain repaint, and the redo with its paint; and the undo's
// ratio to the repaint.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "canvas_screen.h"
#include "percentiles.h"
#include "stopwatch.h"
#include "program_window.h"
#include "resource_ids.h"
#include "session_figures.h"
#include "test_hooks.h"

namespace {

void BM_UndoFigure(benchmark::State& state) {
    const int figures = static_cast<int>(state.range(0));
    ProgramWindow window(MakePage(figures));
    if (!window.ok()) return state.SkipWithError("the main window could not be made");
    HWND canvas = window.canvas(), mainWindow = GetParent(canvas);
    SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(ID_LINE_TOOL, 1), 0);
    std::vector<double> undo, command, repaint, redo;
    int turn = 0;
    for (auto _ : state) {
        const int x = 300 + (turn * 37) % 1200, y = 150 + (turn * 53) % 600;
        ++turn;
        TestSendMouse(canvas, WM_LBUTTONDOWN, x, y);
        TestSendMouse(canvas, WM_LBUTTONDOWN, x + 120, y + 60);
        ProgramWindow::ShowChanges();

        auto start = Clock::now();
        SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(ID_UNDO, 1), 0);
        command.push_back(MsSince(start));
        ProgramWindow::ShowChanges();
        undo.push_back(MsSince(start));
        state.SetIterationTime(undo.back() / 1e3);

        start = Clock::now();
        CanvasScreen().PageChanged();
        ProgramWindow::ShowChanges();
        repaint.push_back(MsSince(start));

        start = Clock::now();
        SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(ID_REDO, 1), 0);
        ProgramWindow::ShowChanges();
        redo.push_back(MsSince(start));
    }
    const std::string name = "undo " + std::to_string(figures);
    state.counters["undo_median_ms"] = Figures()[name + " ms"] = Percentile(undo, 0.5);
    state.counters["command_median_ms"] = Figures()[name + " command ms"] = Percentile(command, 0.5);
    state.counters["repaint_median_ms"] = Figures()[name + " repaint ms"] = Percentile(repaint, 0.5);
    state.counters["redo_median_ms"] = Figures()[name + " redo ms"] = Percentile(redo, 0.5);
    state.counters["undo_per_repaint"] = Percentile(undo, 0.5) / Percentile(repaint, 0.5);
}
BENCHMARK(BM_UndoFigure)->Arg(1000)->Arg(10000)->Iterations(60)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
