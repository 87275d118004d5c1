// How fast a page paints through the drawing surface, against the same
// pixels drawn straight with QPainter in the same run, and how fast
// figures turn into objData text and back.
//
// Counters: surface_ms and qt_ms are the mean time of one page each way;
// ratio is surface over Qt (the goal: 1.3 or less for 10 000 figures).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "page_figures.h"
#include "qt_background.h"
#include "qt_canvas.h"
#include "qt_page.h"
#include "surface_page.h"

namespace {

SurfaceLibrary* library = nullptr;

using Clock = std::chrono::steady_clock;

template <class Work>
double Seconds(Work work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void ReportAgainstQt(benchmark::State& state, double surfaceSeconds, double qtSeconds) {
    const double pages = static_cast<double>(state.iterations());
    state.counters["surface_ms"] = surfaceSeconds / pages * 1e3;
    state.counters["qt_ms"] = qtSeconds / pages * 1e3;
    state.counters["ratio"] = qtSeconds > 0 ? surfaceSeconds / qtSeconds : 0;
}

// Draws the figures both ways, page after page, and reports the mean of
// each. The Qt side keeps one painter open on its canvas throughout, as the
// surface's DC keeps its own.
void ComparePages(benchmark::State& state, const std::vector<PageFigure>& figures) {
    std::vector<DrawObject*> objects = library->MakeObjects(figures);
    CanvasDC canvas;
    library->surface()->SetDC(canvas.dc());
    const QtPage qtPage(figures);
    QtCanvas qt;

    double surfaceSeconds = 0, qtSeconds = 0;
    for (auto _ : state) {
        const double surface = Seconds([&] {
            for (DrawObject* object : objects) object->Draw();
        });
        qtSeconds += Seconds([&] { qtPage.Paint(qt.painter()); });
        surfaceSeconds += surface;
        state.SetIterationTime(surface);
    }
    library->surface()->SetDC(nullptr);
    ReleaseAll(objects);
    ReportAgainstQt(state, surfaceSeconds, qtSeconds);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(figures.size()));
}

// N figures of the usual mix through DrawObject::Draw, then with QPainter.
void BM_PageOfFigures(benchmark::State& state) {
    ComparePages(state, MakePage(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_PageOfFigures)->Arg(100)->Arg(1000)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);

// 1 000 figures of one kind, to see which kind costs what.
void BM_FiguresOfKind(benchmark::State& state) {
    const int kind = static_cast<int>(state.range(0));
    std::vector<PageFigure> figures;
    for (unsigned seed = 1; figures.size() < 1000; ++seed) {
        for (PageFigure& figure : MakePage(100, seed)) {
            if (figure.kind == kind && figures.size() < 1000) figures.push_back(std::move(figure));
        }
    }
    static const char* const kNames[] = {"", "lines", "", "polygons", "ellipses", "", "rectangles", "texts"};
    state.SetLabel(kNames[kind]);
    ComparePages(state, figures);
}
BENCHMARK(BM_FiguresOfKind)->Arg(1)->Arg(3)->Arg(4)->Arg(6)->Arg(7)->UseManualTime()->Unit(benchmark::kMillisecond);

// The sheet, ruling and margin alone (the goal: under 0.5 ms).
void BM_PageBackground(benchmark::State& state) {
    CanvasDC canvas;
    library->surface()->SetDC(canvas.dc());
    QtCanvas qt;
    double surfaceSeconds = 0, qtSeconds = 0;
    for (auto _ : state) {
        const double surface = Seconds([&] { PaintPageBackground(library->surface()); });
        qtSeconds += Seconds([&] { PaintQtBackground(qt.painter()); });
        surfaceSeconds += surface;
        state.SetIterationTime(surface);
    }
    library->surface()->SetDC(nullptr);
    ReportAgainstQt(state, surfaceSeconds, qtSeconds);
}
BENCHMARK(BM_PageBackground)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The background's parts through the surface alone: the filled sheet
// (mostly writing 1920 x 1080 pixels) and the 123 thin lines.
void BM_PageBackgroundPart(benchmark::State& state) {
    CanvasDC canvas;
    library->surface()->SetDC(canvas.dc());
    const bool sheet = state.range(0) == 0;
    state.SetLabel(sheet ? "sheet" : "ruling and margin");
    for (auto _ : state) {
        if (sheet) PaintSheet(library->surface());
        else PaintRuling(library->surface());
    }
    library->surface()->SetDC(nullptr);
}
BENCHMARK(BM_PageBackgroundPart)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// objData of a page of 1 000 figures, through the caller's two-call protocol.
void BM_Encode(benchmark::State& state) {
    std::vector<DrawObject*> objects = library->MakeObjects(MakePage(1000));
    std::vector<char> buffer(4096);
    std::int64_t bytes = 0;
    for (auto _ : state) {
        for (DrawObject* object : objects) {
            int length = 0;
            object->Encode(nullptr, &length);
            object->Encode(buffer.data(), &length);
            bytes += static_cast<std::int64_t>(std::strlen(buffer.data()));
        }
        benchmark::DoNotOptimize(buffer.data());
    }
    ReleaseAll(objects);
    state.SetItemsProcessed(state.iterations() * 1000);
    state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_Encode)->Unit(benchmark::kMicrosecond);

// Each record into a fresh object, as a page is loaded.
void BM_Decode(benchmark::State& state) {
    std::vector<DrawObject*> objects = library->MakeObjects(MakePage(1000));
    std::vector<std::string> records;
    for (DrawObject* object : objects) {
        int length = 0;
        object->Encode(nullptr, &length);
        std::string record(length, '\0');
        object->Encode(record.data(), &length);
        record.resize(std::strlen(record.c_str()));
        records.push_back(record);
    }
    ReleaseAll(objects);
    std::vector<char> scratch(4096);
    std::int64_t bytes = 0;
    for (auto _ : state) {
        for (const std::string& record : records) {
            std::memcpy(scratch.data(), record.c_str(), record.size() + 1);
            DrawObject* object = library->surface()->CreateObject();
            object->Decode(scratch.data());
            object->Release();
            bytes += static_cast<std::int64_t>(record.size());
        }
    }
    state.SetItemsProcessed(state.iterations() * 1000);
    state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_Decode)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    // Fonts need an application object; the port layer uses this one too.
    static int qtArgc = 1;
    static char name[] = "bench_drawsp";
    static char* qtArgv[] = {name, nullptr};
    QGuiApplication application(qtArgc, qtArgv);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    auto surfaceLibrary = std::make_unique<SurfaceLibrary>();
    if (surfaceLibrary->surface() == nullptr) {
        std::fprintf(stderr, "ZDrawSp.DLL could not be loaded beside this program\n");
        return 1;
    }
    library = surfaceLibrary.get();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    library = nullptr;
    return 0;
}
