// The program on screen against raw Qt in the same run:
// - one pointer move with the line tool's feedback through the whole path
//   (message queue, canvas procedure, PrepareDC, tool, inverting drawing,
//   the changed area shown) against the same feedback drawn with QPainter
//   and shown with update(rect): median and 99th percentile, microseconds;
// - the whole canvas repainted (the page layer built anew) through
//   WM_PAINT and shown, for pages of 1 000 and 10 000 figures, against the
//   same page painted with QPainter and shown, milliseconds;
// - start-up, from main to the end of the first paint of a page of 1 000
//   figures, against a bare QWidget's first paint, each a fresh process.
//
// Run optimised and offscreen: scripts/bench, or
//   QT_QPA_PLATFORM=offscreen build/bench/bin/bench_canvas
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>

#include <chrono>
#include <cstring>
#include <memory>
#include <vector>

#include "canvas_screen.h"
#include "percentiles.h"
#include "program_window.h"
#include "qt_window.h"
#include "resource_ids.h"
#include "start_up.h"

namespace {

using Clock = std::chrono::steady_clock;

double MicrosecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

// The pointer sweeps back and forth across the middle of the canvas.
QPoint SweepPoint(int step) {
    const int offset = step % 400;
    return QPoint(600 + (offset < 200 ? offset : 400 - offset) * 3, 400 + (step % 7) * 20);
}

// Times each turn of `step` (with what it changed shown on the screen) and
// reports the median and 99th percentile in `unit`s.
template <class Step>
void TimeEachTurn(benchmark::State& state, double microsecondsPerUnit, const char* unit, Step step) {
    std::vector<double> samples;
    int turn = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        step(turn++);
        ProgramWindow::ShowChanges();
        samples.push_back(MicrosecondsSince(start) / microsecondsPerUnit);
    }
    state.counters[std::string("median_") + unit] = Percentile(samples, 0.5);
    state.counters[std::string("p99_") + unit] = Percentile(samples, 0.99);
}

void BM_PointerMoveProgram(benchmark::State& state) {
    ProgramWindow window(MakePage(1000));
    if (!window.ok()) return state.SkipWithError("the main window could not be made");
    SendMessageA(GetParent(window.canvas()), WM_COMMAND, MAKEWPARAM(ID_LINE_TOOL, 1), 0);
    window.PostAndDispatch(WM_LBUTTONDOWN, 200, 200);
    ProgramWindow::ShowChanges();
    TimeEachTurn(state, 1, "us", [&](int turn) {
        const QPoint to = SweepPoint(turn);
        window.PostAndDispatch(WM_MOUSEMOVE, to.x(), to.y());
    });
}

void BM_PointerMoveQt(benchmark::State& state) {
    QtCanvasWidget widget(MakePage(1000));
    widget.show();
    widget.RepaintPage();
    ProgramWindow::ShowChanges();
    TimeEachTurn(state, 1, "us", [&](int turn) { widget.MoveFeedback(SweepPoint(turn)); });
}

// A whole repaint: the page told that everything under its figures changed,
// so the page layer is built anew and shown.
void BM_RepaintProgram(benchmark::State& state) {
    ProgramWindow window(MakePage(static_cast<int>(state.range(0))));
    if (!window.ok()) return state.SkipWithError("the main window could not be made");
    TimeEachTurn(state, 1e3, "ms", [&](int) { CanvasScreen().PageChanged(); });
}

void BM_RepaintQt(benchmark::State& state) {
    QtCanvasWidget widget(MakePage(static_cast<int>(state.range(0))));
    widget.show();
    ProgramWindow::ShowChanges();
    TimeEachTurn(state, 1e3, "ms", [&](int) { widget.RepaintPage(); });
}

void BM_StartUp(benchmark::State& state, const char* role) {
    ScratchFolder folder;
    if (std::strcmp(role, kProgramChild) == 0 && !FillStartUpFolder(folder.Path(), 1000))
        return state.SkipWithError("the page could not be stored");
    std::vector<double> fromMain, fromExec;
    for (auto _ : state) {
        StartUpTimes times = TimeStartUp(role, folder.Path());
        if (!times.ok) return state.SkipWithError("the child did not paint");
        fromMain.push_back(times.toFirstPaintMs);
        fromExec.push_back(times.fromExecMs);
    }
    state.counters["median_from_main_ms"] = Percentile(fromMain, 0.5);
    state.counters["median_from_exec_ms"] = Percentile(fromExec, 0.5);
}

BENCHMARK(BM_PointerMoveProgram)->Iterations(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PointerMoveQt)->Iterations(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintProgram)->Arg(1000)->Arg(10000)->Iterations(30)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintQt)->Arg(1000)->Arg(10000)->Iterations(30)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartUp, program, kProgramChild)->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartUp, bare_widget, kQtChild)->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], kProgramChild) == 0) return RunProgramChild();
    if (argc == 2 && std::strcmp(argv[1], kQtChild) == 0) return RunBareWidgetChild();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
