// How fast a page paints through the drawing surface, against the same
// pixels drawn straight with QPainter in the same run, and how fast
// figures turn into objData text and back.
//
// Each comparison first draws once both ways and counts the pixels that
// differ (see both_ways.h). Lines, polygons, rectangles, texts and the
// background must match exactly or are not timed; ellipses, and so the
// mixed pages, differ a little and are timed with the count shown. The goals:
// ratio 1.3 or less for 10 000 figures, the background under 0.5 ms.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "both_ways.h"
#include "page_figures.h"
#include "qt_background.h"
#include "qt_page.h"
#include "surface_page.h"

namespace {

SurfaceLibrary* library = nullptr;

// Checks the figures both ways, then times them page after page.
void ComparePages(benchmark::State& state, const std::vector<PageFigure>& figures, Match match) {
    std::vector<DrawObject*> objects = library->MakeObjects(figures);
    CanvasDC canvas;
    library->surface()->SetDC(canvas.dc());
    const QtPage qtPage(figures);
    auto drawSurface = [&] {
        for (DrawObject* object : objects) object->Draw();
    };
    auto drawQt = [&](QPainter& painter) { qtPage.Paint(painter); };
    if (SamePixelsOrSkip(state, MismatchedPixels(canvas, drawSurface, drawQt), match)) {
        TimeBothWays(state, drawSurface, drawQt);
        state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(figures.size()));
    }
    library->surface()->SetDC(nullptr);
    ReleaseAll(objects);
}

// N figures of the usual mix through DrawObject::Draw, then with QPainter.
void BM_PageOfFigures(benchmark::State& state) {
    ComparePages(state, MakePage(static_cast<int>(state.range(0))), Match::Reported);
}
BENCHMARK(BM_PageOfFigures)->Arg(100)->Arg(1000)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);

struct KindCase {
    int kind;
    const char* name;
    Match match;
};
constexpr KindCase kKindCases[] = {
    {1, "lines", Match::Exact},
    {3, "polygons", Match::Exact},
    {4, "ellipses", Match::Reported},  // Qt's curve is not the surface's rows
    {6, "rectangles", Match::Exact},
    {7, "texts", Match::Exact},
};

const KindCase& KindCaseOf(int kind) {
    for (const KindCase& c : kKindCases) {
        if (c.kind == kind) return c;
    }
    return kKindCases[0];
}

// 1 000 figures of one kind, to see which kind costs what.
void BM_FiguresOfKind(benchmark::State& state) {
    const KindCase& kind = KindCaseOf(static_cast<int>(state.range(0)));
    std::vector<PageFigure> figures;
    for (unsigned seed = 1; figures.size() < 1000; ++seed) {
        for (PageFigure& figure : MakePage(100, seed)) {
            if (figure.kind == kind.kind && figures.size() < 1000) figures.push_back(std::move(figure));
        }
    }
    state.SetLabel(kind.name);
    ComparePages(state, figures, kind.match);
}
BENCHMARK(BM_FiguresOfKind)->Arg(1)->Arg(3)->Arg(4)->Arg(6)->Arg(7)->UseManualTime()->Unit(benchmark::kMillisecond);

// The sheet, ruling and margin alone.
void BM_PageBackground(benchmark::State& state) {
    CanvasDC canvas;
    library->surface()->SetDC(canvas.dc());
    auto drawSurface = [] { PaintPageBackground(library->surface()); };
    if (SamePixelsOrSkip(state, MismatchedPixels(canvas, drawSurface, PaintQtBackground), Match::Exact)) {
        TimeBothWays(state, drawSurface, PaintQtBackground);
    }
    library->surface()->SetDC(nullptr);
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
