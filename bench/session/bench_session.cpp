// The program over a working life rather than one action:
// - a long session of 10 000 figures drawn with the mouse over ten pages:
//   GDI and USER objects, resident memory and the heap after each batch of
//   1 000, flat after the first (long_session.cpp);
// - start-up to the first painted page with a file of 1 000 000 rows,
//   against the same with a file of no figures and with one of page 1
//   alone (start_up_large.cpp);
// - finishing a figure on an empty page and on pages of 10 000 and
//   100 000, the durable write left out: stored, drawn onto the page layer
//   and shown (finish_figure.cpp);
// - Home and End on a page of 10 000 (scroll_page.cpp);
// - memory per loaded figure on a page of 100 000 (page_memory.cpp);
// - undoing the figure just drawn on pages of 1 000 and 10 000, against one
//   repaint (undo_figure.cpp);
// - erasing one figure on a page of 10 000 with a click: the hit test alone
//   and the click, against one repaint (erase_figure.cpp);
// - LoadPage of a page of 10 000 figures in files of 1 000 000 rows against
//   the same page alone in a file (load_page_large.cpp).
// A summary with the goals closes the output.
//
// Run optimised and offscreen: scripts/bench, or
//   QT_QPA_PLATFORM=offscreen build/bench/bin/bench_session
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

#include "session_figures.h"
#include "start_up.h"

namespace {

// The value of a figure, or -1 when its benchmark did not run.
double Figure(const char* name) {
    auto found = Figures().find(name);
    return found == Figures().end() ? -1 : found->second;
}

void PrintSummary() {
    std::printf("\nSummary\n");
    if (!SessionTable().empty()) {
        std::printf("  Long session, 10 x 1 000 figures, one page per batch:\n");
        for (const std::string& line : SessionTable()) std::printf("  %s\n", line.c_str());
        const double resident = Figure("session resident growth kb"), heap = Figure("session heap growth kb");
        std::printf(
            "  From batch 2 to 10: GDI objects %+.0f, USER objects %+.0f (both must not grow);"
            " resident memory %+.0f KB (%.1f%% of batch 2); heap %+.0f KB, %+.0f KB of it outside SQLite\n",
            Figure("session gdi growth"), Figure("session user growth"), resident,
            100.0 * resident / Figure("session resident b2 kb"), heap, heap - Figure("session sqlite growth kb"));
    }
    const double empty = Figure("start empty ms"), large = Figure("start large ms");
    if (empty > 0 && large > 0) {
        std::printf(
            "  Start-up to the first paint: %.1f ms with 1 000 000 rows, %.1f ms with no figures,"
            " %.1f ms with page 1 alone; ratio to no figures %.2f (target <= 1.2, under 200 ms)\n",
            large, empty, Figure("start page only ms"), large / empty);
    }
    const double emptyFinish = Figure("finish 0 median ms");
    for (const char* figures : {"0", "10000", "100000"}) {
        const std::string name = std::string("finish ") + figures;
        const double median = Figure((name + " median ms").c_str());
        if (median <= 0) continue;
        std::printf(
            "  Finishing a figure on a page of %s, durable write left out: median %.2f ms, p99 %.2f ms"
            " (click %.2f, paint %.2f); ratio to an empty page %.2f (target <= 2 ms and <= 1.5)\n",
            figures, median, Figure((name + " p99 ms").c_str()), Figure((name + " click median ms").c_str()),
            Figure((name + " paint median ms").c_str()), emptyFinish > 0 ? median / emptyFinish : 0.0);
    }
    if (Figure("memory bytes per figure") > 0) {
        std::printf("  Memory per loaded figure, page of 100 000: %.0f bytes (target < 250)\n",
                    Figure("memory bytes per figure"));
    }
    for (const char* way : {"paused", "at once"}) {
        const std::string name = std::string("scroll ") + way;
        if (Figure((name + " median ms").c_str()) <= 0) continue;
        std::printf("  Home or End on a page of 10 000, keys %s: median %.1f ms, p99 %.1f ms (target <= 16 ms)\n",
                    way, Figure((name + " median ms").c_str()), Figure((name + " p99 ms").c_str()));
    }
    for (const char* figures : {"1000", "10000"}) {
        const std::string name = std::string("undo ") + figures;
        if (Figure((name + " ms").c_str()) <= 0) continue;
        std::printf("  Undoing the last figure on a page of %s: %.2f ms with its paint (command %.2f ms),"
                    " one repaint %.2f ms, ratio %.2f; redoing it %.2f ms\n",
                    figures, Figure((name + " ms").c_str()), Figure((name + " command ms").c_str()),
                    Figure((name + " repaint ms").c_str()),
                    Figure((name + " ms").c_str()) / Figure((name + " repaint ms").c_str()),
                    Figure((name + " redo ms").c_str()));
    }
    if (Figure("erase 10000 hit test ms") > 0) {
        std::printf("  Erasing on a page of 10 000: hit test median %.2f ms, p99 %.2f ms;"
                    " the erasing click median %.2f ms, p99 %.2f ms, with its paint %.1f ms; one repaint %.1f ms"
                    " (target: a click <= 10 ms)\n",
                    Figure("erase 10000 hit test ms"), Figure("erase 10000 hit test p99 ms"),
                    Figure("erase 10000 click ms"), Figure("erase 10000 click p99 ms"),
                    Figure("erase 10000 with paint ms"), Figure("erase 10000 repaint ms"));
    }
    const double alone = Figure("load 10000/1 ms");
    if (alone > 0) {
        std::printf("  LoadPage of 10 000 figures: %.2f ms alone in its file (first %.2f ms)\n", alone,
                    Figure("load 10000/1 first ms"));
        for (const char* layout : {"1000000/20", "1000000/1"}) {
            const double ms = Figure((std::string("load ") + layout + " ms").c_str());
            if (ms <= 0) continue;
            std::printf("    in 1 000 000 rows, runs of up to %s: %.2f ms (first %.2f ms), ratio %.2f (target <= 2)\n",
                        std::strchr(layout, '/') + 1, ms, Figure((std::string("load ") + layout + " first ms").c_str()),
                        ms / alone);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], kProgramChild) == 0) return RunProgramChild();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintSummary();
    return 0;
}
